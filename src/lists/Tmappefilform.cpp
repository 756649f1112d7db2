#include "lists/Tmappefilform.h"

Tmappefilform::Tmappefilform(AppContext &context)
    : ToolBox(context, QStringLiteral("Mapper og filer"))
{ }
