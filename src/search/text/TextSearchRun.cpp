#include "search/text/TextSearchRun.h"

#include "platform/FileError.h"
#include "search/text/FileTextSearch.h"
#include "search/text/FolderWalker.h"

#include <QThread>
#include <QThreadPool>

#include <cerrno>
#include <condition_variable>
#include <deque>
#include <future>
#include <mutex>
#include <new>
#include <thread>
#include <vector>

namespace {

constexpr qsizetype kLargestKeptBuffer = 64 * 1024 * 1024;

// What one file (or one folder that could not be listed) contributes, in the walk's order.
struct Contribution {
    QList<TextSearchRow> rows;
    std::optional<UnsearchableFile> unsearchable;
    bool isFile = true;
};

// The walker's listings, handed from its thread to the search's.
class ListingQueue {
public:
    void push(FolderListing listing)
    {
        {
            const std::lock_guard lock(mutex_);
            listings_.push_back(std::move(listing));
        }
        ready_.notify_one();
    }

    void finish(int folders, int files)
    {
        {
            const std::lock_guard lock(mutex_);
            done_ = true;
            folders_ = folders;
            files_ = files;
        }
        ready_.notify_one();
    }

    // The next listing; nothing once the walk is done and every listing taken.
    std::optional<FolderListing> take()
    {
        std::unique_lock lock(mutex_);
        ready_.wait(lock, [this] { return !listings_.empty() || done_; });
        if (listings_.empty())
            return std::nullopt;
        FolderListing listing = std::move(listings_.front());
        listings_.pop_front();
        return listing;
    }

    // The counts, once the walk is done.
    std::optional<std::pair<int, int>> counts()
    {
        const std::lock_guard lock(mutex_);
        if (!done_)
            return std::nullopt;
        return std::pair(folders_, files_);
    }

private:
    std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<FolderListing> listings_;
    bool done_ = false;
    int folders_ = 0;
    int files_ = 0;
};

Contribution searchOneFile(
    const QString &path, const FileTextSearch &search, const TextSearchRun::Settings &settings)
{
    // One buffer per thread, kept from file to file, unless a big file made it big.
    thread_local QByteArray bytes;
    Contribution contribution;
    try {
        if (const QString failure = settings.read(path, bytes); !failure.isEmpty()) {
            contribution.unsearchable = UnsearchableFile { path, failure };
        } else {
            FileTextSearch::Outcome outcome = search.search(path, bytes);
            if (outcome.failure.isEmpty())
                contribution.rows = std::move(outcome.rows);
            else
                contribution.unsearchable = UnsearchableFile { path, outcome.failure };
        }
    } catch (const std::bad_alloc &) {
        contribution.unsearchable = UnsearchableFile { path, FileError::reason(ENOMEM) };
    }
    if (bytes.capacity() > kLargestKeptBuffer)
        bytes = QByteArray();
    return contribution;
}

using Batch = std::vector<Contribution>;

// Files are handed to the pool a few at a time: one hand-over per file cost more than many files' search.
constexpr qsizetype kFilesPerBatch = 16;

std::future<Batch> ready(Batch batch)
{
    std::promise<Batch> promise;
    promise.set_value(std::move(batch));
    return promise.get_future();
}

Batch searchFiles(const QStringList &paths, const FileTextSearch &search,
    const TextSearchRun::Settings &settings, const std::atomic_bool &stop)
{
    Batch batch;
    batch.reserve(size_t(paths.size()));
    for (const QString &path : paths) {
        if (stop)
            break;
        batch.push_back(searchOneFile(path, search, settings));
    }
    return batch;
}

} // namespace

TextSearchSummary TextSearchRun::run(const TextSearchRequest &request, TextSearchSink &sink)
{
    const std::atomic_bool neverStop = false;
    return run(request, sink, neverStop, Settings());
}

TextSearchSummary TextSearchRun::run(const TextSearchRequest &request, TextSearchSink &sink,
    const std::atomic_bool &stop, const Settings &settings)
{
    TextSearchSummary summary;
    const FileTextSearch search(request.text, request.options, settings.lineStyle);
    const int threads = settings.threads > 0 ? settings.threads : std::max(1, QThread::idealThreadCount());
    // Enough batches in flight to keep every thread busy while the oldest is handed on.
    const size_t window = size_t(threads) * 4;

    ListingQueue listings;
    std::thread walk([&] {
        FolderWalker walker(request.folder, FileMask(request.mask), request.recursive);
        while (!stop) {
            std::optional<FolderListing> listing = walker.next();
            if (!listing)
                break;
            listings.push(std::move(*listing));
        }
        listings.finish(walker.folderCount(), walker.fileCount());
    });

    bool countReported = !request.recursive;
    auto reportCountOnce = [&] {
        if (countReported)
            return;
        if (const auto counts = listings.counts(); counts && !stop) {
            countReported = true;
            summary.folderCount = counts->first;
            summary.fileCount = counts->second;
            sink.counted(counts->first, counts->second);
        }
    };

    std::deque<std::future<Batch>> inFlight;
    auto handOnOldest = [&] {
        const Batch batch = inFlight.front().get();
        inFlight.pop_front();
        for (const Contribution &contribution : batch) {
            if (stop) // the sink may stop the search between two files
                break;
            if (contribution.unsearchable)
                summary.unsearchable.append(*contribution.unsearchable);
            if (contribution.isFile)
                sink.searched(contribution.rows);
            summary.rowCount += int(contribution.rows.size());
            reportCountOnce();
        }
    };

    QThreadPool pool;
    pool.setMaxThreadCount(threads);
    while (!stop) {
        std::optional<FolderListing> listing = listings.take();
        if (!listing)
            break;
        reportCountOnce();
        if (!listing->failure.isEmpty())
            inFlight.push_back(
                ready({ { {}, UnsearchableFile { listing->folder, listing->failure }, false } }));
        for (qsizetype first = 0; first < listing->files.size() && !stop; first += kFilesPerBatch) {
            QStringList paths = listing->files.mid(first, kFilesPerBatch);
            if (threads == 1) {
                inFlight.push_back(ready(searchFiles(paths, search, settings, stop)));
            } else {
                auto task = std::make_shared<std::packaged_task<Batch()>>(
                    [&search, &settings, &stop, paths = std::move(paths)] {
                        return searchFiles(paths, search, settings, stop);
                    });
                inFlight.push_back(task->get_future());
                pool.start([task] { (*task)(); });
            }
            while (inFlight.size() >= window && !stop)
                handOnOldest();
        }
    }
    while (!inFlight.empty() && !stop)
        handOnOldest();

    summary.stopped = stop;
    pool.clear();
    pool.waitForDone();
    walk.join();
    reportCountOnce();
    return summary;
}
