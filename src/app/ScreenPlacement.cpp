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

const QRect &nearestScreen(const QRect &window, const QList<QRect> &screens)
{
    const QRect *nearest = &screens.first();
    qint64 best = std::numeric_limits<qint64>::max();
    for (const QRect &screen : screens) {
        if (const qint64 distance = distanceSquared(window, screen); distance < best) {
            best = distance;
            nearest = &screen;
        }
    }
    return *nearest;
}

QPoint clampedInto(const QRect &window, const QRect &screen)
{
    const int left = std::clamp(
        window.left(), screen.left(), std::max(screen.left(), screen.right() + 1 - window.width()));
    const int top = std::clamp(
        window.top(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - window.height()));
    return { left, top };
}

} // namespace

namespace ScreenPlacement {

QPoint reachablePosition(const QRect &window, const QList<QRect> &screens)
{
    if (screens.isEmpty() || std::any_of(screens.begin(), screens.end(), [&](const QRect &screen) {
            return canBeGrabbed(window, screen);
        }))
        return window.topLeft();

    return clampedInto(window, nearestScreen(window, screens));
}

QPoint wholePosition(const QRect &window, const QList<QRect> &screens)
{
    if (screens.isEmpty())
        return window.topLeft();
    const QRect *home = nullptr;
    qint64 largest = 0;
    for (const QRect &screen : screens) {
        const QRect shared = window.intersected(screen);
        if (const qint64 area = qint64(shared.width()) * shared.height(); area > largest) {
            largest = area;
            home = &screen;
        }
    }
    return clampedInto(window, home ? *home : nearestScreen(window, screens));
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
