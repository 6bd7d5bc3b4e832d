#pragma once

#include <QString>

// One running copy per name: an advisory lock on a file in the user's runtime folder,
// named from the percent-encoded name. The file is never removed; the kernel drops the
// lock when its process ends, so nothing a crash leaves stands in the way. When the
// lock cannot be had (no writable runtime folder, something other than a plain file
// at the lock path) the program runs anyway.
class SingleInstance
{
public:
    enum Result { Acquired, HeldByAnother, Unavailable };

    explicit SingleInstance(const QString &name);
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // Takes the lock without waiting; the lock is held until this object ends.
    Result acquire();
    QString lockFilePath() const { return m_path; }

    static QString lockFileName(const QString &name);

private:
    Result unavailable(const char *why);

    QString m_path;
    int m_fd = -1;
};
