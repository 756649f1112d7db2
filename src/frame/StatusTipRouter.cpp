#include "frame/StatusTipRouter.h"

#include <QStatusTipEvent>

StatusTipRouter::StatusTipRouter(std::function<void(const QString &)> handler, QObject *parent)
    : QObject(parent)
    , handler_(std::move(handler))
{ }

bool StatusTipRouter::eventFilter(QObject *watched, QEvent *event)
{
    if (enabled_ && event->type() == QEvent::StatusTip) {
        handler_(static_cast<QStatusTipEvent *>(event)->tip());
        return true; // handled once, not again at every parent on the way up
    }
    return QObject::eventFilter(watched, event);
}
