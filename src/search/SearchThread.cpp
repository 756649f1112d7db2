#include "search/SearchThread.h"

#include <QObject>
#include <QThread>

SearchThread::~SearchThread()
{
    stop();
    wait();
}

bool SearchThread::start(
    QObject *owner, std::function<void(const std::atomic_bool &stop)> work, std::function<void()> ended)
{
    if (thread_)
        return false;
    stop_ = false;
    thread_ = QThread::create([this, owner, work = std::move(work), ended = std::move(ended)] {
        work(stop_);
        QMetaObject::invokeMethod(
            owner,
            [this, ended] {
                wait();
                ended();
            },
            Qt::QueuedConnection);
    });
    thread_->start();
    return true;
}

void SearchThread::wait()
{
    if (!thread_)
        return;
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
}
