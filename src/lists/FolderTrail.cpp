#include "lists/FolderTrail.h"

#include <QDir>
#include <QFileInfo>

namespace FolderTrail {

QStringList subfolders(const QString &folder)
{
    return QDir(folder).entryList(
        QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

QList<Row> rows(const QString &folder, const QStringList &subfolderNames)
{
    QList<Row> list;
    const QString path = QDir::cleanPath(folder);
    const QStringList parts = path.split(u'/', Qt::SkipEmptyParts);
    QString at = QStringLiteral("/");
    list.append({ at, at, 0, true });
    for (const QString &part : parts) {
        at = at == u"/" ? at + part : at + u'/' + part;
        list.append({ at, part, int(list.size()), true });
    }
    const int depth = int(list.size());
    for (const QString &name : subfolderNames)
        list.append({ at == u"/" ? at + name : at + u'/' + name, name, depth, false });
    return list;
}

QString nearestExisting(const QString &path)
{
    QString folder = QDir::cleanPath(path);
    while (!QFileInfo(folder).isDir() && folder != u"/" && !folder.isEmpty())
        folder = QFileInfo(folder).path();
    return folder.isEmpty() ? QStringLiteral("/") : folder;
}

} // namespace FolderTrail
