#include "app/ToolBox.h"

#include "app/AppContext.h"
#include "app/FrameInterface.h"
#include "app/ScreenPlacement.h"

#include <QAction>
#include <QKeyEvent>
#include <QSet>

#include <algorithm>

ToolBox::ToolBox(AppContext &context, const QString &caption)
    : QDialog(context.frame->frameWidget(), Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , context_(context)
{
    setWindowTitle(caption);
}

void ToolBox::setVisible(bool visible)
{
    // Built before the widget is shown, so the controls are shown with it.
    if (visible && !controlsBuilt_) {
        controlsBuilt_ = true;
        buildAtFirstShow();
    }
    QDialog::setVisible(visible);
}

void ToolBox::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Sizes and positions come from settings files, which may hold anything.
    const QList<QRect> screens = ScreenPlacement::availableScreens();
    resize(ScreenPlacement::fittedSize(size(), screens));
    move(ScreenPlacement::reachablePosition(frameGeometry(), screens));
    if (!frameShortcutsTaken_ && windowModality() == Qt::NonModal) {
        frameShortcutsTaken_ = true;
        takeFrameShortcuts();
    }
}

// A box beside the frame is a window of its own, and a window's shortcuts work only while it is active:
// without this, F3 to F9, Ctrl+N and the rest did nothing once a box had the focus. A key the box uses
// itself stays the box's. Modal boxes take none: the frame's commands must wait until they are answered.
void ToolBox::takeFrameShortcuts()
{
    QSet<QKeySequence> own;
    for (const QAction *action : findChildren<QAction *>()) {
        for (const QKeySequence &key : action->shortcuts())
            own.insert(key);
    }
    for (QAction *command : context_.frame->commands()) {
        const QList<QKeySequence> keys = command->shortcuts();
        const bool free = std::none_of(
            keys.begin(), keys.end(), [&own](const QKeySequence &key) { return own.contains(key); });
        if (!keys.isEmpty() && free)
            addAction(command);
    }
}

void ToolBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}
