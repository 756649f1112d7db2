#pragma once

#include <QIcon>

namespace AppIcon {
// The program's icon, drawn at every size it is asked for.
QIcon icon();
} // namespace AppIcon
