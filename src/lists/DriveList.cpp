#include "lists/DriveList.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>

namespace {

bool under(const QString &path, const QString &folder)
{
    if (folder == u"/")
        return path.startsWith(u'/');
    return path == folder || path.startsWith(folder + u'/');
}

} // namespace

namespace DriveList {

bool isSystemFileSystem(const QByteArray &type)
{
    static const QSet<QByteArray> systemTypes { "autofs", "binfmt_misc", "bpf", "cgroup", "cgroup2",
        "configfs", "debugfs", "devpts", "devtmpfs", "efivarfs", "fusectl", "fuse.gvfsd-fuse", "fuse.lxcfs",
        "fuse.portal", "fuse.snapfuse", "hugetlbfs", "mqueue", "nsfs", "overlay", "proc", "pstore", "ramfs",
        "rpc_pipefs", "securityfs", "selinuxfs", "squashfs", "sysfs", "tmpfs", "tracefs" };
    return systemTypes.contains(type);
}

QList<Drive> drives(const QList<QStorageInfo> &volumes, const QString &home)
{
    QList<Drive> list { { QStringLiteral("Filsystemets rod (/)"), QStringLiteral("/") } };
    const QString homeFolder = QDir::cleanPath(home);
    if (!home.isEmpty() && homeFolder != u"/")
        list.append({ QStringLiteral("Hjemmemappe (%1)").arg(homeFolder), homeFolder });
    QSet<QString> taken { QStringLiteral("/"), homeFolder };
    for (const QStorageInfo &volume : volumes) {
        const QString mountPoint = QDir::cleanPath(volume.rootPath());
        if (!volume.isValid() || !volume.isReady() || isSystemFileSystem(volume.fileSystemType())
            || taken.contains(mountPoint))
            continue;
        // The system's own trees, and single files the system mounts into place (as containers do).
        if (under(mountPoint, QStringLiteral("/proc")) || under(mountPoint, QStringLiteral("/sys"))
            || under(mountPoint, QStringLiteral("/dev")) || !QFileInfo(mountPoint).isDir())
            continue;
        taken.insert(mountPoint);
        const QString name = volume.displayName();
        list.append(
            { name == volume.rootPath() || name.isEmpty() ? mountPoint
                                                          : QStringLiteral("%1 (%2)").arg(name, mountPoint),
                mountPoint });
    }
    return list;
}

QList<Drive> mounted()
{
    return drives(QStorageInfo::mountedVolumes(), QDir::homePath());
}

int driveOf(const QList<Drive> &drives, const QString &folder)
{
    int best = -1;
    for (int i = 0; i < drives.size(); ++i) {
        if (under(folder, drives[i].mountPoint)
            && (best < 0 || drives[i].mountPoint.size() > drives[best].mountPoint.size()))
            best = i;
    }
    return best;
}

} // namespace DriveList
