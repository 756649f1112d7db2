#pragma once

#include "documents/recovery/RecoveryCopy.h"

#include <QHash>
#include <QObject>
#include <QStringList>

#include <condition_variable>
#include <mutex>
#include <thread>

// Writes recovery copies on a thread of its own, so typing never waits for a big document's copy. The
// user-interface thread hands over a copy (its text is shared, not copied) and goes on; the writer turns
// it into bytes and writes them through the atomic writer. At most one copy per file waits: a newer one
// replaces it, and a removal drops it.
class RecoveryWriter : public QObject {
    Q_OBJECT

public:
    explicit RecoveryWriter(QObject *parent = nullptr);
    // Finishes what is pending first.
    ~RecoveryWriter() override;

    void write(const QString &path, RecoveryCopy copy);
    // The file goes once what is being written to it is done.
    void remove(const QString &path);
    // Returns once everything handed over so far is on disk (or has failed).
    void waitUntilWritten();

Q_SIGNALS:
    // A copy could not be written; reason in Danish. Arrives on the thread the writer lives in.
    void failed(const QString &path, const QString &reason);
    // A copy is on disk; arrives on the thread the writer lives in.
    void written(const QString &path);

private:
    struct Job {
        bool remove = false;
        RecoveryCopy copy;
    };

    void run();

    std::mutex mutex_;
    std::condition_variable changed_;
    QHash<QString, Job> pending_;
    QStringList order_; // paths with a pending job, first come first
    bool busy_ = false;
    bool stopping_ = false;
    std::thread thread_;
};
