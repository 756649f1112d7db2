#include "platform/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kBuiltIn = QStringLiteral(":/");

} // namespace

ProgramFiles::ProgramFiles(QString programFolder, QStringList installedFolders)
    : folders_(std::move(installedFolders))
{
    folders_.prepend(std::move(programFolder));
    folders_.append(kBuiltIn);
}

QStringList ProgramFiles::installedFolders()
{
    QStringList folders;
    if (QCoreApplication::instance())
        folders << QDir::cleanPath(
            QCoreApplication::applicationDirPath() + QStringLiteral("/../share/skrivora"));
    for (const QString &data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        const QString folder = QDir::cleanPath(data + QStringLiteral("/skrivora"));
        if (!folders.contains(folder))
            folders << folder;
    }
    return folders;
}

QString ProgramFiles::find(const QString &relativePath) const
{
    // Only names below the folders: a path that climbs out of them is nothing the program ships.
    const QString clean = QDir::cleanPath(relativePath);
    if (clean.isEmpty() || QDir::isAbsolutePath(clean) || clean == QLatin1String("..")
        || clean.startsWith(QLatin1String("../")))
        return {};
    for (const QString &folder : folders_) {
        if (folder.isEmpty())
            continue;
        const QString path = folder == kBuiltIn ? kBuiltIn + clean : QDir(folder).filePath(clean);
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}
