#include "documents/DocumentArea.h"

#include "documents/DocumentWindow.h"

#include <QMdiSubWindow>

DocumentArea::DocumentArea(QWidget *parent)
    : QMdiArea(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(this, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *subWindow) {
        if (DocumentWindow *window = documentOf(subWindow)) {
            order_.removeOne(window);
            order_.prepend(window);
            Q_EMIT documentActivated(window);
        }
    });
}

DocumentArea::~DocumentArea()
{
    // The windows are destroyed by the base class, after the order list is gone: they must not report
    // to it then.
    for (DocumentWindow *window : std::as_const(order_))
        disconnect(window, &QObject::destroyed, this, nullptr);
}

DocumentWindow *DocumentArea::documentOf(QMdiSubWindow *subWindow)
{
    return subWindow ? qobject_cast<DocumentWindow *>(subWindow->widget()) : nullptr;
}

void DocumentArea::add(DocumentWindow *window)
{
    QMdiSubWindow *subWindow = addSubWindow(window);
    subWindow->setAttribute(Qt::WA_DeleteOnClose);
    order_.append(window);
    // Only the pointer is compared here: by the time destroyed() arrives the window is gone.
    connect(window, &QObject::destroyed, this, [this, window] { order_.removeOne(window); });
}

void DocumentArea::activate(DocumentWindow *window)
{
    for (QMdiSubWindow *subWindow : subWindowList()) {
        if (subWindow->widget() == window) {
            subWindow->showNormal();
            setActiveSubWindow(subWindow);
            subWindow->raise();
            return;
        }
    }
}

DocumentWindow *DocumentArea::activeDocument() const
{
    return documentOf(activeSubWindow());
}

bool DocumentArea::closeAll()
{
    for (DocumentWindow *window : windowsInOrder()) {
        auto *subWindow = qobject_cast<QMdiSubWindow *>(window->parentWidget());
        if (subWindow && !subWindow->close())
            return false;
    }
    return true;
}
