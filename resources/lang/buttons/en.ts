<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Basic</source>
        <translation>Basic</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Advance</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Profile Menu</source>
        <translation>Profile Menu</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>Polling Rate</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation>SINGLE KEY</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation>COMBO KEY</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation>FIRE KEY</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation>Button Off</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation>Switch Window</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Close Window</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>My Computer</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>Show Desktop</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation>Lock PC</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Browser Home</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation>Browser Backward</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Browser Forward</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation>Browser Stop</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>Browser Refresh</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation>Browser Search</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation>Browser Favorite</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Mail</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Play/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Previous Track</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Next Track</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volume Up</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Volume Down</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Media Player</translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation>DPI Switch</translation>
    </message>
    <message>
        <source>DPI +</source>
        <translation>DPI +</translation>
    </message>
    <message>
        <source>DPI -</source>
        <translation>DPI -</translation>
    </message>
    <message>
        <source>Rate +</source>
        <translation>Rate +</translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation>Rate -</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Scroll Up</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Scroll Down</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation>Led Switch</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation>SNIPER</translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation>Profile +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation>Profile -</translation>
    </message>
    <message>
        <source>Profile Switch</source>
        <translation>Profile Switch</translation>
    </message>
    <message>
        <source>Boss Key</source>
        <translation>Boss Key</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>Macro Manager</translation>
    </message>
    <message>
        <source>GunFile Manager</source>
        <translation>GunFile Manager</translation>
    </message>
    <message>
        <source>Left Button Can not be Gun Function.</source>
        <translation>Left Button Can not be Gun Function.</translation>
    </message>
    <message>
        <source>MACRO SELECT</source>
        <translation>MACRO SELECT</translation>
    </message>
    <message>
        <source>GUNFILE SELECT</source>
        <translation>GUNFILE SELECT</translation>
    </message>
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
    <message>
        <source>Single Key</source>
        <translation>Single Key</translation>
    </message>
    <message>
        <source>Combo Key</source>
        <translation>Combo Key</translation>
    </message>
    <message>
        <source>FireKey Setting</source>
        <translation>FireKey Setting</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation>Keyboard Key</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>Times:</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>Delay:</translation>
    </message>
    <message>
        <source>Sniper Setting</source>
        <translation>Sniper Setting</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>LOOPS TIME(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>REPEAT RUN WHEN KEY DOWN</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>REPEAT RUN UNTILL THE KEY DOWN</translation>
    </message>
</context>
</TS>
