#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// One entry of a file list: the text shown and the file or folder it stands for.
struct TReopenRec {
    QString Caption;
    QString Filnavn;

    bool operator==(const TReopenRec &other) const = default;
};

// Which existence test applies to the entries of a list.
enum class TItemtype { itFil = 0, itBibliotek = 1, itAndet = 2 };

// The entries of a file list and the rules they follow, without widgets, dialogs or files: how two paths
// are the same entry, how captions sort, and how the lines of a list file become entries.
class ReopenList {
public:
    // Equal letter for letter, only A to Z compared without regard to case; Danish letters and every
    // other character must match exactly, and nothing is normalised.
    static bool samePath(QStringView a, QStringView b);
    // The caption with A to Z turned into a to z; compared by UTF-16 code values, Danish letters sort
    // after z, capitals before small letters.
    static QString sortKey(const QString &caption);
    // Whether the path passes the existence test of the item type (itAndet has none).
    static bool exists(TItemtype type, const QString &path);

    // Entries from the lines of a list file, caption and path taking turns. In an itFil list an entry
    // whose path line does not name an existing file is left out, as is a caption without a path line;
    // in other lists such a caption becomes an entry with an empty path.
    // A list file holds lines of text; a NUL character means some other file has taken its name, and
    // loading would prune it away and write the rest back.
    static bool holdsOnlyText(const QStringList &lines);
    static QList<TReopenRec> fromLines(
        const QStringList &lines, TItemtype type, const std::function<bool(const QString &)> &fileExists);
    QStringList toLines() const;

    int Antal() const { return int(entries_.size()); }
    bool isValid(int index) const { return index >= 0 && index < Antal(); }
    const TReopenRec &at(int index) const { return entries_[index]; }
    const QList<TReopenRec> &entries() const { return entries_; }

    // Position of the first entry that is the same path, -1 when there is none.
    int indexOfPath(const QString &path) const;
    void replaceAll(QList<TReopenRec> entries) { entries_ = std::move(entries); }
    void prepend(const TReopenRec &entry) { entries_.prepend(entry); }
    void append(const TReopenRec &entry) { entries_.append(entry); }
    void removeAt(int index) { entries_.removeAt(index); }
    void setCaption(int index, const QString &caption) { entries_[index].Caption = caption; }
    void clear() { entries_.clear(); }

    // Swap with the neighbour above or below; false and no change at the edge.
    bool flytOp(int index);
    bool flytNed(int index);
    // Orders the entries from position `from` on by sort key; true when any entry moved.
    bool sortFrom(int from);

private:
    QList<TReopenRec> entries_;
};
