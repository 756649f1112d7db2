#include "frame/DocumentKeyPriority.h"

#include "documents/DocumentWindow.h"

#include <QAction>
#include <QApplication>

#include <algorithm>

namespace {

DocumentWindow *documentWindowAround(QWidget *widget)
{
    for (QWidget *w = widget; w; w = w->parentWidget()) {
        if (auto *window = qobject_cast<DocumentWindow *>(w))
            return window;
    }
    return nullptr;
}

} // namespace

DocumentKeyPriority::DocumentKeyPriority(const QList<QAction *> &frameCommands, QObject *parent)
    : QObject(parent)
{
    for (QAction *command : frameCommands)
        frameCommands_ << command;
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { focusChanged(now); });
}

bool DocumentKeyPriority::isFrameCommand(const QAction *action) const
{
    return std::any_of(frameCommands_.begin(), frameCommands_.end(),
        [action](const QPointer<QAction> &command) { return command == action; });
}

void DocumentKeyPriority::focusChanged(QWidget *now)
{
    DocumentWindow *window = documentWindowAround(now);
    if (window == window_)
        return;
    giveKeysBack();
    window_ = window;
    if (!window)
        return;
    QList<QKeySequence> windowKeys;
    for (const QAction *action : window->actions()) {
        if (!isFrameCommand(action))
            windowKeys += action->shortcuts();
    }
    for (const QPointer<QAction> &command : std::as_const(frameCommands_)) {
        if (!command)
            continue;
        const QList<QKeySequence> keys = command->shortcuts();
        QList<QKeySequence> kept;
        for (const QKeySequence &key : keys) {
            if (!windowKeys.contains(key))
                kept << key;
        }
        if (kept.size() != keys.size()) {
            lent_.append({ command, keys });
            command->setShortcuts(kept);
        }
    }
}

void DocumentKeyPriority::giveKeysBack()
{
    for (const auto &[command, keys] : std::as_const(lent_)) {
        if (command)
            command->setShortcuts(keys);
    }
    lent_.clear();
}
