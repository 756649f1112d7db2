#pragma once

#include <QStringList>

// The program's visual themes by name: "Windows", the platform's own look, and the themes the program
// carries. A theme applies to the whole program at once, except the colours of the rich-text editor,
// which shows a document on white paper in black ink whatever the theme.
namespace ThemeService {

// "Windows" first, then the carried themes in their order.
QStringList names();
// False, and the current theme stays, when there is no theme of that name or it cannot be applied.
bool apply(const QString &name);
// The name of the theme last applied; empty before the first.
QString currentName();

} // namespace ThemeService
