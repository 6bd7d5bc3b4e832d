#include "platform/DetachedStart.h"

#include <QDebug>
#include <QProcess>

bool startDetached(const QString &program, const QStringList &arguments)
{
    if (QProcess::startDetached(program, arguments))
        return true;
    qDebug() << "Could not start" << program;
    return false;
}
