#include "app/ToolBox.h"

#include "app/AppContext.h"
#include "app/FrameInterface.h"

#include <QKeyEvent>

ToolBox::ToolBox(AppContext &context, const QString &caption)
    : QDialog(context.frame->frameWidget(), Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , context_(context)
{
    setWindowTitle(caption);
}

void ToolBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}
