#include "app/ToolBox.h"

#include "app/AppContext.h"
#include "app/FrameInterface.h"

ToolBox::ToolBox(AppContext &context, const QString &caption)
    : QDialog(context.frame->frameWidget(), Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , context_(context)
{
    setWindowTitle(caption);
}
