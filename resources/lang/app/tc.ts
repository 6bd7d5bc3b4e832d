<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Profile</source>
        <translation>設定檔</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>按 Enter 鍵套用</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>重設</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>全部重設</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation>載入</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>燈光</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>按鍵自訂</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>韌體更新</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>正面</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>側面</translation>
    </message>
    <message>
        <source>The profile name is not valid.</source>
        <translation>設定檔名稱無效。</translation>
    </message>
    <message>
        <source>Are you sure you want replace the stored profiles of the same name?</source>
        <translation>確定要取代同名的已存設定檔嗎？</translation>
    </message>
    <message>
        <source>The profile list is full.</source>
        <translation>設定檔清單已滿。</translation>
    </message>
    <message>
        <source>The profile file could not be found.</source>
        <translation>找不到設定檔。</translation>
    </message>
    <message>
        <source>The profile file could not be written.</source>
        <translation>無法寫入設定檔。</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>無法讀取此檔案。</translation>
    </message>
    <message>
        <source>The file is not a profile file.</source>
        <translation>此檔案不是設定檔。</translation>
    </message>
    <message>
        <source>The file is not a complete configuration file.</source>
        <translation>此檔案不是完整的組態檔。</translation>
    </message>
    <message>
        <source>The install is damaged: the built-in settings are used.</source>
        <translation>安裝已損壞：將使用內建設定。</translation>
    </message>
    <message>
        <source>The macro file %1 is damaged.</source>
        <translation>巨集檔案 %1 已損壞。</translation>
    </message>
    <message>
        <source>The macro file %1 is missing.</source>
        <translation>巨集檔案 %1 不存在。</translation>
    </message>
    <message>
        <source>The profiles use more than 20 macros; the mouse holds 20. Nothing was written.</source>
        <translation>設定檔使用的巨集超過 20 個；滑鼠只能保存 20 個。未寫入任何內容。</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>無法儲存檔案。</translation>
    </message>
    <message>
        <source>The firmware updater could not be started.</source>
        <translation>無法啟動韌體更新程式。</translation>
    </message>
    <message>
        <source>The language file could not be loaded.</source>
        <translation>無法載入語言檔。</translation>
    </message>
</context>
<context>
    <name>MousecfgWidget</name>
    <message>
        <source>MOUSE OFF</source>
        <translation>滑鼠關閉</translation>
    </message>
    <message>
        <source>&amp;Load Config</source>
        <translation>載入設定(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>結束(&amp;Q)</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>儲存設定檔</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>載入設定檔</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>儲存組態檔</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>載入組態檔</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>設定檔(*.prof)</translation>
    </message>
    <message>
        <source>Config File(*.conf)</source>
        <translation>組態檔(*.conf)</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>設定檔</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>125 HZ</source>
        <translation>125 赫茲</translation>
    </message>
    <message>
        <source>250 HZ</source>
        <translation>250 赫茲</translation>
    </message>
    <message>
        <source>500 HZ</source>
        <translation>500 赫茲</translation>
    </message>
    <message>
        <source>1000 HZ</source>
        <translation>1000 赫茲</translation>
    </message>
</context>
</TS>
