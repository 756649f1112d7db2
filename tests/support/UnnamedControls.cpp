#include "support/UnnamedControls.h"

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>

QStringList unnamedControls(const QWidget &window)
{
    QStringList unnamed;
    for (const QWidget *widget : window.findChildren<QWidget *>()) {
        if (!widget->focusPolicy() || qobject_cast<const QLabel *>(widget) || !widget->isVisibleTo(&window)
            || widget->objectName().startsWith(QStringLiteral("qt_")))
            continue;
        const auto *button = qobject_cast<const QAbstractButton *>(widget);
        if (widget->accessibleName().isEmpty() && !(button && !button->text().isEmpty()))
            unnamed << QString::fromLatin1(widget->metaObject()->className()) + u' ' + widget->objectName();
    }
    return unnamed;
}
