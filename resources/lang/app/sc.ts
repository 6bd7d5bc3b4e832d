<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Profile</source>
        <translation>配置</translation>
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
        <translation>按 Enter 键应用</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>全部重置</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation>加载</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>灯光</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>按键自定义</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>固件更新</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>正面</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>侧面</translation>
    </message>
    <message>
        <source>The profile name is not valid.</source>
        <translation>配置文件名称无效。</translation>
    </message>
    <message>
        <source>Are you sure you want replace the stored profiles of the same name?</source>
        <translation>确定要替换同名的已存配置文件吗？</translation>
    </message>
    <message>
        <source>The profile list is full.</source>
        <translation>配置文件列表已满。</translation>
    </message>
    <message>
        <source>The profile file could not be found.</source>
        <translation>找不到配置文件。</translation>
    </message>
    <message>
        <source>The profile file could not be written.</source>
        <translation>无法写入配置文件。</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>无法读取此文件。</translation>
    </message>
    <message>
        <source>The file is not a profile file.</source>
        <translation>此文件不是配置文件。</translation>
    </message>
    <message>
        <source>The file is not a complete configuration file.</source>
        <translation>此文件不是完整的设置文件。</translation>
    </message>
    <message>
        <source>The install is damaged: the built-in settings are used.</source>
        <translation>安装已损坏：将使用内置设置。</translation>
    </message>
    <message>
        <source>The macro file %1 is damaged.</source>
        <translation>宏文件 %1 已损坏。</translation>
    </message>
    <message>
        <source>The macro file %1 is missing.</source>
        <translation>宏文件 %1 不存在。</translation>
    </message>
    <message>
        <source>The profiles use more than 20 macros; the mouse holds 20. Nothing was written.</source>
        <translation>配置文件使用的宏超过 20 个；鼠标只能保存 20 个。未写入任何内容。</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>无法保存文件。</translation>
    </message>
    <message>
        <source>The firmware updater could not be started.</source>
        <translation>无法启动固件更新程序。</translation>
    </message>
    <message>
        <source>The language file could not be loaded.</source>
        <translation>无法加载语言文件。</translation>
    </message>
</context>
<context>
    <name>MousecfgWidget</name>
    <message>
        <source>MOUSE OFF</source>
        <translation>鼠标关闭</translation>
    </message>
    <message>
        <source>&amp;Load Config</source>
        <translation>载入设置(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>保存配置文件</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>载入配置文件</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>保存设置文件</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>载入设置文件</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>配置文件(*.prof)</translation>
    </message>
    <message>
        <source>Config File(*.conf)</source>
        <translation>设置文件(*.conf)</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>125 HZ</source>
        <translation>125 赫兹</translation>
    </message>
    <message>
        <source>250 HZ</source>
        <translation>250 赫兹</translation>
    </message>
    <message>
        <source>500 HZ</source>
        <translation>500 赫兹</translation>
    </message>
    <message>
        <source>1000 HZ</source>
        <translation>1000 赫兹</translation>
    </message>
</context>
</TS>
