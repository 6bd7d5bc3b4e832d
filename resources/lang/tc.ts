<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Mouse is sleeping or not connected.</source>
        <translation>滑鼠處於休眠狀態或未連接。</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>傳送資料失敗，請重試。</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>無法儲存設定。</translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation>接收器已斷開！</translation>
    </message>
    <message>
        <source>NO MOUSE DETECTED!</source>
        <translation>未偵測到滑鼠！</translation>
    </message>
    <message>
        <source>Do you want to upgrade the firmware?</source>
        <translation>是否要升級韌體？</translation>
    </message>
    <message>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>要更新韌體，請用線材將滑鼠連接到電腦。</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>至少需要保留一個點擊功能。</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>至少需要保留一個設定檔。</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>預設設定檔無法刪除或重新命名。</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>設定檔已存在！</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>設定檔已被使用！</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>確定要刪除此設定檔嗎？</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>確定要重設所有設定檔嗎？</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>確定要重設此設定檔嗎？</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>此檔案與目前的滑鼠不符！</translation>
    </message>
    <message>
        <source>Mouse Sleep</source>
        <translation>滑鼠休眠</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>巨集</translation>
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
        <translation>確定</translation>
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
        <translation>確定</translation>
    </message>
</context>
</TS>
