#include "support/ActionClick.h"

#include <QAction>

bool clickWhenEnabled(QAction *action, const std::function<void()> &updateActions)
{
    updateActions();
    if (!action->isEnabled())
        return false;
    action->trigger();
    return true;
}
