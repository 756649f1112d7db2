#include "platform/widgets/SystemPlatform.h"

#include "platform/SystemIdentity.h"

SystemPlatform::SystemPlatform()
    : platform_ { shell_, notifier_, fileDialogs_, clock_, modal_, SystemIdentity::userName(),
        SystemIdentity::dataRoot(), {} }
{ }
