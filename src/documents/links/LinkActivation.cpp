#include "documents/links/LinkActivation.h"

#include "app/TooltipSwitch.h"
#include "documents/EditorControl.h"
#include "documents/links/LinkFinder.h"
#include "platform/Shell.h"

#include <QAbstractScrollArea>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QTextBlock>
#include <QToolTip>

LinkActivation::LinkActivation(EditorControl &editor, Shell &shell, std::function<void(int code)> failed)
    : QObject(editor.widget())
    , editor_(editor)
    , viewport_(qobject_cast<QAbstractScrollArea *>(editor.widget())->viewport())
    , shell_(shell)
    , failed_(std::move(failed))
{
    viewport_->installEventFilter(this);
    viewport_->setMouseTracking(true);
    // A link's address belongs to the text, like the link itself: it shows whatever the hint mode says
    // about the hints of the window around it.
    TooltipSwitch::setShown(viewport_, true);
}

QString LinkActivation::addressAt(const QPoint &viewportPoint) const
{
    const QTextCursor cursor = editor_.cursorForPosition(viewportPoint);
    const QRect caret = editor_.cursorRect(cursor);
    if (viewportPoint.y() < caret.top() || viewportPoint.y() > caret.bottom())
        return {};
    // The cursor lies between two characters; the one under the point is on the point's side of it.
    const QTextBlock block = cursor.block();
    const int character = cursor.position() - block.position() - (viewportPoint.x() < caret.x() ? 1 : 0);
    if (character < 0)
        return {};
    const auto link = LinkFinder::linkAt(block.text(), character);
    return link ? link->address : QString();
}

bool LinkActivation::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != viewport_)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ToolTip: {
        const auto *help = static_cast<QHelpEvent *>(event);
        const QString address = addressAt(help->pos());
        if (address.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), address, viewport_);
        return true;
    }
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const bool overLink = mouse->modifiers().testFlag(Qt::ControlModifier)
            && !addressAt(mouse->position().toPoint()).isEmpty();
        viewport_->setCursor(overLink ? Qt::PointingHandCursor : Qt::IBeamCursor);
        break;
    }
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton || !mouse->modifiers().testFlag(Qt::ControlModifier))
            break;
        const QString address = addressAt(mouse->position().toPoint());
        if (address.isEmpty())
            break;
        const int code = shell_.openAddress(address);
        if (code <= 32 && failed_)
            failed_(code);
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
