#include "lists/FileTypeIcons.h"

#include <QFileInfo>

QIcon FileTypeIcons::icon(const QFileInfo &file)
{
    const QMimeType type = types_.mimeTypeForFile(file, QMimeDatabase::MatchExtension);
    auto found = icons_.constFind(type.name());
    if (found != icons_.constEnd())
        return *found;
    QIcon icon = QIcon::fromTheme(type.iconName());
    if (icon.isNull())
        icon = QIcon::fromTheme(type.genericIconName());
    if (icon.isNull())
        icon = provider_.icon(QAbstractFileIconProvider::File);
    icons_.insert(type.name(), icon);
    return icon;
}
