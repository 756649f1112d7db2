#include "search/text/FolderWalker.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

namespace {

QString joined(const QString &folder, const QString &name)
{
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

bool listedBefore(const QString &a, const QString &b)
{
    const int blind = a.compare(b, Qt::CaseInsensitive);
    return blind != 0 ? blind < 0 : a < b;
}

} // namespace

FolderWalker::FolderWalker(const QString &start, FileMask mask, bool recursive)
    : mask_(std::move(mask))
    , recursive_(recursive)
{
    const QFileInfo info(start);
    if (!start.isEmpty() && info.isDir())
        pending_.append(QDir::cleanPath(info.absoluteFilePath()));
}

std::optional<FolderListing> FolderWalker::next()
{
    if (pending_.isEmpty())
        return std::nullopt;
    FolderListing listing;
    listing.folder = pending_.takeLast();
    if (!QFileInfo(listing.folder).isReadable()) {
        listing.failure = QStringLiteral("Mappen kunne ikke læses.");
        return listing;
    }

    QStringList names;
    QStringList folderNames;
    QDirIterator entries(
        listing.folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        entries.next();
        const QFileInfo entry = entries.fileInfo();
        if (entry.isDir()) {
            if (!entry.isSymLink())
                folderNames.append(entry.fileName());
        } else if (entry.isFile() && mask_.matches(entry.fileName())) {
            names.append(entry.fileName());
        }
    }
    std::sort(names.begin(), names.end(), listedBefore);
    for (const QString &name : std::as_const(names))
        listing.files.append(joined(listing.folder, name));
    fileCount_ += int(names.size());

    if (recursive_) {
        std::sort(folderNames.begin(), folderNames.end(), listedBefore);
        folderCount_ += int(folderNames.size());
        for (auto name = folderNames.crbegin(); name != folderNames.crend(); ++name)
            pending_.append(joined(listing.folder, *name));
    }
    return listing;
}
