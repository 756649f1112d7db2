#pragma once

#include <QList>
#include <QString>

class QStorageInfo;

// The drives of the folders-and-files box: the root file system, the user's home, and every disk,
// network share and optical disc the system has mounted, each by its name and mount point. The system's
// own file systems (proc, sysfs, tmpfs, overlay and the like) are left out.
namespace DriveList {

struct Drive {
    QString caption; // what the chooser shows
    QString mountPoint; // without a closing separator, "/" excepted

    bool operator==(const Drive &other) const = default;
};

// Whether a file system of that type holds the system's state rather than the user's files.
bool isSystemFileSystem(const QByteArray &type);
QList<Drive> drives(const QList<QStorageInfo> &volumes, const QString &home);
// The drives as the system has them mounted now.
QList<Drive> mounted();
// The drive holding the folder: the one whose mount point is the longest start of its path; -1 for none.
int driveOf(const QList<Drive> &drives, const QString &folder);

} // namespace DriveList
