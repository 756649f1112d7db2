#pragma once

#include "platform/Clock.h"
#include "platform/DBusNotifier.h"
#include "platform/DesktopShell.h"
#include "platform/Platform.h"
#include "platform/widgets/ModalRunner.h"
#include "platform/widgets/QtFileDialogs.h"
#include "platform/widgets/SystemPrinting.h"

// Owns the real services and lends them out as one Platform.
class SystemPlatform {
public:
    SystemPlatform();
    Platform &platform() { return platform_; }

private:
    DesktopShell shell_;
    DBusNotifier notifier_;
    QtFileDialogs fileDialogs_;
    SystemClock clock_;
    InteractiveModalRunner modal_;
    SystemPrinting printing_;
    Platform platform_;
};
