<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>Press Enter To Apply</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RESET</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>ADD</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Reset All</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation>LOAD1</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>LIGHTING</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>CUSTOMIZE</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Firmware Update</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Side</translation>
    </message>
    <message>
        <source>The profile name is not valid.</source>
        <translation>The profile name is not valid.</translation>
    </message>
    <message>
        <source>Are you sure you want replace the stored profiles of the same name?</source>
        <translation>Are you sure you want replace the stored profiles of the same name?</translation>
    </message>
    <message>
        <source>The profile list is full.</source>
        <translation>The profile list is full.</translation>
    </message>
    <message>
        <source>The profile file could not be found.</source>
        <translation>The profile file could not be found.</translation>
    </message>
    <message>
        <source>The profile file could not be written.</source>
        <translation>The profile file could not be written.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>The file could not be read.</translation>
    </message>
    <message>
        <source>The file is not a profile file.</source>
        <translation>The file is not a profile file.</translation>
    </message>
    <message>
        <source>The file is not a complete configuration file.</source>
        <translation>The file is not a complete configuration file.</translation>
    </message>
    <message>
        <source>The install is damaged: the built-in settings are used.</source>
        <translation>The install is damaged: the built-in settings are used.</translation>
    </message>
    <message>
        <source>The macro file %1 is damaged.</source>
        <translation>The macro file %1 is damaged.</translation>
    </message>
    <message>
        <source>The macro file %1 is missing.</source>
        <translation>The macro file %1 is missing.</translation>
    </message>
    <message>
        <source>The profiles use more than 20 macros; the mouse holds 20. Nothing was written.</source>
        <translation>The profiles use more than 20 macros; the mouse holds 20. Nothing was written.</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>The file could not be saved.</translation>
    </message>
    <message>
        <source>The firmware updater could not be started.</source>
        <translation>The firmware updater could not be started.</translation>
    </message>
    <message>
        <source>The language file could not be loaded.</source>
        <translation>The language file could not be loaded.</translation>
    </message>
</context>
<context>
    <name>MousecfgWidget</name>
    <message>
        <source>MOUSE OFF</source>
        <translation>MOUSE OFF</translation>
    </message>
    <message>
        <source>&amp;Load Config</source>
        <translation>&amp;Load Config</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>Save Profile File</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>Load Profile File</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Save Config File</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>Load Config File</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>Profile File(*.prof)</translation>
    </message>
    <message>
        <source>Config File(*.conf)</source>
        <translation>Config File(*.conf)</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>125 HZ</source>
        <translation>125 HZ</translation>
    </message>
    <message>
        <source>250 HZ</source>
        <translation>250 HZ</translation>
    </message>
    <message>
        <source>500 HZ</source>
        <translation>500 HZ</translation>
    </message>
    <message>
        <source>1000 HZ</source>
        <translation>1000 HZ</translation>
    </message>
</context>
</TS>
