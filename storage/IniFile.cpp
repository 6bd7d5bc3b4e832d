#include "storage/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QMutex>
#include <QSaveFile>
#include <QThread>

#include <algorithm>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Another process of ours may hold the file's lock for a moment while it writes.
constexpr int LockWaitMs = 2000;

// One writer at a time in this process, so two threads cannot lose each
// other's keys between reading and writing a file.
QMutex &writeMutex()
{
    static QMutex mutex;
    return mutex;
}

// As QSettings names keys: no empty parts, no slash at either end.
QString normalizedKey(const QString &key)
{
    const QChar *u = key.unicode();
    const int n = key.size();
    bool clean = n == 0 || (u[0] != QLatin1Char('/') && u[n - 1] != QLatin1Char('/'));
    for (int i = 1; clean && i < n; ++i)
        clean = !(u[i] == QLatin1Char('/') && u[i - 1] == QLatin1Char('/'));
    if (clean)
        return key;
    return key.split(QLatin1Char('/'), Qt::SkipEmptyParts).join(QLatin1Char('/'));
}

// A settings file is read hundreds of times a session (every label paints with the
// configured font), so the sections of a file read unchanged are kept. Only a file
// last modified some seconds before it was read is kept: any later change, even one
// within the file system's time granularity (2 s on FAT), gives it another stamp.
constexpr qint64 SettledNs = 3'000'000'000;
constexpr qint64 MaxCachedBytes = 32 * 1024 * 1024;
constexpr int MaxCachedFiles = 16;

struct CachedFile
{
    QString path;
    qint64 size;
    qint64 modified;
    quint64 inode;
    IniSections sections;
    bool lastLineCut;
    QHash<QString, QSettings::SettingsMap> parsed; // by section prefix
};

QMutex &cacheMutex()
{
    static QMutex mutex;
    return mutex;
}

// Most recently read last.
std::vector<CachedFile> &cachedFiles()
{
    static std::vector<CachedFile> files;
    return files;
}

// Kept sections are made by the main thread only. Memory of a short-lived thread's
// heap that outlives the thread stays resident in that heap, and every Apply's
// thread would otherwise keep a parse of each file it wrote.
bool ownsCache()
{
    const QCoreApplication *app = QCoreApplication::instance();
    return !app || QThread::currentThread() == app->thread();
}

void eraseCached(std::vector<CachedFile> &files, const QString &path)
{
    files.erase(std::remove_if(files.begin(), files.end(), [&](const CachedFile &f) { return f.path == path; }),
                files.end());
}

// A file just written by us is read afresh: what was kept of it is dropped at once.
void forgetFile(const QString &path)
{
    QMutexLocker lock(&cacheMutex());
    eraseCached(cachedFiles(), path);
}

CachedFile *findCached(const QString &path, qint64 size, qint64 modified, quint64 inode)
{
    for (CachedFile &file : cachedFiles()) {
        if (file.path == path && file.size == size && file.modified == modified && file.inode == inode)
            return &file;
    }
    return nullptr;
}

qint64 nowNs()
{
    struct timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// Leaves out a last line that lacks its line break; true when there was one.
bool dropCutLastLine(QByteArray &data)
{
    const int ended = std::max(data.lastIndexOf('\n'), data.lastIndexOf('\r')) + 1;
    if (ended == data.size())
        return false;
    data.truncate(ended);
    return true;
}
}

IniFile::IniFile(const QString &path) : m_path(path)
{
    m_state = load(m_unparsed, m_stamp, m_lastLineCut);
}

IniFile::~IniFile()
{
    if (!m_pending.empty())
        commit();
}

IniFile::Stamp IniFile::stampOf(const struct stat &st)
{
    return {qint64(st.st_size), qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
            quint64(st.st_ino)};
}

bool IniFile::cachedSections(const QString &path, const Stamp &stamp, IniSections &sections, bool &cut)
{
    QMutexLocker lock(&cacheMutex());
    const CachedFile *file = findCached(path, stamp.size, stamp.modified, stamp.inode);
    if (file) {
        sections = file->sections;
        cut = file->lastLineCut;
    }
    return file;
}

