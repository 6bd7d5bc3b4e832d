<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>NEW</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>更改名稱</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation>滑鼠動作</translation>
    </message>
    <message>
        <source>START</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>置頂</translation>
    </message>
    <message>
        <source>BOTTOM</source>
        <translation>置底</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>插入延遲</translation>
    </message>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>記錄動作間的延遲</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>插入預設延遲</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>批次</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>匯入</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>壓槍設定</translation>
    </message>
    <message>
        <source>MACRO NAME</source>
        <translation>巨集名稱</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>按鍵</translation>
    </message>
    <message>
        <source>DELAY</source>
        <translation>延遲</translation>
    </message>
    <message>
        <source>MOVEMENT</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>DISTANCE</source>
        <translation>距離</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>動作</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>延遲(毫秒)</translation>
    </message>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>滑鼠指令</translation>
    </message>
    <message>
        <source>LEFT CLICK</source>
        <translation>左鍵</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>中鍵</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>右鍵</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>前進鍵</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>後退鍵</translation>
    </message>
    <message>
        <source>MOVE LEFT</source>
        <translation>左移</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>右移</translation>
    </message>
    <message>
        <source>PRESS DOWN</source>
        <translation>按下</translation>
    </message>
    <message>
        <source>BOUNCE UP</source>
        <translation>彈起</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>按下</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>放開</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>重複執行直到按下按鍵</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>有一個或多個按鍵尚未放開。</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>巨集數量已達上限，無法建立！</translation>
    </message>
    <message>
        <source>The file is not a macro file.</source>
        <translation>此檔案不是巨集檔案。</translation>
    </message>
    <message>
        <source>A macro without a delay holds at most 40 rows.</source>
        <translation>不含延遲的巨集最多只能有 40 行。</translation>
    </message>
    <message>
        <source>A macro holds at most 63 rows.</source>
        <translation>巨集最多只能有 63 行。</translation>
    </message>
    <message>
        <source>The macro could not be saved.</source>
        <translation>無法儲存巨集。</translation>
    </message>
    <message>
        <source>The macro file %1 is damaged. Only its whole rows are kept.</source>
        <translation>巨集檔案 %1 已損壞。只保留完整的行。</translation>
    </message>
    <message>
        <source>Macro Exist!</source>
        <translation>巨集已存在！</translation>
    </message>
    <message>
        <source>The macro could not be renamed.</source>
        <translation>無法重新命名巨集。</translation>
    </message>
    <message>
        <source>The macro could not be deleted.</source>
        <translation>無法刪除巨集。</translation>
    </message>
    <message>
        <source>The macro file could not be copied.</source>
        <translation>無法複製巨集檔案。</translation>
    </message>
    <message>
        <source>A button uses this macro. Delete it all the same?</source>
        <translation>有按鍵正在使用此巨集，仍要刪除嗎？</translation>
    </message>
    <message>
        <source>These files were not imported (name taken or not allowed, list full, file unreadable or too long for the mouse): %1</source>
        <translation>以下檔案未匯入（名稱已被使用或不允許、清單已滿、檔案無法讀取或對滑鼠而言過長）：%1</translation>
    </message>
    <message>
        <source>These files already exist. Replace them? %1</source>
        <translation>以下檔案已存在，要取代嗎？%1</translation>
    </message>
    <message>
        <source>These macros could not be exported: %1</source>
        <translation>以下巨集無法匯出：%1</translation>
    </message>
    <message>
        <source>A macro name cannot be empty or hold / \ or ..</source>
        <translation>巨集名稱不可為空，也不可包含 / \ 或 ..</translation>
    </message>
    <message>
        <source>Please input file name.</source>
        <translation>請輸入檔案名稱。</translation>
    </message>
    <message>
        <source>GUN EDIT</source>
        <translation>壓槍編輯</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>距離</translation>
    </message>
</context>
<context>
    <name>MacroDialog</name>
    <message>
        <source>Load Macro File</source>
        <translation>載入巨集檔案</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>儲存巨集檔案</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation>巨集檔案(*.MSMACRO)</translation>
    </message>
</context>
<context>
    <name>QuorGunsetDialog</name>
    <message>
        <source>GUN SET</source>
        <translation>壓槍設定</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>壓槍檔名稱</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>子彈數</translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation>延遲(毫秒)</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y軸</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X軸</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>QuorGunEditDialog</name>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
</context>
</TS>
