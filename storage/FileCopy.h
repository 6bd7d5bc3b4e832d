#pragma once

#include <QString>

// Whether a copy makes the target's folder when it is missing.
enum class TargetFolder { Make, MustExist };

// What a copy did: the target replaced, or nothing, because the source could not be
// read or the target could not be written.
enum class CopyResult { Copied, SourceRefused, TargetRefused };

// Copies a file over another one, which is replaced only once the copy is complete;
// the folder of the target is made when it is missing, unless told otherwise. The
// source is a regular file, also through a link (too large for a settings file counts
// as unreadable); the target is a regular file or nothing, never a link: anything else
// is left untouched.
CopyResult copyFileReplacing(const QString &source, const QString &target, TargetFolder folder = TargetFolder::Make);
