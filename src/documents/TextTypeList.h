#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The user's list of file types that open as text: named masks with a tick, stored three lines per
// entry (name, mask, "1" or "0").
namespace TextTypeList {

struct Entry {
    QString name;
    QString mask;
    bool ticked = true;
    bool operator==(const Entry &) const = default;
};

// The twelve built-in types, every tick on.
QList<Entry> standard();
// Entries from stored lines; a trailing group of fewer than three lines is left out.
QList<Entry> fromLines(const QStringList &lines);
QStringList toLines(const QList<Entry> &entries);
// What the user typed as a type becomes a mask: "txt", ".txt", "*.txt" and "old.txt" all give "*.txt";
// "*.*" stays as it is.
QString normaliseMask(const QString &typed);

} // namespace TextTypeList
