#pragma once

#include <QString>

#include <memory>

class QLockFile;

// One running copy per name: a lock file in the user's runtime folder, named from
// the percent-encoded name. A lock whose owner has died, or that names no owner, is
// taken over. When the runtime folder cannot be written the program runs anyway.
class SingleInstance
{
public:
    enum Result { Acquired, HeldByAnother, Unavailable };

    explicit SingleInstance(const QString &name);
    ~SingleInstance();

    // Takes the lock without waiting; the lock is held until this object ends.
    Result acquire();
    QString lockFilePath() const { return m_path; }

    static QString lockFileName(const QString &name);

private:
    bool takeOverUnownedLock();

    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
