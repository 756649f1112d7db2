#pragma once

#include <QFileIconProvider>
#include <QHash>
#include <QIcon>
#include <QMimeDatabase>

class QFileInfo;

// The desktop's icon for a file's type, from the icon theme by the file's MIME type (told by its name,
// so a folder of thousands of files is not read), with the file icon of the style where the theme has
// none. Icons are kept per type.
class FileTypeIcons {
public:
    QIcon icon(const QFileInfo &file);

private:
    QMimeDatabase types_;
    QFileIconProvider provider_;
    QHash<QString, QIcon> icons_;
};
