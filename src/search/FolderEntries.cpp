#include "search/FolderEntries.h"

#include <QFile>

#include <algorithm>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QDirIterator>
#include <QFileInfo>
#endif

namespace {

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return (unsigned char)c < 0x80; });
}

#ifdef Q_OS_UNIX
FolderEntries::Kind kindOfTarget(const struct stat &target)
{
    if (S_ISDIR(target.st_mode))
        return FolderEntries::Kind::FolderLink;
    return S_ISREG(target.st_mode) ? FolderEntries::Kind::File : FolderEntries::Kind::Special;
}

// What an entry is; only links and file systems that do not tell the type in the listing cost a look.
FolderEntries::Kind kindOf(int folder, const dirent &entry)
{
    struct stat status;
    switch (entry.d_type) {
    case DT_REG:
        return FolderEntries::Kind::File;
    case DT_DIR:
        return FolderEntries::Kind::Folder;
    case DT_LNK:
        return fstatat(folder, entry.d_name, &status, 0) == 0 ? kindOfTarget(status)
                                                              : FolderEntries::Kind::BrokenLink;
    case DT_UNKNOWN:
        if (fstatat(folder, entry.d_name, &status, AT_SYMLINK_NOFOLLOW) != 0)
            return FolderEntries::Kind::BrokenLink; // gone since it was listed
        if (S_ISDIR(status.st_mode))
            return FolderEntries::Kind::Folder;
        if (!S_ISLNK(status.st_mode))
            return S_ISREG(status.st_mode) ? FolderEntries::Kind::File : FolderEntries::Kind::Special;
        return fstatat(folder, entry.d_name, &status, 0) == 0 ? kindOfTarget(status)
                                                              : FolderEntries::Kind::BrokenLink;
    default:
        return FolderEntries::Kind::Special;
    }
}
#endif

} // namespace

bool FolderEntries::list(const QByteArray &folder, bool sorted)
{
    names_.clear();
    keys_.clear();
    entries_.clear();
    error_ = 0;
#ifdef Q_OS_UNIX
    const int descriptor = open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *stream = descriptor < 0 ? nullptr : fdopendir(descriptor);
    if (!stream) {
        error_ = errno;
        if (descriptor >= 0)
            close(descriptor);
        return false;
    }
    for (;;) {
        errno = 0;
        const dirent *entry = readdir(stream);
        if (!entry) {
            error_ = errno;
            break;
        }
        const char *name = entry->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        add(QByteArrayView(name), kindOf(descriptor, *entry));
    }
    closedir(stream);
    if (error_ != 0) {
        entries_.clear();
        return false;
    }
#else
    const QString path = decoded(folder);
    if (!QFileInfo(path).isReadable()) {
        error_ = EACCES;
        return false;
    }
    QDirIterator iterator(path, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (iterator.hasNext()) {
        iterator.next();
        const QFileInfo entry = iterator.fileInfo();
        Kind kind = Kind::Special;
        if (entry.isSymLink() && !entry.exists())
            kind = Kind::BrokenLink;
        else if (entry.isDir())
            kind = entry.isSymLink() ? Kind::FolderLink : Kind::Folder;
        else if (entry.isFile())
            kind = Kind::File;
        add(entry.fileName().toUtf8(), kind);
    }
#endif
    if (sorted)
        sort();
    return true;
}

void FolderEntries::add(QByteArrayView name, Kind kind)
{
    Entry entry { names_.size(), 0, int(name.size()), 0, kind };
    names_.append(name);
    entries_.push_back(entry);
}

// The key is the name with its letters' case folded, as UTF-8, so comparing keys byte by byte compares
// the folded characters; the plain ASCII names that make up most folders are folded in place.
void FolderEntries::sort()
{
    for (Entry &entry : entries_) {
        const QByteArrayView name(names_.constData() + entry.nameAt, entry.nameLength);
        entry.keyAt = keys_.size();
        if (isAscii(name)) {
            for (const char c : name)
                keys_.append(c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c);
        } else {
            keys_.append(decoded(name).toCaseFolded().toUtf8());
        }
        entry.keyLength = int(keys_.size() - entry.keyAt);
    }
    std::sort(entries_.begin(), entries_.end(), [this](const Entry &a, const Entry &b) {
        const QByteArrayView keyA(keys_.constData() + a.keyAt, a.keyLength);
        const QByteArrayView keyB(keys_.constData() + b.keyAt, b.keyLength);
        if (const int order = keyA.compare(keyB); order != 0)
            return order < 0;
        return QByteArrayView(names_.constData() + a.nameAt, a.nameLength)
            < QByteArrayView(names_.constData() + b.nameAt, b.nameLength);
    });
}

QByteArray FolderEntries::joined(const QByteArray &folder, QByteArrayView name)
{
    QByteArray path;
    path.reserve(folder.size() + name.size() + 1);
    path.append(folder);
    if (!folder.endsWith('/'))
        path.append('/');
    path.append(name);
    return path;
}

QString FolderEntries::decoded(QByteArrayView bytes)
{
    return QFile::decodeName(bytes.toByteArray());
}
