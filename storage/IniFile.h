#pragma once

#include "storage/IniText.h"
#include "storage/RegularFile.h"

#include <QColor>
#include <QSettings>
#include <QString>
#include <QVariant>

#include <utility>
#include <vector>

struct stat;


// Every INI file of the program is opened through this class. It reads and
// writes the text of Qt's INI format with the code of IniText.h, so a
// damaged or foreign value reads as missing while the rest of the file reads
// normally, and the next write drops it. Every file the program writes ends with a
// line break, so a last line that lacks one was cut: it is left out the same way.
// Only a regular file is read or written: anything else, or a file too large to be
// ours, reads as empty and every write to it fails. Pending keys are written by
// commit() or when the object goes.
class IniFile
{
public:
    explicit IniFile(const QString &path);
    ~IniFile();
    IniFile(const IniFile &) = delete;
    IniFile &operator=(const IniFile &) = delete;

    QVariant value(const QString &key, const QVariant &missing = QVariant()) const;
    void setValue(const QString &key, const QVariant &value);

    // Number read with its low bits kept; text that is not a number and a
    // missing key give 0.
    qint64 number(const QString &key) const;
    qint64 number(const QString &key, qint64 missing) const;
    QString text(const QString &key) const;
    QColor color(const QString &key) const;

    // Writes the pending keys now; false when the file could not be written. A file
    // that already holds the text to write is left as it is.
    bool commit();
    // The file's text after the last commit() that had keys to write; empty before.
    const QByteArray &committedText() const { return m_committed; }

    // Whether the file's last line lacked its line break (and was left out).
    bool lastLineCut() const { return m_lastLineCut; }

private:
    enum class State { Absent, Read, Unusable };
    struct Stamp
    {
        qint64 size = -1;
        qint64 modified = 0;
        quint64 inode = 0;
        bool operator==(const Stamp &o) const
        {
            return size == o.size && modified == o.modified && inode == o.inode;
        }
    };

    static State stateOf(FileKind kind);
    static Stamp stampOf(const struct stat &st);
    static bool cachedSections(const QString &path, const Stamp &stamp, IniSections &sections, bool &cut);
    static void keepSections(const QString &path, const Stamp &stamp, const IniSections &sections, bool cut);
    static bool cachedSection(const QString &path, const Stamp &stamp, const QString &prefix,
                              QSettings::SettingsMap &section);
    static void keepSection(const QString &path, const Stamp &stamp, const QString &prefix,
                            const QSettings::SettingsMap &section);
    State probe(struct stat &st) const;
    State load(IniSections &sections, Stamp &stamp, bool &cut) const;
    State readProbed(QByteArray &data, struct stat &st) const;
    void parseSectionOf(const QString &key) const;
    void parseAll() const;
    bool holds(const QByteArray &text) const;
    bool writeLocked(QByteArray text);

    QString m_path;
    State m_state = State::Absent;
    Stamp m_stamp;
    bool m_lastLineCut = false;
    // Sections are parsed when a key of theirs is first asked for or set.
    mutable IniSections m_unparsed;
    mutable QSettings::SettingsMap m_keys;
    std::vector<std::pair<QString, QVariant>> m_pending;
    QByteArray m_committed;
};

qint64 variantNumber(const QVariant &value);
QString variantText(const QVariant &value);
QColor variantColor(const QVariant &value);
