#include "app/Hint.h"

#include "app/AccessibleName.h"

#include <QAbstractButton>
#include <QWidget>

namespace Hint {

QString shortPart(const QString &hint)
{
    return hint.section(u'|', 0, 0);
}

QString longPart(const QString &hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void set(QWidget *widget, const QString &hint)
{
    widget->setToolTip(shortPart(hint));
    widget->setStatusTip(hint);
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        AccessibleName::fromHint(button);
}

} // namespace Hint
