#pragma once

#include "search/text/TextSearchRun.h"

#include <QElapsedTimer>
#include <QObject>

#include <atomic>
#include <memory>

class QThread;

// Runs a text search off the user-interface thread and reports it there through queued calls: rows in
// batches (the first ones at once, then at most a few times a second, so a list can append them
// without freezing), the files searched so far, the counts of a recursive search, and the end.
class TextSearchJob : public QObject {
    Q_OBJECT

public:
    explicit TextSearchJob(TextSearchRun::Settings settings = {}, QObject *parent = nullptr);
    ~TextSearchJob() override;

    // Starts a search unless one is running; false then.
    bool start(const TextSearchRequest &request);
    // Ends the running search with the rows reported so far; finished() follows.
    void stop();
    bool isRunning() const { return thread_ != nullptr; }

Q_SIGNALS:
    void counted(int folders, int files);
    void rowsFound(const QList<TextSearchRow> &rows);
    void filesSearched(int count);
    void finished(const TextSearchSummary &summary);

private:
    class BatchingSink;

    void waitForThread();

    TextSearchRun::Settings settings_;
    QThread *thread_ = nullptr;
    std::atomic_bool stop_ = false;
};
