#pragma once

#include <QString>
#include <QStringList>

// Files that come with the program (help pages, scripts), by their path below the program folder, such as
// "Information/Find i dokumenter2.html". A file in the data root's program folder wins, so a user can put
// their own there; then the copy installed with the program; then the one built into the program.
class ProgramFiles {
public:
    // programFolder: the data root's program folder; installedFolders: where the installed copies lie, the
    // first that has the file wins.
    ProgramFiles(QString programFolder, QStringList installedFolders);

    // The installed data folders: share/skrivora beside the executable's bin folder (which also finds a
    // `cmake --install --prefix` anywhere), then skrivora in every data folder of the desktop.
    static QStringList installedFolders();

    // The full path of the file, or a ":/" resource path for the built-in copy; empty when there is none.
    QString find(const QString &relativePath) const;

private:
    QStringList folders_;
};
