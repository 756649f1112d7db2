#include "app/TmemoForm.h"

#include "app/AppContext.h"
#include "app/FrameInterface.h"

TmemoForm::TmemoForm(AppContext &context)
    : QWidget(context.frame->frameWidget(), Qt::Window)
{
    hide();
}
