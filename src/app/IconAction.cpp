#include "app/IconAction.h"

#include "app/AccessibleName.h"
#include "app/Hint.h"
#include "app/StandardIcon.h"

#include <QAction>
#include <QBoxLayout>
#include <QToolButton>
#include <QWidget>

namespace IconAction {

QAction *create(QWidget *owner, const char *name, const QString &hint, QStyle::StandardPixmap picture)
{
    auto *action = new QAction(StandardIcon::of(picture), QString(), owner);
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(Hint::shortPart(hint));
    action->setStatusTip(hint);
    return action;
}

void addButton(QAction *action, QBoxLayout *row)
{
    auto *button = new QToolButton(qobject_cast<QWidget *>(action->parent()));
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    button->setFixedSize(kButtonSize, kButtonSize);
    button->setObjectName(action->objectName() + QStringLiteral("Button"));
    AccessibleName::fromHint(button);
    row->addWidget(button);
}

} // namespace IconAction
