#pragma once

#include <QIcon>

namespace AppIcon {
// The program's icon, from the one drawing that is also installed in the desktop's icon theme.
QIcon icon();
} // namespace AppIcon
