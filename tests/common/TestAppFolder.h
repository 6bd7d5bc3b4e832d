#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

// A throw-away application folder: appDirPath() points at it while the object lives.
// It holds an empty Configs/ tree (Profile/, MacroDB/); copySeedData() adds the
// shipped Config.ini, LangConfig.ini and DefaultProfile.bin from data/.
class TestAppFolder
{
public:
    TestAppFolder();
    ~TestAppFolder();

    QString path() const;
    QString configDir() const;
    void copySeedData(bool withDescriptor = true);
    void removeDescriptor();
    // Writes text to a file below the folder, creating directories as needed.
    void writeFile(const QString &relativePath, const QByteArray &content);

    static QString sourceDataDir();
    // The shipped model descriptor with the given keys of its section set (a null
    // value leaves the key out): whole, so its counts and matrices count.
    static QByteArray sampleDescriptor(const QMap<QByteArray, QByteArray> &keys = {});

private:
    QTemporaryDir m_dir;
};

// The file's bytes, none when it cannot be read.
QByteArray fileBytes(const QString &path);
