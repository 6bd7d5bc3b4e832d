<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Link XY</source>
        <translation>XY 联动</translation>
    </message>
    <message>
        <source>REPORT RATE</source>
        <translation>回报率</translation>
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
    <message>
        <source>Lift off Distance</source>
        <translation>离地高度</translation>
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
        <translation>指针速度</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <translation>滚轮速度</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>灯效</translation>
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
        <translation>颜色</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>休眠时间</translation>
    </message>
    <message>
        <source> MINUTE</source>
        <translation> 分钟</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>移动即关灯</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>FULL LIGHTED</source>
        <translation>恒亮</translation>
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
        <translation>闪烁</translation>
    </message>
    <message>
        <source>Horizontal WAVE</source>
        <translation>水平波浪</translation>
    </message>
    <message>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>水平踏雪无痕</translation>
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
        <translation>踏雪无痕</translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation>触发式</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>悠悠球</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>弹珠</translation>
    </message>
</context>
</TS>
