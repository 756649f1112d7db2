#pragma once

#include "search/FolderEntries.h"
#include "search/text/FileMask.h"

#include <QString>
#include <QStringList>

#include <optional>

// One folder of a search: the files in it that the mask takes, in listing order.
struct FolderListing {
    QString folder;
    QStringList files; // full paths
    QString failure; // Danish reason when the folder could not be listed; no files then
};

// The folders of a search in the order they are searched: the start folder first, then, when recursive,
// every folder below it, each one before its own subfolders, each folder's entries in the order of
// FolderEntries. Symbolic links to folders are not followed (a link loop cannot trap the walk); a link to
// a file is searched as the file.
class FolderWalker {
public:
    FolderWalker(const QString &start, FileMask mask, bool recursive);

    // The next folder, or nothing when the walk is done. A start that is not a folder gives nothing.
    std::optional<FolderListing> next();

    // Folders below the start and files the mask takes, counted over the folders walked so far.
    int folderCount() const { return folderCount_; }
    int fileCount() const { return fileCount_; }

private:
    FileMask mask_;
    bool recursive_;
    FolderEntries entries_;
    QList<QByteArray> pending_; // last is next
    int folderCount_ = 0;
    int fileCount_ = 0;
};
