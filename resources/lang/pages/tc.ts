<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Link XY</source>
        <translation>XY 連動</translation>
    </message>
    <message>
        <source>REPORT RATE</source>
        <translation>回報率</translation>
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
    <message>
        <source>Lift off Distance</source>
        <translation>離地高度</translation>
    </message>
    <message>
        <source>1 mm</source>
        <translation>1 毫米</translation>
    </message>
    <message>
        <source>2 mm</source>
        <translation>2 毫米</translation>
    </message>
    <message>
        <source>POINTER SPEED</source>
        <translation>指標速度</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <translation>滾輪速度</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>燈效</translation>
    </message>
    <message>
        <source>BRIGHTNESS</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>顏色</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>休眠時間</translation>
    </message>
    <message>
        <source> MINUTE</source>
        <translation> 分鐘</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>移動即關燈</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>FULL LIGHTED</source>
        <translation>恆亮</translation>
    </message>
    <message>
        <source>BREATHING</source>
        <translation>呼吸</translation>
    </message>
    <message>
        <source>7 COLOR BREATHING</source>
        <translation>七彩呼吸</translation>
    </message>
    <message>
        <source>RAINBOW</source>
        <translation>彩虹</translation>
    </message>
    <message>
        <source>FLASH</source>
        <translation>閃爍</translation>
    </message>
    <message>
        <source>Horizontal WAVE</source>
        <translation>水平波浪</translation>
    </message>
    <message>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>水平踏雪無痕</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>雨滴</translation>
    </message>
    <message>
        <source>WAVE</source>
        <translation>波浪</translation>
    </message>
    <message>
        <source>GO WITHOUT TRACE</source>
        <translation>踏雪無痕</translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation>觸發式</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>悠悠球</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>彈珠</translation>
    </message>
</context>
</TS>
