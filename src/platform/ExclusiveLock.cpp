#include "platform/ExclusiveLock.h"

#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

ExclusiveLock::ExclusiveLock(QString path)
    : path_(std::move(path))
{ }

ExclusiveLock::~ExclusiveLock()
{
    unlock();
}

bool ExclusiveLock::tryLock()
{
    if (isLocked())
        return true;
    const int fd = ::open(QFile::encodeName(path_).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

void ExclusiveLock::unlock(bool removeFile)
{
    if (!isLocked())
        return;
    if (removeFile)
        QFile::remove(path_);
    ::close(fd_);
    fd_ = -1;
}
