#pragma once

#include <QImage>
#include <QVector>

namespace skin {

// The application icon drawn for one square size (small sizes get bolder lines).
QImage paintAppIcon(int side);
// Frames of the busy animation: a ring of dots whose bright head runs round.
QVector<QImage> paintLoadingFrames(QSize size, int count);

} // namespace skin
