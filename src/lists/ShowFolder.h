#pragma once

#include <QString>

class AppContext;

// "Åben i Windows Stifinder": a folder shown in the desktop's file manager.
namespace ShowFolder {

// The folder holding the file when the path names an existing file, otherwise the path itself.
QString folderOf(const QString &path);
// Shows the folder through the shell, or tells the user that it was not found.
void show(AppContext &context, const QString &folder);

} // namespace ShowFolder
