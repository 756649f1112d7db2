#include "app/CurrentFolder.h"

#include <QDir>
#include <QFileInfo>

void CurrentFolder::setPath(const QString &path)
{
    if (path.isEmpty() || QDir::isRelativePath(path))
        return;
    const QFileInfo folder(path);
    const QString shown
        = folder.isDir() ? QDir::cleanPath(folder.absoluteFilePath()) : QDir::cleanPath(QDir::currentPath());
    if (shown == path_)
        return;
    path_ = shown;
    Q_EMIT changed(path_);
}
