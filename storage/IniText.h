#pragma once

#include <QByteArray>
#include <QSettings>

// The text of Qt's INI format, read and written by our own code. Values are read
// as Qt reads them, except that raw bytes from 0x80 up are taken as UTF-8 (Qt with
// no codec takes them as Latin-1), so files of earlier builds keep their texts.
//
// Reading decodes numbers and texts (they stay strings, as Qt gives them),
// lists, byte arrays, geometry and colours. Stream data of any other type, a
// colour of the wrong size and a line that a quote leaves open are damaged:
// such a key is left out of the map, and every other key reads normally.
// No file byte ever reaches a QDataStream.
QSettings::SettingsMap parseIniText(const QByteArray &data);

// The same in two steps, so a reader can parse only the sections it asks for:
// the raw body of each section by its key prefix ("Name/", "" for [General];
// a section that occurs twice has both bodies), then one body's keys.
using IniSections = QMap<QString, QByteArray>;
IniSections splitIniSections(const QByteArray &data);
void parseIniSection(const QString &prefix, const QByteArray &body, QSettings::SettingsMap &map);

// Writes the keys in Qt's order and with Qt's escapes: the bytes equal what Qt's
// QSettings writes with no codec set (every character from 0x7F up escaped, a
// character outside the BMP as its two surrogates), so any Qt program reads them.
QByteArray iniText(const QSettings::SettingsMap &map);
