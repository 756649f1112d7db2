#include "lists/Tfavoritform.h"

Tfavoritform::Tfavoritform(AppContext &context)
    : ToolBox(context, QStringLiteral("Favoritter"))
{
}
