#include "documents/recovery/RecoveryWriter.h"

#include "platform/AtomicFileWriter.h"

#include <QFile>

RecoveryWriter::RecoveryWriter(QObject *parent)
    : QObject(parent)
    , thread_([this] { run(); })
{ }

RecoveryWriter::~RecoveryWriter()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void RecoveryWriter::write(const QString &path, RecoveryCopy copy)
{
    {
        std::lock_guard lock(mutex_);
        if (!pending_.contains(path))
            order_.append(path);
        pending_.insert(path, Job { false, std::move(copy) });
    }
    changed_.notify_all();
}

void RecoveryWriter::remove(const QString &path)
{
    {
        std::lock_guard lock(mutex_);
        if (!pending_.contains(path))
            order_.append(path);
        pending_.insert(path, Job { true, {} });
    }
    changed_.notify_all();
}

void RecoveryWriter::waitUntilWritten()
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return order_.isEmpty() && !busy_; });
}

void RecoveryWriter::run()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stopping_ || !order_.isEmpty(); });
        if (order_.isEmpty())
            return; // stopping, with nothing left to do
        const QString path = order_.takeFirst();
        const Job job = pending_.take(path);
        busy_ = true;
        lock.unlock();

        if (job.remove) {
            QFile::remove(path);
        } else {
            const AtomicFileWriter::Result result
                = AtomicFileWriter::write(path, RecoveryCopyFile::toBytes(job.copy));
            if (result.ok)
                Q_EMIT written(path);
            else
                Q_EMIT failed(path, result.error);
        }

        lock.lock();
        busy_ = false;
        changed_.notify_all();
    }
}
