#include "platform/SingleInstance.h"

#include <QDebug>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <QUrl>

SingleInstance::SingleInstance(const QString &name)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!folder.isEmpty())
        m_path = QDir(folder).filePath(lockFileName(name));
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::lockFileName(const QString &name)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(name)) + QStringLiteral(".lock");
}

// A lock file that names no owner (cut short by a crash or a full folder) is removed
// and taken, unless a live owner still holds its native lock (it may be writing it now).
// One remover at a time, so two starts never remove each other's new lock.
bool SingleInstance::takeOverUnownedLock()
{
    qint64 pid = 0;
    QString host, app;
    if (m_lock->getLockInfo(&pid, &host, &app))
        return false;
    QLockFile remover(m_path + QStringLiteral(".rmlock"));
    if (!remover.tryLock(0) || m_lock->getLockInfo(&pid, &host, &app) || !m_lock->removeStaleLockFile())
        return false;
    qDebug() << "SingleInstance: took over" << m_path << "which names no owner";
    return m_lock->tryLock(0);
}

SingleInstance::Result SingleInstance::acquire()
{
    if (m_path.isEmpty()) {
        qDebug("SingleInstance: no runtime folder, running without the instance lock");
        return Unavailable;
    }
    m_lock = std::make_unique<QLockFile>(m_path);
    // Only a dead owner makes a lock stale, never its age.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0) || (m_lock->error() == QLockFile::LockFailedError && takeOverUnownedLock()))
        return Acquired;
    if (m_lock->error() == QLockFile::LockFailedError)
        return HeldByAnother;
    qDebug() << "SingleInstance: cannot write" << m_path << "- running without the instance lock";
    m_lock.reset();
    return Unavailable;
}
