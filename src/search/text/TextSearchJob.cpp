#include "search/text/TextSearchJob.h"

#include <QPointer>
#include <QThread>

#include <exception>

namespace {

// Long enough that a list is not rebuilt for every file, short enough that rows seem to flow.
constexpr qint64 kBatchMilliseconds = 50;

} // namespace

// Lives on the search's thread; hands batches to the job on its own thread.
class TextSearchJob::BatchingSink : public TextSearchSink {
public:
    explicit BatchingSink(TextSearchJob *job)
        : job_(job)
    {
        sinceSent_.start();
    }

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
        // The first rows go at once, so the list fills as soon as anything is found.
        if ((!sentRows_ && !rows_.isEmpty()) || sinceSent_.elapsed() >= kBatchMilliseconds)
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
        sinceSent_.start();
    }

private:
    TextSearchJob *job_;
    QList<TextSearchRow> rows_;
    int files_ = 0;
    bool sentRows_ = false;
    QElapsedTimer sinceSent_;
};

TextSearchJob::TextSearchJob(TextSearchRun::Settings settings, QObject *parent)
    : QObject(parent)
    , settings_(std::move(settings))
{ }

TextSearchJob::~TextSearchJob()
{
    stop();
    waitForThread();
}

bool TextSearchJob::start(const TextSearchRequest &request)
{
    if (thread_)
        return false;
    stop_ = false;
    thread_ = QThread::create([this, request] {
        BatchingSink sink(this);
        TextSearchSummary summary;
        try {
            summary = TextSearchRun::run(request, sink, stop_, settings_);
        } catch (const std::exception &) {
            summary.failed = true;
        }
        sink.flush();
        QMetaObject::invokeMethod(
            this,
            [this, summary] {
                waitForThread();
                Q_EMIT finished(summary);
            },
            Qt::QueuedConnection);
    });
    thread_->start();
    return true;
}

void TextSearchJob::stop()
{
    stop_ = true;
}

void TextSearchJob::waitForThread()
{
    if (!thread_)
        return;
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
}
