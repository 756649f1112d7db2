#include "search/Tfindformen.h"

Tfindformen::Tfindformen(AppContext &context)
    : ToolBox(context, QStringLiteral("Søg i dokumenter"))
{ }
