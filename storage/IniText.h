#pragma once

#include <QByteArray>
#include <QSettings>

// The text of Qt's INI format (UTF-8), read and written by our own code.
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

// Writes the keys in Qt's order and with Qt's escapes, so Qt's INI reader reads
// them and the bytes equal what Qt writes (texts outside the BMP are kept as
// UTF-8, where Qt would drop them).
QByteArray iniText(const QSettings::SettingsMap &map);
