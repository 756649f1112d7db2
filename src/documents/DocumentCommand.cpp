#include "documents/DocumentCommand.h"

#include "app/Hint.h"

#include <QAction>

namespace DocumentCommand {

QAction *create(QObject *parent, const QString &caption, const QString &hint, const QKeySequence &keys)
{
    auto *action = new QAction(caption, parent);
    action->setToolTip(Hint::shortPart(hint));
    action->setStatusTip(hint);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    return action;
}

} // namespace DocumentCommand
