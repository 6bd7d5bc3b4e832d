#pragma once

#include <QString>

// The application folder: the executable's folder. Configs/, skin/, lang/ and
// DefaultProfile.bin all lie below it.
QString appDirPath();
// Test-only: points appDirPath() at another folder; an empty path restores the default.
void setAppDirPathForTests(const QString &path);
// appDirPath() + "/Configs"
QString configDirPath();
bool fileExists(const QString &path);
