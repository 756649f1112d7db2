#pragma once

#include "search/text/FileSnapshot.h"
#include "search/text/HitLineLayout.h"
#include "search/text/TextSearchTypes.h"

#include <atomic>
#include <functional>

// Receives what a search finds, on the thread that runs the search, in the order of the sequential walk:
// the start folder, then the folders below it as they were collected, each folder's files in listing
// order.
class TextSearchSink {
public:
    virtual ~TextSearchSink() = default;
    // Once the walk of a recursive search has counted everything: the folders below the start folder and
    // the files the mask takes. Comes between two files, as soon as the count is known.
    virtual void counted(int folders, int files) = 0;
    // After each file, with its rows (often none).
    virtual void searched(const QList<TextSearchRow> &rows) = 0;
};

// The search for a text in the files below a folder. The walk runs ahead on a thread of its own and the
// files are read and searched on a pool of threads, but what the sink hears, and in what order, is what a
// walk that reads and searches one file after the other would report. A file or folder that cannot be
// searched is passed over and listed in the summary; the rest of its folder is searched.
class TextSearchRun {
public:
    struct Settings {
        int threads = 0; // 0: one per processor; 1: everything on the calling thread
        std::function<QString(const QString &path, QByteArray &bytes)> read = &FileSnapshot::read;
        HitLineStyle lineStyle = HitLineStyle::hiddenEditor();
    };

    // Checks `stop` between files; when it is set, the search ends with what was reported so far.
    static TextSearchSummary run(const TextSearchRequest &request, TextSearchSink &sink,
        const std::atomic_bool &stop, const Settings &settings);
    static TextSearchSummary run(const TextSearchRequest &request, TextSearchSink &sink);
};
