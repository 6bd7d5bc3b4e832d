#include "storage/ProfileFiles.h"

#include "storage/AppFolder.h"
#include "storage/ConfigIni.h"
#include "storage/IniFile.h"
#include "storage/ProfileKeys.h"
#include "storage/RegularFile.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QMutex>

#include <sys/stat.h>

#include <algorithm>
#include <functional>
#include <string_view>
#include <vector>

namespace {
const QString kProfileSuffix = QStringLiteral(".prof");
const QString kDefaultProfileName = QStringLiteral("DefaultProfile");

// A record as this process last saved it into a file, with the digest of the file's
// text then. While the file's bytes are still those, saving the same record into it
// again would write what it holds: an Apply builds and compares only the slot edited.
// The digest is a 64-bit hash, not a cryptographic one: it tells our own text from
// any other change to the file, and takes a tenth of the time.
struct SavedRecord
{
    QString path;
    QString section;
    ProfileRecord record;
    size_t digest;
};

constexpr int MaxSavedRecords = 16;

QMutex &savedMutex()
{
    static QMutex mutex;
    return mutex;
}

std::vector<SavedRecord> &savedRecords()
{
    static std::vector<SavedRecord> records;
    return records;
}

size_t textDigest(const QByteArray &text)
{
    return std::hash<std::string_view>()(std::string_view(text.constData(), size_t(text.size())));
}

// Whether the file is regular and its text has the digest.
bool fileHasDigest(const QString &path, size_t digest)
{
    QByteArray data;
    struct stat st;
    return readRegularFile(path, FileLinks::Followed, data, st) == FileKind::Regular && textDigest(data) == digest;
}

bool alreadySaved(const QString &path, const QString &section, const ProfileRecord &record)
{
    QMutexLocker lock(&savedMutex());
    for (const SavedRecord &saved : savedRecords()) {
        if (saved.path == path)
            return saved.section == section && saved.record == record && fileHasDigest(path, saved.digest);
    }
    return false;
}

// A failed save (no text) forgets the file.
void rememberSaved(const QString &path, const QString &section, const ProfileRecord &record,
                   const QByteArray &text)
{
    QMutexLocker lock(&savedMutex());
    std::vector<SavedRecord> &records = savedRecords();
    records.erase(std::remove_if(records.begin(), records.end(),
                                 [&](const SavedRecord &saved) { return saved.path == path; }),
                  records.end());
    if (text.isEmpty())
        return;
    if (records.size() >= size_t(MaxSavedRecords))
        records.erase(records.begin());
    records.push_back({path, section, record, textDigest(text)});
}

QString cleanDir(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absolutePath());
}

// The same file name in the other profile tree, when the path lies in one of the two.
QString otherTreePath(const QString &path)
{
    const QString modelFile = modelProfileFilePath(modelFolderProductName(), kDefaultProfileName);
    if (modelFile.isEmpty())
        return QString();
    const QString mainDir = cleanDir(profileFilePath(kDefaultProfileName));
    const QString modelDir = cleanDir(modelFile);
    const QString dir = cleanDir(path);
    const QString file = QLatin1Char('/') + QFileInfo(path).fileName();
    if (mainDir == modelDir)
        return QString();
    if (dir == mainDir)
        return modelDir + file;
    if (dir == modelDir)
        return mainDir + file;
    return QString();
}

// What the reader gives for a file that does not exist.
ProfileRecord missingFileRecord()
{
    ProfileRecord record;
    record.LedMoveOFF = 255;
    record.LedSleepTime = 1;
    return record;
}

// Into the file the name loads from: a new file holding only the key would hide
// the profile's file in the other tree and load as an empty profile.
bool saveProfileKey(const QString &name, const QString &key, int value)
{
    const QString path = existingProfileFile(name);
    if (path.isEmpty())
        return false;
    IniFile ini(path);
    ini.setValue(key, value);
    return ini.commit();
}
}

bool isSafeProfileName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
           && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) && !name.contains(QChar(0));
}

QString profileFilePath(const QString &name)
{
    if (!isSafeProfileName(name))
        return QString();
    return configDirPath() + QStringLiteral("/Profile/") + name + kProfileSuffix;
}

QString modelProfileFilePath(const QString &productName, const QString &name)
{
    const bool safeProduct = productName.isEmpty() || isSafeProfileName(productName);
    if (!safeProduct || !isSafeProfileName(name))
        return QString();
    return configDirPath() + QLatin1Char('/') + productName + QStringLiteral("/Profile/") + name
           + kProfileSuffix;
}

QString existingProfileFile(const QString &name)
{
    for (const QString &path : {profileFilePath(name), modelProfileFilePath(modelFolderProductName(), name)}) {
        if (!path.isEmpty() && QFileInfo(path).isFile())
            return path;
    }
    return QString();
}

bool saveProfile(int index, const ProfileRecord &record, const QString &fileName)
{
    const QString path = profileIniPath(fileName);
    const QString section = profileSection(index, fileName);
    if (alreadySaved(path, section, record))
        return true;
    IniFile ini(path);
    writeProfileKeys(ini, section, record, LedSwitchKeys::Stored);
    const bool saved = ini.commit();
    rememberSaved(path, section, record, saved ? ini.committedText() : QByteArray());
    return saved;
}

// A profile file missing from one tree is read from the other one before the
// missing-key values apply.
void loadProfile(int index, ProfileRecord &record, const QString &fileName)
{
    QString path = profileIniPath(fileName);
    if (!fileName.isEmpty() && !fileExists(path)) {
        const QString other = otherTreePath(path);
        if (!other.isEmpty() && fileExists(other))
            path = other;
    }
    readProfileKeys(IniFile(path), profileSection(index, fileName), record, LedSwitchKeys::Stored);
}

bool holdsProfile(const QString &fileName)
{
    const IniFile ini(fileName);
    return !ini.lastLineCut() && holdsProfileKeys(ini, profileSection(0, fileName), LedSwitchKeys::Stored);
}

bool saveProfileFile(const ProfileRecord &record, const QString &name)
{
    const QString path = profileFilePath(name);
    return !path.isEmpty() && saveProfile(0, record, path);
}

// An unusable name reads like a missing file.
void loadProfileFile(ProfileRecord &record, const QString &name)
{
    const QString path = profileFilePath(name);
    if (path.isEmpty())
        record = missingFileRecord();
    else
        loadProfile(0, record, path);
}

void loadSlotProfile(ProfileRecord &record, const QString &name)
{
    resetProfileToDefaults(record);
    const QString path = existingProfileFile(name);
    if (!path.isEmpty()
        && !readHeldProfileKeys(IniFile(path), profileSection(0, path), record,
                                LedSwitchKeys::Stored))
        qDebug() << "Profile file" << path << "is incomplete; its missing keys take the factory values";
}

bool saveProfileDpi(const QString &name, int stage)
{
    return saveProfileKey(name, QStringLiteral("PROFILE/dpi"), stage);
}

bool saveProfileRate(const QString &name, int rate)
{
    return saveProfileKey(name, QStringLiteral("PROFILE/pollrate"), rate);
}

// Both profile trees get the factory profile.
bool writeDefaultProfileFile()
{
    ProfileRecord record;
    resetProfileToDefaults(record);
    bool saved = saveProfile(0, record, profileFilePath(kDefaultProfileName));
    const QString modelPath = modelProfileFilePath(modelFolderProductName(), kDefaultProfileName);
    if (!modelPath.isEmpty() && cleanDir(modelPath) != cleanDir(profileFilePath(kDefaultProfileName)))
        saved = saveProfile(0, record, modelPath) && saved;
    return saved;
}
