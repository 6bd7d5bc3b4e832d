#include "platform/SingleInstance.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QUrl>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// The owner's pid for whoever looks; the lock itself does not depend on it.
void writeOwner(int fd)
{
    const QByteArray pid = QByteArray::number(static_cast<qint64>(getpid())) + '\n';
    if (ftruncate(fd, 0) != 0 || pwrite(fd, pid.constData(), static_cast<size_t>(pid.size()), 0) != pid.size())
        qDebug("SingleInstance: could not write the owner into the lock file");
}
}

SingleInstance::SingleInstance(const QString &name)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!folder.isEmpty())
        m_path = QDir(folder).filePath(lockFileName(name));
}

SingleInstance::~SingleInstance()
{
    if (m_fd >= 0)
        close(m_fd);
}

QString SingleInstance::lockFileName(const QString &name)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(name)) + QStringLiteral(".lock");
}

SingleInstance::Result SingleInstance::unavailable(const char *why)
{
    qDebug() << "SingleInstance:" << why << m_path << "- running without the instance lock";
    if (m_fd >= 0)
        close(m_fd);
    m_fd = -1;
    return Unavailable;
}

// Neither a FIFO nor a link at the lock path may hold up the start: the file is
// opened without waiting and without following a link, and must be a plain file.
SingleInstance::Result SingleInstance::acquire()
{
    if (m_path.isEmpty()) {
        qDebug("SingleInstance: no runtime folder, running without the instance lock");
        return Unavailable;
    }
    if (m_fd >= 0)
        return Acquired;
    m_fd = open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (m_fd < 0)
        return unavailable("cannot open");
    struct stat st {};
    if (fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode))
        return unavailable("not a plain file:");
    if (flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK)
            return unavailable("cannot lock");
        close(m_fd);
        m_fd = -1;
        return HeldByAnother;
    }
    writeOwner(m_fd);
    return Acquired;
}
