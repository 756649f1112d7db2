#include "app/AppIcon.h"

#include "app/ProgramResources.h"

namespace AppIcon {

QIcon icon()
{
    ProgramResources::load();
    return QIcon(QStringLiteral(":/icons/skrivora.svg"));
}

} // namespace AppIcon
