#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What the folder list of the folders-and-files box shows for a folder: the folders from the root down
// to it, each one level deeper, then its subfolders one level below it, hidden ones included, by name
// with letter case aside.
namespace FolderTrail {

struct Row {
    QString path;
    QString caption;
    int depth = 0;
    bool onTrail = false; // the folder or one above it

    bool operator==(const Row &other) const = default;
};

// The subfolders' names; empty when the folder cannot be read.
QStringList subfolders(const QString &folder);
QList<Row> rows(const QString &folder, const QStringList &subfolderNames);
// The nearest folder at or above the path that still exists: where the box goes when its folder vanishes.
QString nearestExisting(const QString &path);

} // namespace FolderTrail
