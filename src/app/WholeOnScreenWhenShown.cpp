#include "app/WholeOnScreenWhenShown.h"

#include "app/ScreenPlacement.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

void WholeOnScreenWhenShown::watch(QWidget *window)
{
    window->installEventFilter(new WholeOnScreenWhenShown(window));
}

WholeOnScreenWhenShown::WholeOnScreenWhenShown(QWidget *window)
    : QObject(window)
    , window_(window)
{ }

bool WholeOnScreenWhenShown::eventFilter(QObject *watched, QEvent *event)
{
    // The native window exists from the widget's show on; it is exposed once the window manager has put
    // its frame around it.
    if (watched == window_ && event->type() == QEvent::Show && window_->windowHandle()) {
        window_->removeEventFilter(this);
        window_->windowHandle()->installEventFilter(this);
    } else if (watched == window_->windowHandle() && event->type() == QEvent::Expose
        && window_->windowHandle()->isExposed()) {
        watched->removeEventFilter(this);
        const QPoint whole
            = ScreenPlacement::wholePosition(window_->frameGeometry(), ScreenPlacement::availableScreens());
        if (whole != window_->pos())
            window_->move(whole);
        deleteLater();
    }
    return false;
}
