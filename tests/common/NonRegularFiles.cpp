#include "tests/common/NonRegularFiles.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {
bool makeNode(const QString &kind, const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    if (kind == "FIFO")
        return mkfifo(native.constData(), 0600) == 0;
    if (kind == "device")
        return mknod(native.constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    if (kind == "folder")
        return QDir().mkpath(path);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("[Other]\nkept=1\n") > 0;
}

QString describeOne(const QString &path)
{
    struct stat st;
    if (lstat(QFile::encodeName(path).constData(), &st) != 0)
        return "missing";
    if (S_ISLNK(st.st_mode))
        return "link to " + QFile::symLinkTarget(path);
    if (!S_ISREG(st.st_mode))
        return QString("mode %1, device %2").arg(st.st_mode, 0, 8).arg(quint64(st.st_rdev));
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? "file " + QString::fromLatin1(file.readAll().toHex()) : "unreadable";
}
}

QStringList nonRegularFileKinds()
{
    return {"link to a file", "link to a device", "link to a FIFO", "link to nothing", "FIFO", "device", "folder"};
}

bool makeNonRegularFile(const QString &kind, const QString &path)
{
    if (!kind.startsWith("link to "))
        return makeNode(kind, path);
    const QString pointed = path + ".pointed", target = kind.mid(8);
    return (target == "nothing" || makeNode(target == "a file" ? "file" : target.mid(2), pointed))
        && QFile::link(pointed, path);
}

QString describePath(const QString &path)
{
    return describeOne(path) + ", pointed: " + describeOne(path + ".pointed");
}
