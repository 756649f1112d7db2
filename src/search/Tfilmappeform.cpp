#include "search/Tfilmappeform.h"

Tfilmappeform::Tfilmappeform(AppContext &context)
    : ToolBox(context, QStringLiteral("Søg efter mapper og filer"))
{ }
