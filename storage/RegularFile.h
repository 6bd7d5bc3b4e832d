#pragma once

#include <QByteArray>
#include <QString>

struct stat;

// Settings files are a few megabytes at most; a larger file is not ours.
constexpr qint64 MaxIniFileSize = 16 * 1024 * 1024;

// Whether a link at the path counts as what it points to or as something else.
enum class FileLinks { Followed, Refused };
// What a path names: nothing, a regular file, or anything else (a folder, a FIFO,
// a device, a socket, a link when links are refused, a path that cannot be looked at).
enum class FileKind { Missing, Regular, Other };

FileKind fileKind(const QString &path, FileLinks links, struct stat &st);
// Whether a file chosen to be read is a regular one (also through a link) that this
// user may read, of at most MaxIniFileSize bytes.
bool isReadableFile(const QString &path);
// The whole of a regular file of at most MaxIniFileSize bytes. Only a path found
// regular is opened, without blocking, and the open file is checked again, so a
// FIFO or a device is never read and never reacts.
FileKind readRegularFile(const QString &path, FileLinks links, QByteArray &data, struct stat &st);
