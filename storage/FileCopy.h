#pragma once

#include <QString>

// Whether a copy makes the target's folder when it is missing.
enum class TargetFolder { Make, MustExist };

// Copies a file over another one, which is replaced only once the copy is complete;
// the folder of the target is made when it is missing, unless told otherwise. Source
// and target are regular files, never links: anything else is left untouched. False
// when nothing was replaced: a source that cannot be read (or is too large to be a
// settings file) or a target that cannot be written.
bool copyFileReplacing(const QString &source, const QString &target, TargetFolder folder = TargetFolder::Make);
