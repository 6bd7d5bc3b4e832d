#pragma once

#include "tests/common/TestAppFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

// The shipped Config.ini and descriptor, the factory profiles of the build and links
// to the build's skin/ and lang/: a folder the window runs in as it would for a user.
inline void copyMissingFiles(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    for (const QFileInfo &entry : QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + "/" + entry.fileName();
        if (entry.isDir())
            copyMissingFiles(entry.filePath(), target);
        else if (!QFile::exists(target))
            QFile::copy(entry.filePath(), target);
    }
}

inline void fillSampleAppFolder(TestAppFolder &folder)
{
    folder.copySeedData();
    copyMissingFiles(QStringLiteral(MOUSECFG_SEED_CONFIGS), folder.configDir());
    for (const char *shared : {"skin", "lang"})
        QFile::link(QStringLiteral(MOUSECFG_APP_DIR "/") + shared, folder.path() + "/" + shared);
}
