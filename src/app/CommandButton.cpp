#include "app/CommandButton.h"

#include <QAction>
#include <QActionEvent>

CommandButton::CommandButton(QAction *command, QWidget *parent, const QString &caption)
    : QToolButton(parent)
    , caption_(caption)
{
    setAutoRaise(true);
    setDefaultAction(command);
    showCaption();
    // A command without a caption is a picture button; every other one shows its words.
    setToolButtonStyle(text().isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextOnly);
}

void CommandButton::actionEvent(QActionEvent *event)
{
    // Every change of the command copies its shortened caption onto the button again.
    QToolButton::actionEvent(event);
    if (event->type() == QEvent::ActionChanged && event->action() == defaultAction())
        showCaption();
}

void CommandButton::showCaption()
{
    // The whole caption, "..." included, which the tool button would leave out.
    setText(caption_.isEmpty() ? defaultAction()->text() : caption_);
    const QString spoken = QString(text()).remove(u'&').simplified();
    setAccessibleName(spoken.isEmpty() ? defaultAction()->toolTip() : spoken);
}
