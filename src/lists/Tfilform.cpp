#include "lists/Tfilform.h"

Tfilform::Tfilform(AppContext &context)
    : ToolBox(context, QStringLiteral("Åbne og lukkede dokumenter"))
{
}
