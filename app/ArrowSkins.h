#pragma once

#include <QString>
#include <QStringList>

// The skin literals of the up or down arrow key for a model, in state order: the
// pictures 4 and 3 for the models listed (names compared exactly), else 2 and 1.
QStringList arrowSkins(bool up, const QString &model);
