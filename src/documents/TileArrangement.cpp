#include "documents/TileArrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace TileArrangement {

void tile(QMdiArea &area, Direction direction)
{
    // The active window first, at the top or on the left.
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *window : area.subWindowList(QMdiArea::ActivationHistoryOrder)) {
        if (!window->isHidden() && !window->isMinimized())
            windows.prepend(window);
    }
    if (windows.isEmpty())
        return;
    const QRect space = area.viewport()->rect();
    const int count = int(windows.size());
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow *window = windows[i];
        if (window->isMaximized())
            window->showNormal();
        // Integer shares that add up to the whole, so the last window reaches the edge exactly.
        if (direction == Direction::OneAboveTheOther) {
            const int top = space.height() * i / count;
            const int bottom = space.height() * (i + 1) / count;
            window->setGeometry(0, top, space.width(), bottom - top);
        } else {
            const int left = space.width() * i / count;
            const int right = space.width() * (i + 1) / count;
            window->setGeometry(left, 0, right - left, space.height());
        }
    }
}

} // namespace TileArrangement
