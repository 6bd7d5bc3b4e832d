<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>NEW</source>
        <translation>NEW</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>CHANGE NAME</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation>MOUSE ACTION</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>EDIT</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>MOVE UP</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>MOVE DOWN</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>TOP</translation>
    </message>
    <message>
        <source>BOTTOM</source>
        <translation>BOTTOM</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>CLEAR</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>INSERT DELAY</translation>
    </message>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>RECORD DELAYS BETWEEN ACTION</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>INSERT DEFAULT DELAY</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>BATCH</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORT</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORT</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>GUN SET</translation>
    </message>
    <message>
        <source>MACRO NAME</source>
        <translation>MACRO NAME</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>KEY</translation>
    </message>
    <message>
        <source>DELAY</source>
        <translation>DELAY</translation>
    </message>
    <message>
        <source>MOVEMENT</source>
        <translation>MOVEMENT</translation>
    </message>
    <message>
        <source>DISTANCE</source>
        <translation>DISTANCE</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>ACTION</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>DELAY(ms)</translation>
    </message>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>MOUSE COMMAND</translation>
    </message>
    <message>
        <source>LEFT CLICK</source>
        <translation>LEFT CLICK</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>MIDDLE CLICK</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>RIGHT CLICK</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>FORWARD</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>BACKWARD</translation>
    </message>
    <message>
        <source>MOVE LEFT</source>
        <translation>MOVE LEFT</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>MOVE RIGHT</translation>
    </message>
    <message>
        <source>PRESS DOWN</source>
        <translation>PRESS DOWN</translation>
    </message>
    <message>
        <source>BOUNCE UP</source>
        <translation>BOUNCE UP</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Press</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Release</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>REPEAT RUN UNTIL THE KEY DOWN</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>WARNING</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>TOO MANY MACROS TO BE CREATE!</translation>
    </message>
    <message>
        <source>The file is not a macro file.</source>
        <translation>The file is not a macro file.</translation>
    </message>
    <message>
        <source>A macro without a delay holds at most 40 rows.</source>
        <translation>A macro without a delay holds at most 40 rows.</translation>
    </message>
    <message>
        <source>A macro holds at most 63 rows.</source>
        <translation>A macro holds at most 63 rows.</translation>
    </message>
    <message>
        <source>The macro could not be saved.</source>
        <translation>The macro could not be saved.</translation>
    </message>
    <message>
        <source>The macro file %1 is damaged. Only its whole rows are kept.</source>
        <translation>The macro file %1 is damaged. Only its whole rows are kept.</translation>
    </message>
    <message>
        <source>Macro Exist!</source>
        <translation>Macro Exist!</translation>
    </message>
    <message>
        <source>The macro could not be renamed.</source>
        <translation>The macro could not be renamed.</translation>
    </message>
    <message>
        <source>The macro could not be deleted.</source>
        <translation>The macro could not be deleted.</translation>
    </message>
    <message>
        <source>The macro file could not be copied.</source>
        <translation>The macro file could not be copied.</translation>
    </message>
    <message>
        <source>A button uses this macro. Delete it all the same?</source>
        <translation>A button uses this macro. Delete it all the same?</translation>
    </message>
    <message>
        <source>These files were not imported (name taken or not allowed, list full, file unreadable or too long for the mouse): %1</source>
        <translation>These files were not imported (name taken or not allowed, list full, file unreadable or too long for the mouse): %1</translation>
    </message>
    <message>
        <source>These files already exist. Replace them? %1</source>
        <translation>These files already exist. Replace them? %1</translation>
    </message>
    <message>
        <source>These macros could not be exported: %1</source>
        <translation>These macros could not be exported: %1</translation>
    </message>
    <message>
        <source>A macro name cannot be empty or hold / \ or ..</source>
        <translation>A macro name cannot be empty or hold / \ or ..</translation>
    </message>
    <message>
        <source>Please input file name.</source>
        <translation>Please input file name.</translation>
    </message>
    <message>
        <source>GUN EDIT</source>
        <translation>GUN EDIT</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
</context>
<context>
    <name>MacroDialog</name>
    <message>
        <source>Load Macro File</source>
        <translation>Load Macro File</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>Save Macro File</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation>Macro File(*.MSMACRO)</translation>
    </message>
</context>
<context>
    <name>QuorGunsetDialog</name>
    <message>
        <source>GUN SET</source>
        <translation>GUN SET</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>GUNFILE NAME</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>BULLETS</translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation>DELAY(MS)</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>QuorGunEditDialog</name>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
</TS>
