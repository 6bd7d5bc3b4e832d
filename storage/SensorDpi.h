#pragma once

int sensorDpiFromRaw(int raw, int sensor);
bool isNearValue(int a, int b);
