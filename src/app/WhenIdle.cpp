#include "app/WhenIdle.h"

#include <QAbstractEventDispatcher>

namespace WhenIdle {

void run(QObject *receiver, std::function<void()> update)
{
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance())
        QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, receiver, std::move(update));
}

} // namespace WhenIdle
