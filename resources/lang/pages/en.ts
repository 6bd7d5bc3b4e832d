<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Link XY</source>
        <translation>Link XY</translation>
    </message>
    <message>
        <source>REPORT RATE</source>
        <translation>REPORT RATE</translation>
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
    <message>
        <source>Lift off Distance</source>
        <translation>Lift off Distance</translation>
    </message>
    <message>
        <source>1 mm</source>
        <translation>1 mm</translation>
    </message>
    <message>
        <source>2 mm</source>
        <translation>2 mm</translation>
    </message>
    <message>
        <source>POINTER SPEED</source>
        <translation>POINTER SPEED</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <translation>SCROLL SPEED</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>EFFECT</translation>
    </message>
    <message>
        <source>BRIGHTNESS</source>
        <translation>BRIGHTNESS</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>SPEED</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>COLOR</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>SLEEP TIME</translation>
    </message>
    <message>
        <source> MINUTE</source>
        <translation> MINUTE</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>MOVE TO LIGHT OFF</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>FULL LIGHTED</source>
        <translation>FULL LIGHTED</translation>
    </message>
    <message>
        <source>BREATHING</source>
        <translation>BREATHING</translation>
    </message>
    <message>
        <source>7 COLOR BREATHING</source>
        <translation>7 COLOR BREATHING</translation>
    </message>
    <message>
        <source>RAINBOW</source>
        <translation>RAINBOW</translation>
    </message>
    <message>
        <source>FLASH</source>
        <translation>FLASH</translation>
    </message>
    <message>
        <source>Horizontal WAVE</source>
        <translation>Horizontal WAVE</translation>
    </message>
    <message>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>Horizontal GO WITHOUT TRACE</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Raindrop</translation>
    </message>
    <message>
        <source>WAVE</source>
        <translation>WAVE</translation>
    </message>
    <message>
        <source>GO WITHOUT TRACE</source>
        <translation>GO WITHOUT TRACE</translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation>REACTIVE</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>yo-yo</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>Marbles</translation>
    </message>
</context>
</TS>
