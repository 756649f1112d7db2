#include "app/Topenform.h"

Topenform::Topenform(AppContext &context)
    : ToolBox(context, QStringLiteral("Åben"))
{
}
