#pragma once

#include "search/SearchThread.h"
#include "search/text/TextSearchRun.h"

#include <QObject>

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
    bool isRunning() const { return thread_.isRunning(); }

Q_SIGNALS:
    void counted(int folders, int files);
    void rowsFound(const QList<TextSearchRow> &rows);
    void filesSearched(int count);
    void finished(const TextSearchSummary &summary);

private:
    class BatchingSink;

    TextSearchRun::Settings settings_;
    TextSearchSummary summary_; // written by the search's thread, read once it has ended
    SearchThread thread_;
};
