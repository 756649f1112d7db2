#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

// Keeps a window where the user can reach it: a position remembered from a screen that is gone since is
// moved onto the nearest screen there is.
namespace ScreenPlacement {

// The top left corner for a window of the given frame rectangle among the available screen areas.
QPoint reachablePosition(const QRect &window, const QList<QRect> &screens);

// The top left corner that shows the whole window on the screen it is most on (or, on none, the nearest
// one), moved as little as it takes; a window bigger than that screen keeps its top left corner on it.
// For the main window, whose status line and bottom buttons a window hanging off a small screen hides.
QPoint wholePosition(const QRect &window, const QList<QRect> &screens);

// A size no bigger than the largest screen: a size read from a damaged settings file (a width of
// 2147483647) would put the window's title bar and buttons out of reach.
QSize fittedSize(const QSize &size, const QList<QRect> &screens);

// The available areas of the screens there are now.
QList<QRect> availableScreens();

} // namespace ScreenPlacement
