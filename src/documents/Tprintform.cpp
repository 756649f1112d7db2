#include "documents/Tprintform.h"

Tprintform::Tprintform(AppContext &context)
    : ToolBox(context, QStringLiteral("Udskriv dokument"))
{ }
