#include "search/names/NameSearchJob.h"

#include <exception>

// Lives on the search's thread; hands batches to the job on its own thread.
class NameSearchJob::BatchingSink : public NameSearchSink {
public:
    explicit BatchingSink(NameSearchJob *job)
        : job_(job)
    { }

    void folderFound(const NameHit &hit) override
    {
        folders_.append(hit);
        flushWhenDue();
    }

    void fileFound(const NameHit &hit) override
    {
        files_.append(hit);
        flushWhenDue();
    }

    void flush()
    {
        if (folders_.isEmpty() && files_.isEmpty())
            return;
        sentAny_ = true;
        QMetaObject::invokeMethod(
            job_,
            [job = job_, folders = std::exchange(folders_, {}), files = std::exchange(files_, {})] {
                Q_EMIT job->found(folders, files);
            },
            Qt::QueuedConnection);
        pace_.sent();
    }

private:
    void flushWhenDue()
    {
        if (pace_.due(!sentAny_))
            flush();
    }

    NameSearchJob *job_;
    QList<NameHit> folders_;
    QList<NameHit> files_;
    bool sentAny_ = false;
    BatchPace pace_;
};

NameSearchJob::NameSearchJob(NameSearchRun::Settings settings, QObject *parent)
    : QObject(parent)
    , settings_(std::move(settings))
{ }

NameSearchJob::~NameSearchJob() = default;

bool NameSearchJob::start(const NameSearchRequest &request)
{
    return thread_.start(
        this,
        [this, request](const std::atomic_bool &stop) {
            BatchingSink sink(this);
            try {
                summary_ = NameSearchRun::run(request, sink, stop, settings_);
            } catch (const std::exception &) {
                summary_ = {};
                summary_.failed = true;
            }
            sink.flush();
        },
        [this] { Q_EMIT finished(summary_); });
}
