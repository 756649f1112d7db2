#include "options/Tboksform.h"

Tboksform::Tboksform(AppContext &context)
    : ToolBox(context, QStringLiteral("Fontnavne"))
{
}
