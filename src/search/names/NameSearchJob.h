#pragma once

#include "search/SearchThread.h"
#include "search/names/NameSearchRun.h"

#include <QObject>

// Runs a name search off the user-interface thread and reports it there through queued calls: the
// folders and files found, in batches, then the end.
class NameSearchJob : public QObject {
    Q_OBJECT

public:
    explicit NameSearchJob(NameSearchRun::Settings settings = {}, QObject *parent = nullptr);
    ~NameSearchJob() override;

    // Starts a search unless one is running; false then.
    bool start(const NameSearchRequest &request);
    // Ends the running search with the finds reported so far; finished() follows.
    void stop() { thread_.stop(); }
    bool isRunning() const { return thread_.isRunning(); }

Q_SIGNALS:
    void found(const QList<NameHit> &folders, const QList<NameHit> &files);
    void finished(const NameSearchSummary &summary);

private:
    class BatchingSink;

    NameSearchRun::Settings settings_;
    NameSearchSummary summary_; // written by the search's thread, read once it has ended
    SearchThread thread_;
};
