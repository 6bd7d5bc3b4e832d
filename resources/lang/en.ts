<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Mouse is sleeping or not connected.</source>
        <translation>Mouse is sleeping or not connected.</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>Send data failed, please try again.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>The settings could not be saved.</translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation>Dongle Disconnect!</translation>
    </message>
    <message>
        <source>NO MOUSE DETECTED!</source>
        <translation>NO MOUSE DETECTED!</translation>
    </message>
    <message>
        <source>Do you want to upgrade the firmware?</source>
        <translation>Do you want to upgrade the firmware?</translation>
    </message>
    <message>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>To update the firmware, please connect to the computer with a cable.</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>AT LEAST ONE PROFILE TO BE RETAINED.</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>The default Profile cannot be deleted or renamed.</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>Profile Exist!</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>Profile is Already Used!</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>Are you sure you want delete this profile?</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>Are you sure you want reset all profiles?</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>Are you sure you want reset this profile?</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>The file is not match current mouse!</translation>
    </message>
    <message>
        <source>Mouse Sleep</source>
        <translation>Mouse Sleep</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>DELETE</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>COPY</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SAVE</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MACRO</translation>
    </message>
</context>
<context>
    <name>QuorMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
</context>
<context>
    <name>QuorPopBox</name>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
</context>
</TS>
