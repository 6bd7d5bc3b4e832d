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

SingleInstance::Result SingleInstance::acquire()
{
    if (m_path.isEmpty()) {
        qDebug("SingleInstance: no runtime folder, running without the instance lock");
        return Unavailable;
    }
    m_lock = std::make_unique<QLockFile>(m_path);
    // Only a dead owner makes a lock stale, never its age.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return Acquired;
    if (m_lock->error() == QLockFile::LockFailedError)
        return HeldByAnother;
    qDebug() << "SingleInstance: cannot write" << m_path << "- running without the instance lock";
    m_lock.reset();
    return Unavailable;
}
