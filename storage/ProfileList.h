#pragma once

#include <QString>
#include <QStringList>

// The profile menu has room for this many names; the list never grows past it.
constexpr int MaxProfileListEntries = 200;

// configDirPath() + "/" + product + "/Config.ini"; empty when the product name could
// leave the configuration folder.
QString modelConfigIniPath(const QString &productName);

// "PROFILE_LIST" of the current product's Config.ini: "Count" names "1".."Count" in
// order, at most 200; a name that is not a safe profile name (a missing entry, a
// path) is left out.
QStringList loadProfileList();
// Writes "Count" and the numbered names; entries past them stay. False when the file
// could not be written, or for a list longer than 200 names.
bool saveProfileList(const QStringList &names);
bool profileListHasRoom(const QStringList &names);
// Whether the name is one of "PROFILE_LIST/S1".."S<SCount>" of the current product's
// Config.ini.
bool isSharedProfileName(const QString &name);
