#include "search/text/TextSearchJob.h"

#include <exception>

// Lives on the search's thread; hands batches to the job on its own thread.
class TextSearchJob::BatchingSink : public TextSearchSink {
public:
    explicit BatchingSink(TextSearchJob *job)
        : job_(job)
    { }

    void counted(int folders, int files) override
    {
        QMetaObject::invokeMethod(
            job_, [job = job_, folders, files] { Q_EMIT job->counted(folders, files); },
            Qt::QueuedConnection);
    }

    void searched(const QList<TextSearchRow> &rows) override
    {
        rows_.append(rows);
        ++files_;
        if (pace_.due(!sentRows_ && !rows_.isEmpty()))
            flush();
    }

    void flush()
    {
        sentRows_ = sentRows_ || !rows_.isEmpty();
        QMetaObject::invokeMethod(
            job_,
            [job = job_, rows = std::exchange(rows_, {}), files = files_] {
                if (!rows.isEmpty())
                    Q_EMIT job->rowsFound(rows);
                Q_EMIT job->filesSearched(files);
            },
            Qt::QueuedConnection);
        pace_.sent();
    }

private:
    TextSearchJob *job_;
    QList<TextSearchRow> rows_;
    int files_ = 0;
    bool sentRows_ = false;
    BatchPace pace_;
};

TextSearchJob::TextSearchJob(TextSearchRun::Settings settings, QObject *parent)
    : QObject(parent)
    , settings_(std::move(settings))
{ }

TextSearchJob::~TextSearchJob() = default;

bool TextSearchJob::start(const TextSearchRequest &request)
{
    return thread_.start(
        this,
        [this, request](const std::atomic_bool &stop) {
            BatchingSink sink(this);
            try {
                summary_ = TextSearchRun::run(request, sink, stop, settings_);
            } catch (const std::exception &) {
                summary_ = {};
                summary_.failed = true;
            }
            sink.flush();
        },
        [this] { Q_EMIT finished(summary_); });
}

void TextSearchJob::stop()
{
    thread_.stop();
}
