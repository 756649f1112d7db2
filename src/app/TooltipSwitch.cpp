#include "app/TooltipSwitch.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace {

const char *const kProperty = "skrivoraTooltipsShown";

// One filter for the whole program: a tooltip is asked for by an event to the widget under the mouse.
class TooltipFilter : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ToolTip && watched->isWidgetType()
            && !TooltipSwitch::isShown(static_cast<QWidget *>(watched)))
            return true;
        return QObject::eventFilter(watched, event);
    }
};

void installFilterOnce()
{
    static QPointer<TooltipFilter> filter; // dies with the application object
    if (filter || !qApp)
        return;
    filter = new TooltipFilter(qApp);
    qApp->installEventFilter(filter);
}

} // namespace

namespace TooltipSwitch {

void setShown(QWidget *owner, bool shown)
{
    installFilterOnce();
    owner->setProperty(kProperty, shown);
}

bool isShown(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        const QVariant setting = w->property(kProperty);
        if (setting.isValid())
            return setting.toBool();
    }
    return true;
}

} // namespace TooltipSwitch
