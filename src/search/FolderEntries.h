#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

// The entries of one folder in the order every search of the program meets them: by name with letter
// case aside, then exactly, so a search gives the same rows on every run and on every file system.
// Hidden entries are included, "." and ".." are not. Names are kept as the file system's bytes in one
// buffer, so listing a folder of thousands of entries makes no string per entry; only what a search
// reports becomes a QString.
class FolderEntries {
public:
    enum class Kind : unsigned char {
        File, // a file, or a symbolic link to one
        Folder,
        FolderLink, // a symbolic link to a folder: a folder to list, never to walk into
        Special, // a device, pipe or socket, or a link to one
        BrokenLink, // a symbolic link to nothing
    };

    // Lists the folder (its path as the file system's bytes); false when it cannot be listed, with the
    // system's error number in error(). Unsorted is quicker, for a walk that only counts.
    bool list(const QByteArray &folder, bool sorted = true);

    int count() const { return int(entries_.size()); }
    Kind kind(int index) const { return entries_[size_t(index)].kind; }
    QByteArrayView name(int index) const
    {
        const Entry &entry = entries_[size_t(index)];
        return QByteArrayView(names_.constData() + entry.nameAt, entry.nameLength);
    }
    int error() const { return error_; }

    // The path of an entry below a folder, both as the file system's bytes.
    static QByteArray joined(const QByteArray &folder, QByteArrayView name);
    static QString decoded(QByteArrayView bytes);

private:
    struct Entry {
        qsizetype nameAt;
        qsizetype keyAt;
        int nameLength;
        int keyLength;
        Kind kind;
    };

    void add(QByteArrayView name, Kind kind);
    void sort();

    QByteArray names_;
    QByteArray keys_;
    std::vector<Entry> entries_;
    int error_ = 0;
};