bool IniFile::cachedSection(const QString &path, const Stamp &stamp, const QString &prefix,
                            QSettings::SettingsMap &section)
{
    QMutexLocker lock(&cacheMutex());
    const CachedFile *file = findCached(path, stamp.size, stamp.modified, stamp.inode);
    if (!file || !file->parsed.contains(prefix))
        return false;
    section = file->parsed.value(prefix);
    return true;
}

void IniFile::keepSection(const QString &path, const Stamp &stamp, const QString &prefix,
                          const QSettings::SettingsMap &section)
{
    if (!ownsCache())
        return;
    QMutexLocker lock(&cacheMutex());
    if (CachedFile *file = findCached(path, stamp.size, stamp.modified, stamp.inode))
        file->parsed.insert(prefix, section);
}

void IniFile::keepSections(const QString &path, const Stamp &stamp, const IniSections &sections, bool cut)
{
    if (nowNs() - stamp.modified < SettledNs || stamp.size > MaxCachedBytes || !ownsCache())
        return;
    QMutexLocker lock(&cacheMutex());
    std::vector<CachedFile> &files = cachedFiles();
    eraseCached(files, path);
    files.push_back({path, stamp.size, stamp.modified, stamp.inode, sections, cut, {}});
    qint64 bytes = 0;
    for (const CachedFile &f : files)
        bytes += f.size;
    while (files.size() > size_t(MaxCachedFiles) || bytes > MaxCachedBytes) {
        bytes -= files.front().size;
        files.erase(files.begin());
    }
}

IniFile::State IniFile::stateOf(FileKind kind)
{
    return kind == FileKind::Missing ? State::Absent : kind == FileKind::Regular ? State::Read : State::Unusable;
}

// What the path names now: nothing, a regular file (with its stamp) or anything else.
IniFile::State IniFile::probe(struct stat &st) const
{
    const State state = stateOf(fileKind(m_path, FileLinks::Followed, st));
    return state == State::Read && st.st_size > MaxIniFileSize ? State::Unusable : state;
}

// Something other than a regular file is not opened at all (a FIFO would block,
// a device could react); the open after the check cannot block either, and the
// type is checked again on the open file.
IniFile::State IniFile::load(IniSections &sections, Stamp &stamp, bool &cut) const
{
    sections.clear();
    cut = false;
    struct stat st;
    const State state = probe(st);
    if (state != State::Read)
        return state;
    stamp = stampOf(st);
    if (cachedSections(m_path, stamp, sections, cut))
        return State::Read;
    QByteArray data;
    const State read = readProbed(data, st);
    if (read != State::Read)
        return read;
    cut = dropCutLastLine(data);
    sections = splitIniSections(data);
    stamp = stampOf(st);
    keepSections(m_path, stamp, sections, cut);
    return State::Read;
}

// The bytes of the file that a probe found regular.
IniFile::State IniFile::readProbed(QByteArray &data, struct stat &st) const
{
    return stateOf(readRegularFile(m_path, FileLinks::Followed, data, st));
}

// The section a key lies in, found as Qt finds it: the greatest section prefix
// that is not greater than the key and begins it; [General] for a key without "/".
void IniFile::parseSectionOf(const QString &key) const
{
    if (m_unparsed.isEmpty())
        return;
    auto it = m_unparsed.end();
    if (!key.contains(QLatin1Char('/'))) {
        it = m_unparsed.find(QString());
    } else {
        auto above = m_unparsed.upperBound(key);
        if (above != m_unparsed.begin() && !(--above).key().isEmpty() && key.startsWith(above.key()))
            it = above;
    }
    if (it == m_unparsed.end())
        return;
    // A kept file's section is parsed once for all readers.
    QSettings::SettingsMap section;
    if (!cachedSection(m_path, m_stamp, it.key(), section)) {
        parseIniSection(it.key(), it.value(), section);
        keepSection(m_path, m_stamp, it.key(), section);
    }
    if (m_keys.isEmpty())
        m_keys = section;
    else
        for (auto k = section.cbegin(); k != section.cend(); ++k)
            m_keys.insert(k.key(), k.value());
    m_unparsed.erase(it);
}

