#include "app/ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <limits>

namespace {

// Enough of the top edge to grab the window by its title bar.
constexpr int kGrabWidth = 50;
constexpr int kGrabHeight = 30;

bool canBeGrabbed(const QRect &window, const QRect &screen)
{
    const QRect titleBar(window.topLeft(), QSize(window.width(), std::min(kGrabHeight, window.height())));
    const QRect visible = titleBar.intersected(screen);
    return visible.width() >= std::min(kGrabWidth, window.width()) && visible.height() > 0;
}

qint64 distanceSquared(const QRect &window, const QRect &screen)
{
    const qint64 dx = std::max({ 0, screen.left() - window.right(), window.left() - screen.right() });
    const qint64 dy = std::max({ 0, screen.top() - window.bottom(), window.top() - screen.bottom() });
    return dx * dx + dy * dy;
}

} // namespace

namespace ScreenPlacement {

QPoint reachablePosition(const QRect &window, const QList<QRect> &screens)
{
    if (screens.isEmpty() || std::any_of(screens.begin(), screens.end(), [&](const QRect &screen) {
            return canBeGrabbed(window, screen);
        }))
        return window.topLeft();

    const QRect *nearest = nullptr;
    qint64 best = std::numeric_limits<qint64>::max();
    for (const QRect &screen : screens) {
        if (const qint64 distance = distanceSquared(window, screen); distance < best) {
            best = distance;
            nearest = &screen;
        }
    }
    const int left = std::clamp(
        window.left(), nearest->left(), std::max(nearest->left(), nearest->right() + 1 - window.width()));
    const int top = std::clamp(
        window.top(), nearest->top(), std::max(nearest->top(), nearest->bottom() + 1 - window.height()));
    return { left, top };
}

QSize fittedSize(const QSize &size, const QList<QRect> &screens)
{
    if (screens.isEmpty())
        return size;
    QSize largest;
    for (const QRect &screen : screens)
        largest = largest.expandedTo(screen.size());
    return size.boundedTo(largest);
}

QList<QRect> availableScreens()
{
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    return screens;
}

} // namespace ScreenPlacement
