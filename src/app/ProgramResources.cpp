#include "app/ProgramResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE names a function at global scope, so it cannot be used inside the namespace.
static void registerBuiltInFiles()
{
    Q_INIT_RESOURCE(skrivora);
}

namespace ProgramResources {

void load()
{
    static const bool loaded = (registerBuiltInFiles(), true);
    Q_UNUSED(loaded);
}

} // namespace ProgramResources
