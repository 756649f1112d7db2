#pragma once

#include "search/text/TextSearchTypes.h"

#include <QList>
#include <QMetaType>
#include <QString>

// What to look for and where: the text a name must hold, the folder whose tree is searched (as the user
// gave it; every path found begins with it), and the element limit: the search ends once that many
// folders or that many files are found. A limit below 0 sets none.
struct NameSearchRequest {
    QString folder;
    QString text;
    int limit = 120;
};

// A folder or file found: its own name (with extension) and its full path.
struct NameHit {
    QString caption;
    QString path;

    bool operator==(const NameHit &other) const = default;
};

struct NameSearchSummary {
    int examinedFolders = 0;
    int examinedFiles = 0;
    int foundFolders = 0;
    int foundFiles = 0;
    // Every folder and file of the tree, and how many of them the search examined before it ended.
    int progressTotal = 0;
    int progressPosition = 0;
    // Folders that could not be listed, with the reason in Danish.
    QList<UnsearchableFile> unreadable;
    bool stopped = false;
    bool failed = false; // something nobody foresaw ended the search

    // "Der er undersøgt 120:3 mappenavne", or empty when no folder was examined.
    QString foldersHeading() const;
    // "Der er undersøgt 200:5 filnavne", or empty when no file was examined.
    QString filesHeading() const;
    // The position as a whole percentage of the total, an exact half going to the even neighbour ("57%");
    // empty when the total is 0.
    QString progressText() const;
};

Q_DECLARE_METATYPE(NameHit)
Q_DECLARE_METATYPE(NameSearchSummary)
