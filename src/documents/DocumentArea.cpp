#include "documents/DocumentArea.h"

#include "documents/DocumentWindow.h"

#include <QCloseEvent>
#include <QMdiSubWindow>

#include <functional>

namespace {

// Tells when it has really closed: a document may refuse, to keep text the user asked to save.
class DocumentSubWindow : public QMdiSubWindow {
public:
    using QMdiSubWindow::QMdiSubWindow;

    void whenClosed(std::function<void()> closed) { closed_ = std::move(closed); }

protected:
    void closeEvent(QCloseEvent *event) override
    {
        QMdiSubWindow::closeEvent(event);
        if (event->isAccepted())
            closed_();
    }

private:
    std::function<void()> closed_;
};

} // namespace

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

DocumentWindow *DocumentArea::documentOf(QMdiSubWindow *subWindow)
{
    return subWindow ? qobject_cast<DocumentWindow *>(subWindow->widget()) : nullptr;
}

DocumentWindow *DocumentArea::add(const std::function<DocumentWindow *(QWidget *parent)> &make)
{
    auto *subWindow = new DocumentSubWindow(viewport());
    DocumentWindow *window = make(subWindow);
    subWindow->whenClosed([this, window] {
        order_.removeOne(window);
        Q_EMIT documentClosed(window);
        Q_EMIT documentsChanged();
    });
    subWindow->setWidget(window);
    subWindow->setAttribute(Qt::WA_DeleteOnClose);
    addSubWindow(subWindow);
    // It fills the area, as it is about to be maximized, and so it comes back when restored: at the
    // size its controls ask for, the editor would lay its first lines out narrow and count them again a
    // moment later.
    subWindow->setGeometry(viewport()->rect());
    order_.append(window);
    connect(window, &DocumentWindow::modificationChanged, this,
        [this, window](bool modified) { Q_EMIT documentModificationChanged(window, modified); });
    connect(window, &DocumentWindow::saved, this, [this, window] { Q_EMIT documentSaved(window); });
    // Only the pointer is compared here: by the time destroyed() arrives the window is gone.
    connect(window, &QObject::destroyed, &windowsAlive_, [this, window] { order_.removeOne(window); });
    connect(window, &DocumentWindow::fileNameChanged, this, &DocumentArea::documentsChanged);
    Q_EMIT documentAdded(window);
    Q_EMIT documentsChanged();
    return window;
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