void IniFile::parseAll() const
{
    for (auto it = m_unparsed.cbegin(); it != m_unparsed.cend(); ++it)
        parseIniSection(it.key(), it.value(), m_keys);
    m_unparsed.clear();
}

QVariant IniFile::value(const QString &key, const QVariant &missing) const
{
    const QString k = normalizedKey(key);
    parseSectionOf(k);
    return m_keys.value(k, missing);
}

void IniFile::setValue(const QString &key, const QVariant &value)
{
    const QString k = normalizedKey(key);
    if (k.isEmpty())
        return;
    parseSectionOf(k);
    // The pending entry shares the map's key: a profile sets thousands of keys.
    const auto it = m_keys.insert(k, value);
    m_pending.emplace_back(it.key(), value);
}

qint64 IniFile::number(const QString &key) const
{
    return variantNumber(value(key));
}

qint64 IniFile::number(const QString &key, qint64 missing) const
{
    const QVariant v = value(key);
    return v.isValid() ? variantNumber(v) : missing;
}

QString IniFile::text(const QString &key) const
{
    return variantText(value(key));
}

QColor IniFile::color(const QString &key) const
{
    return variantColor(value(key));
}

// A file that already holds the text needs neither the lock nor a write: whatever
// another writer stores next comes after it, as it would after a write. Every write
// is a whole file, so the read sees one writer's text.
bool IniFile::commit()
{
    if (m_pending.empty())
        return true;
    if (m_state == State::Unusable)
        return false;
    parseAll();
    const QByteArray text = iniText(m_keys);
    if (holds(text)) {
        m_pending.clear();
        m_lastLineCut = false;
        m_committed = text;
        return true;
    }
    QMutexLocker locker(&writeMutex());
    const QFileInfo info(m_path);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    QLockFile lock(m_path + QLatin1String(".lock"));
    if (!lock.tryLock(LockWaitMs))
        return false;
    return writeLocked(text);
}

// Whether the file is regular and its bytes are the text; a different size is
// told without reading.
bool IniFile::holds(const QByteArray &text) const
{
    struct stat st;
    if (probe(st) != State::Read || qint64(st.st_size) != qint64(text.size()))
        return false;
    QByteArray data;
    return readProbed(data, st) == State::Read && data == text;
}

// Keys that another writer stored since this file was read are kept: the file
// is read again and the pending keys go on top.
bool IniFile::writeLocked(QByteArray text)
{
    struct stat st;
    State state = probe(st);
    if (state == State::Unusable)
        return false;
    if (state != m_state || (state == State::Read && !(stampOf(st) == m_stamp))) {
        m_keys.clear();
        state = load(m_unparsed, m_stamp, m_lastLineCut);
        if (state == State::Unusable)
            return false;
        parseAll();
        for (const auto &entry : m_pending)
            m_keys.insert(entry.first, entry.second);
        text = iniText(m_keys);
    }
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        return false;
    m_pending.clear();
    m_committed = text;
    m_lastLineCut = false; // our text ends every line
    forgetFile(m_path);
    m_state = probe(st);
    if (m_state == State::Read)
        m_stamp = stampOf(st);
    return true;
}

qint64 variantNumber(const QVariant &value)
{
    bool ok = false;
    const qint64 n = value.toLongLong(&ok);
    return ok ? n : 0;
}

QString variantText(const QVariant &value)
{
    // An unquoted hand-written value with commas reads as a list.
    if (value.type() == QVariant::StringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

QColor variantColor(const QVariant &value)
{
    if (!value.isValid())
        return QColor();
    return value.value<QColor>();
}
