#pragma once

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

private:
    QTemporaryDir m_dir;
};
