#pragma once

#include <QString>
#include <QStringList>

// What a file dialog may answer that is not a regular file: a link (to a file, to a
// device, to a FIFO, to nothing), a FIFO, a device or a folder.
QStringList nonRegularFileKinds();
// Makes one at the path; a link points at path + ".pointed", made as well. The
// devices are our own null devices; false when the system refuses one.
bool makeNonRegularFile(const QString &kind, const QString &path);
// What lies at the path and at path + ".pointed", links not followed: the type, a
// link's target, a regular file's bytes. Equal descriptions: nothing was touched.
QString describePath(const QString &path);
