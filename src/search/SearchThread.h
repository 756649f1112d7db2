#pragma once

#include <QElapsedTimer>

#include <atomic>
#include <functional>

class QObject;
class QThread;

// Runs one search at a time on a thread of its own and tells its owner on the owner's thread when it has
// ended. The search checks the stop flag it is given; the owner waits for the thread when it is freed.
class SearchThread {
public:
    SearchThread() = default;
    SearchThread(const SearchThread &) = delete;
    SearchThread &operator=(const SearchThread &) = delete;
    ~SearchThread();

    // Starts the work unless a search is running (false then); `ended` runs on the owner's thread once
    // the work is done and its thread is gone.
    bool start(
        QObject *owner, std::function<void(const std::atomic_bool &stop)> work, std::function<void()> ended);
    void stop() { stop_ = true; }
    bool isRunning() const { return thread_ != nullptr; }

private:
    void wait();

    QThread *thread_ = nullptr;
    std::atomic_bool stop_ = false;
};

// When a search hands what it found so far to the user-interface thread: the first finds at once, so a
// list fills as soon as anything is found, then at most a few times a second, so the list can append
// them without freezing.
class BatchPace {
public:
    BatchPace() { sinceSent_.start(); }
    bool due(bool pendingHoldsTheFirstFinds) const
    {
        return pendingHoldsTheFirstFinds || sinceSent_.elapsed() >= kBatchMilliseconds;
    }
    void sent() { sinceSent_.start(); }

private:
    static constexpr qint64 kBatchMilliseconds = 50;
    QElapsedTimer sinceSent_;
};
