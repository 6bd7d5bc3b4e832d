#pragma once

#include <QtGlobal>

// Register value of one DPI stage axis as the sensor takes it.
struct DpiRegister
{
    quint8 low = 0;
    quint8 range = 0;
};

// Encodes a raw stage value for a sensor model number; second selects the rule of the
// stage's second value (only 33952 differs). Sensors without an encoding give 0, 0.
DpiRegister encodeDpiRegister(int sensor, quint32 raw, bool second, quint8 statusByte);
// The register byte of a sniper raw value.
quint8 sniperRegister(int sensor, quint8 raw);
// The stage's first and second raw values in the order the sensor takes them.
void dpiRegisterSources(int sensor, quint32 x, quint32 y, quint32 *first, quint32 *second);
