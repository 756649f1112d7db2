#include "search/text/FileSnapshot.h"

#include "platform/FileError.h"

#include <cerrno>

#ifdef Q_OS_UNIX
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#endif

QString FileSnapshot::notAFileText()
{
    return QStringLiteral("Navnet er ikke en almindelig fil.");
}

QString FileSnapshot::changedWhileReadText()
{
    return QStringLiteral("Filen blev ændret, mens den blev læst.");
}

#ifdef Q_OS_UNIX

namespace {

bool sameVersion(const struct stat &a, const struct stat &b)
{
    return a.st_size == b.st_size && a.st_mtim.tv_sec == b.st_mtim.tv_sec
        && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

class Descriptor {
public:
    explicit Descriptor(int fd)
        : fd_(fd)
    { }
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

} // namespace

// The search reads tens of thousands of files; plain system calls on one descriptor keep the cost per
// file to an open, two stats and the reads.
QString FileSnapshot::read(const QString &path, QByteArray &bytes)
{
    bytes.resize(0);
    const Descriptor file(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0)
        return FileError::reason(errno);
    struct stat before { };
    if (::fstat(file.get(), &before) != 0)
        return FileError::reason(errno);
    // Opening without blocking and checking here keeps a pipe put in a file's place from stopping the
    // search.
    if (!S_ISREG(before.st_mode))
        return notAFileText();
    if (before.st_size > kLargestFile)
        return FileError::reason(EFBIG);
    // One byte more than the size shows whether the file grew meanwhile.
    bytes.resize(qsizetype(before.st_size) + 1);
    qsizetype total = 0;
    for (;;) {
        const ssize_t got = ::read(file.get(), bytes.data() + total, size_t(bytes.size() - total));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return FileError::reason(errno);
        total += got;
        // A regular file reads short only at its end, so once its whole size is in a read for the
        // byte more would only say so again; growth since shows in the second look at it.
        if (got == 0 || total == bytes.size() || (total == before.st_size && total > 0))
            break;
    }
    bytes.resize(total);
    struct stat after { };
    if (::fstat(file.get(), &after) != 0)
        return FileError::reason(errno);
    if (total != before.st_size || !sameVersion(before, after))
        return changedWhileReadText();
    return {};
}

#else

QString FileSnapshot::read(const QString &path, QByteArray &bytes)
{
    bytes.resize(0);
    const QFileInfo before(path);
    if (!before.exists())
        return FileError::reason(ENOENT);
    if (before.size() > kLargestFile)
        return FileError::reason(EFBIG);
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        return FileError::reason(errno);
    bytes.resize(before.size() + 1);
    const qint64 total = file.read(bytes.data(), bytes.size());
    if (total < 0)
        return FileError::reason(errno);
    bytes.resize(total);
    const QFileInfo after(path);
    if (total != before.size() || after.size() != before.size()
        || after.lastModified() != before.lastModified())
        return changedWhileReadText();
    return {};
}

#endif
