#include "documents/Ttypeform.h"

Ttypeform::Ttypeform(AppContext &context)
    : ToolBox(context, QStringLiteral("Filtypeboksen"))
{
}
