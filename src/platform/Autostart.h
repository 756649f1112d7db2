#pragma once

#include <QByteArray>
#include <QString>

// The desktop's programs started at log-on: the XDG autostart folder and the desktop entry files in it,
// which play the part of shortcuts.
namespace Autostart {

// $XDG_CONFIG_HOME/autostart, or ~/.config/autostart when the variable is unset or not an absolute path.
QString folder();
// The folder, made when missing (the desktop makes it only once something is to start); false when it
// is not there and cannot be made.
bool ensureFolder();
// A desktop entry that starts the executable without arguments.
QByteArray shortcutFor(const QString &executable);
// The executable as the one argument of an Exec key: quoted and escaped as desktop entries require.
QString execArgument(const QString &executable);

} // namespace Autostart
