#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

// Keeps a window where the user can reach it: a position remembered from a screen that is gone since is
// moved onto the nearest screen there is.
namespace ScreenPlacement {

// The top left corner for a window of the given frame rectangle among the available screen areas.
QPoint reachablePosition(const QRect &window, const QList<QRect> &screens);

} // namespace ScreenPlacement
