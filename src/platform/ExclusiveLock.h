#pragma once

#include <QString>

// A lock on a file that one holder at a time can have, kept while the holder lives. The system lets go
// of it when the process ends, however it ends (a crash, kill -9, a power cut), so a lock that is free
// always means its owner is gone: nothing is ever judged stale by age or by a process number that may
// have been reused. Two holders in one process exclude each other too.
class ExclusiveLock {
public:
    explicit ExclusiveLock(QString path);
    ~ExclusiveLock();
    ExclusiveLock(const ExclusiveLock &) = delete;
    ExclusiveLock &operator=(const ExclusiveLock &) = delete;

    const QString &path() const { return path_; }
    // Makes the file when missing; false at once when another holder has it or the file cannot be made.
    bool tryLock();
    bool isLocked() const { return fd_ >= 0; }
    // Lets go; with removeFile, the lock file goes first, for an owner that is done with it for good.
    void unlock(bool removeFile = false);

private:
    QString path_;
    int fd_ = -1;
};
