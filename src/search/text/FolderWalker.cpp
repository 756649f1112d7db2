#include "search/text/FolderWalker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

FolderWalker::FolderWalker(const QString &start, FileMask mask, bool recursive)
    : mask_(std::move(mask))
    , recursive_(recursive)
{
    const QFileInfo info(start);
    if (!start.isEmpty() && info.isDir())
        pending_.append(QFile::encodeName(QDir::cleanPath(info.absoluteFilePath())));
}

std::optional<FolderListing> FolderWalker::next()
{
    if (pending_.isEmpty())
        return std::nullopt;
    const QByteArray folder = pending_.takeLast();
    FolderListing listing;
    listing.folder = FolderEntries::decoded(folder);
    if (!entries_.list(folder)) {
        listing.failure = QStringLiteral("Mappen kunne ikke læses.");
        return listing;
    }

    const qsizetype subfoldersBefore = pending_.size();
    for (int i = 0; i < entries_.count(); ++i) {
        const FolderEntries::Kind kind = entries_.kind(i);
        if (kind == FolderEntries::Kind::File) {
            if (mask_.matches(FolderEntries::decoded(entries_.name(i))))
                listing.files.append(FolderEntries::decoded(FolderEntries::joined(folder, entries_.name(i))));
        } else if (kind == FolderEntries::Kind::Folder && recursive_) {
            pending_.append(FolderEntries::joined(folder, entries_.name(i)));
        }
    }
    fileCount_ += int(listing.files.size());
    folderCount_ += int(pending_.size() - subfoldersBefore);
    // The first subfolder is walked next.
    std::reverse(pending_.begin() + subfoldersBefore, pending_.end());
    return listing;
}
