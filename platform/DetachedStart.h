#pragma once

#include <QString>
#include <QStringList>

// Starts a program that outlives ours; each argument is passed whole, spaces and all.
// False when the program could not be started.
bool startDetached(const QString &program, const QStringList &arguments = QStringList());
