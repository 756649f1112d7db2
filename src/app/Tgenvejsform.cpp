#include "app/Tgenvejsform.h"

Tgenvejsform::Tgenvejsform(AppContext &context)
    : ToolBox(context, QStringLiteral("Genveje"))
{
}
