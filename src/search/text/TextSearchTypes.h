#pragma once

#include "documents/find/TextFinder.h"

#include <QList>
#include <QMetaType>
#include <QString>

// What to search for and where.
struct TextSearchRequest {
    QString folder;
    QString mask = QStringLiteral("*.txt");
    QString text;
    TextFinder::Options options;
    bool recursive = false;
};

// One occurrence: the file's full path, the position of its first character in the text as the rich
// window loads it (counted from 0, every line break one character), and the laid-out line it begins on.
struct TextSearchRow {
    QString file;
    qsizetype position = 0;
    QString line;

    bool operator==(const TextSearchRow &other) const = default;
};

// A file or folder that could not be searched, with the reason in Danish.
struct UnsearchableFile {
    QString file;
    QString reason;

    bool operator==(const UnsearchableFile &other) const = default;
};

struct TextSearchSummary {
    int rowCount = 0;
    // Counted by a recursive search only: the folders below the start and the files the mask takes.
    int folderCount = 0;
    int fileCount = 0;
    QList<UnsearchableFile> unsearchable;
    bool stopped = false;
    bool failed = false; // something nobody foresaw ended the search
};

Q_DECLARE_METATYPE(TextSearchRow)
Q_DECLARE_METATYPE(UnsearchableFile)
Q_DECLARE_METATYPE(TextSearchSummary)
