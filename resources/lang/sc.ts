<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Mouse is sleeping or not connected.</source>
        <translation>鼠标处于休眠状态或未连接。</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>发送数据失败，请重试。</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>无法保存设置。</translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation>接收器已断开！</translation>
    </message>
    <message>
        <source>NO MOUSE DETECTED!</source>
        <translation>未检测到鼠标！</translation>
    </message>
    <message>
        <source>Do you want to upgrade the firmware?</source>
        <translation>是否要升级固件？</translation>
    </message>
    <message>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>要更新固件，请用数据线将鼠标连接到电脑。</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>至少需要保留一个点击功能。</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>至少需要保留一个配置文件。</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>默认配置文件无法删除或重命名。</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>配置文件已存在！</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>配置文件已被使用！</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>确定要删除此配置文件吗？</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>确定要重置所有配置文件吗？</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>确定要重置此配置文件吗？</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>此文件与当前鼠标不匹配！</translation>
    </message>
    <message>
        <source>Mouse Sleep</source>
        <translation>鼠标休眠</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>宏</translation>
    </message>
</context>
<context>
    <name>QuorMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>QuorPopBox</name>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
</context>
</TS>
