#include "platform/widgets/SystemPlatform.h"

#include "platform/SystemIdentity.h"

#include <QSystemTrayIcon>

SystemPlatform::SystemPlatform()
    : platform_ { shell_, notifier_, fileDialogs_, clock_, modal_, printing_, SystemIdentity::userName(),
        SystemIdentity::dataRoot(), {}, QSystemTrayIcon::isSystemTrayAvailable() }
{ }
