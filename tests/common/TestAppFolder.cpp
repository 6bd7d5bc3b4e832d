#include "tests/common/TestAppFolder.h"

#include "storage/AppFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TestAppFolder::TestAppFolder()
{
    QDir root(m_dir.path());
    root.mkpath(QStringLiteral("Configs/Profile"));
    root.mkpath(QStringLiteral("Configs/MacroDB"));
    setAppDirPathForTests(m_dir.path());
}

TestAppFolder::~TestAppFolder()
{
    setAppDirPathForTests(QString());
}

QString TestAppFolder::path() const
{
    return m_dir.path();
}

QString TestAppFolder::configDir() const
{
    return m_dir.path() + QStringLiteral("/Configs");
}

QString TestAppFolder::sourceDataDir()
{
    return QStringLiteral(MOUSECFG_SOURCE_DIR "/data");
}

void TestAppFolder::copySeedData(bool withDescriptor)
{
    const QString src = sourceDataDir();
    QFile::copy(src + "/Configs/Config.ini", configDir() + "/Config.ini");
    QFile::copy(src + "/Configs/LangConfig.ini", configDir() + "/LangConfig.ini");
    QFile(configDir() + "/Config.ini").setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    QFile(configDir() + "/LangConfig.ini").setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    if (withDescriptor)
        QFile::copy(src + "/DefaultProfile.bin", path() + "/DefaultProfile.bin");
}

void TestAppFolder::removeDescriptor()
{
    QFile::remove(path() + "/DefaultProfile.bin");
}

void TestAppFolder::writeFile(const QString &relativePath, const QByteArray &content)
{
    const QString full = path() + "/" + relativePath;
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
}

QByteArray TestAppFolder::sampleDescriptor(const QMap<QByteArray, QByteArray> &keys)
{
    QFile file(sourceDataDir() + "/DefaultProfile.bin");
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QByteArray text;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QByteArray key = line.left(line.indexOf('='));
        if (line.isEmpty() || (line.contains('=') && keys.contains(key)))
            continue;
        text += line + '\n';
    }
    for (auto it = keys.cbegin(); it != keys.cend(); ++it) {
        if (!it.value().isNull())
            text += it.key() + '=' + it.value() + '\n';
    }
    return text;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
