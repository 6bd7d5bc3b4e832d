<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>NEW</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>更改名称</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation>鼠标动作</translation>
    </message>
    <message>
        <source>START</source>
        <translation>开始</translation>
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
        <translation>编辑</translation>
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
        <translation>置顶</translation>
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
        <translation>插入延迟</translation>
    </message>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>记录动作间的延迟</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>插入默认延迟</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>批量</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>压枪设置</translation>
    </message>
    <message>
        <source>MACRO NAME</source>
        <translation>宏名称</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>DELAY</source>
        <translation>延迟</translation>
    </message>
    <message>
        <source>MOVEMENT</source>
        <translation>移动</translation>
    </message>
    <message>
        <source>DISTANCE</source>
        <translation>距离</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>动作</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>延迟(毫秒)</translation>
    </message>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>鼠标指令</translation>
    </message>
    <message>
        <source>LEFT CLICK</source>
        <translation>左键</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>中键</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>右键</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>前进键</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>后退键</translation>
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
        <translation>弹起</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>按下</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>放开</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>重复执行直到按下按键</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>有一个或多个按键尚未放开。</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>宏数量已达上限，无法创建！</translation>
    </message>
    <message>
        <source>The file is not a macro file.</source>
        <translation>此文件不是宏文件。</translation>
    </message>
    <message>
        <source>A macro without a delay holds at most 40 rows.</source>
        <translation>不含延迟的宏最多只能有 40 行。</translation>
    </message>
    <message>
        <source>A macro holds at most 63 rows.</source>
        <translation>宏最多只能有 63 行。</translation>
    </message>
    <message>
        <source>The macro could not be saved.</source>
        <translation>无法保存宏。</translation>
    </message>
    <message>
        <source>The macro file %1 is damaged. Only its whole rows are kept.</source>
        <translation>宏文件 %1 已损坏。只保留完整的行。</translation>
    </message>
    <message>
        <source>Macro Exist!</source>
        <translation>宏已存在！</translation>
    </message>
    <message>
        <source>The macro could not be renamed.</source>
        <translation>无法重命名宏。</translation>
    </message>
    <message>
        <source>The macro could not be deleted.</source>
        <translation>无法删除宏。</translation>
    </message>
    <message>
        <source>The macro file could not be copied.</source>
        <translation>无法复制宏文件。</translation>
    </message>
    <message>
        <source>A button uses this macro. Delete it all the same?</source>
        <translation>有按键正在使用此宏，仍要删除吗？</translation>
    </message>
    <message>
        <source>These files were not imported (name taken or not allowed, list full, file unreadable or too long for the mouse): %1</source>
        <translation>以下文件未导入（名称已被使用或不允许、列表已满、文件无法读取或对鼠标而言过长）：%1</translation>
    </message>
    <message>
        <source>These files already exist. Replace them? %1</source>
        <translation>以下文件已存在，要替换吗？%1</translation>
    </message>
    <message>
        <source>These macros could not be exported: %1</source>
        <translation>以下宏无法导出：%1</translation>
    </message>
    <message>
        <source>A macro name cannot be empty or hold / \ or ..</source>
        <translation>宏名称不能为空，也不能包含 / \ 或 ..</translation>
    </message>
    <message>
        <source>Please input file name.</source>
        <translation>请输入文件名称。</translation>
    </message>
    <message>
        <source>GUN EDIT</source>
        <translation>压枪编辑</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>距离</translation>
    </message>
</context>
<context>
    <name>MacroDialog</name>
    <message>
        <source>Load Macro File</source>
        <translation>载入宏文件</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>保存宏文件</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation>宏文件(*.MSMACRO)</translation>
    </message>
</context>
<context>
    <name>QuorGunsetDialog</name>
    <message>
        <source>GUN SET</source>
        <translation>压枪设置</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>压枪文件名称</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>子弹数</translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation>延迟(毫秒)</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y轴</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X轴</translation>
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
