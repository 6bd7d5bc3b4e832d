#include "storage/RegularFile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
bool readWhole(int fd, QByteArray &data, struct stat &st)
{
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > MaxIniFileSize)
        return false;
    data.resize(int(st.st_size));
    qint64 got = 0;
    while (got < data.size()) {
        const ssize_t n = ::read(fd, data.data() + got, size_t(data.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        got += n;
    }
    data.truncate(int(got));
    return true;
}
}

FileKind fileKind(const QString &path, FileLinks links, struct stat &st)
{
    const QByteArray native = QFile::encodeName(path);
    if (native.isEmpty())
        return FileKind::Other;
    const int looked = links == FileLinks::Followed ? stat(native.constData(), &st) : lstat(native.constData(), &st);
    if (looked != 0)
        return errno == ENOENT ? FileKind::Missing : FileKind::Other;
    return S_ISREG(st.st_mode) ? FileKind::Regular : FileKind::Other;
}

bool isReadableFile(const QString &path)
{
    struct stat st;
    return fileKind(path, FileLinks::Followed, st) == FileKind::Regular && st.st_size <= MaxIniFileSize
           && access(QFile::encodeName(path).constData(), R_OK) == 0;
}

FileKind readRegularFile(const QString &path, FileLinks links, QByteArray &data, struct stat &st)
{
    data.clear();
    const FileKind kind = fileKind(path, links, st);
    if (kind != FileKind::Regular)
        return kind;
    const int flags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (links == FileLinks::Refused ? O_NOFOLLOW : 0);
    const int fd = ::open(QFile::encodeName(path).constData(), flags);
    if (fd < 0)
        return errno == ENOENT ? FileKind::Missing : FileKind::Other;
    const bool ok = readWhole(fd, data, st);
    ::close(fd);
    return ok ? FileKind::Regular : FileKind::Other;
}
