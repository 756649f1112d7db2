#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One file type of the find-text box: a caption such as "Tekstfil", a mask such as "*.txt", and whether
// the filter box offers it.
struct FileTypeEntry {
    QString caption;
    QString mask;
    bool ticked = true;

    bool operator==(const FileTypeEntry &other) const = default;
};

// The find-text box's list of file types and its file "Filtertyper.txt": three lines per entry, in list
// order, with no header (caption, mask, "1" when ticked and anything else when not).
class FileTypeList {
public:
    static QList<FileTypeEntry> standard();

    // Lines taken three at a time; an incomplete last group is ignored.
    static QList<FileTypeEntry> fromLines(const QStringList &lines);
    static QStringList toLines(const QList<FileTypeEntry> &entries);

    // What the filter box offers: caption + " (" + mask + ")" for every ticked entry, in list order.
    struct Choice {
        QString text;
        QString mask;
    };
    static QList<Choice> choices(const QList<FileTypeEntry> &entries);

    // The mask of a new entry as typed: unless it is exactly "*.*", everything up to and including its
    // last "." goes and "*." comes in front, so "txt", ".txt" and "*.txt" all become "*.txt" and "a.b"
    // becomes "*.b". The letter case stays.
    static QString maskFromTyped(const QString &typed);
};
