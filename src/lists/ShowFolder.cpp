#include "lists/ShowFolder.h"

#include "app/AppContext.h"
#include "platform/Shell.h"

#include <QFileInfo>

namespace ShowFolder {

QString folderOf(const QString &path)
{
    const QFileInfo file(path);
    return file.isFile() ? file.absolutePath() : path;
}

void show(AppContext &context, const QString &folder)
{
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        context.platform.shell.showFolder(folder);
    else
        context.inform(QStringLiteral("Information:\rMappen blev ikke fundet."));
}

} // namespace ShowFolder
