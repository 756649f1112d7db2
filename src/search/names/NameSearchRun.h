#pragma once

#include "search/names/NameSearchTypes.h"

#include <QByteArray>

#include <atomic>
#include <functional>

class FolderEntries;

// Receives the finds of a search on the thread that runs it, each list in the order of the walk.
class NameSearchSink {
public:
    virtual ~NameSearchSink() = default;
    virtual void folderFound(const NameHit &hit) = 0;
    virtual void fileFound(const NameHit &hit) = 0;
};

// The search for folders and files whose names hold a text, in a folder and every folder below it. The
// walk is depth first: each folder's entries in the order of FolderEntries, and a folder is walked at
// once where it is met, whether or not its own name matched. Only the letters A to Z are compared without
// regard to case, and the text is a plain piece of the name, never a pattern.
//
// Before each entry the search checks the element limit; once it is reached nothing more is examined,
// but the rest of the tree is still counted for the progress total, so the total is the tree's size
// however early the search ends. The tree is walked once. Symbolic links to folders are examined and
// found like folders but not walked into, so a link loop cannot trap the walk. A folder that cannot be
// listed is passed over and named in the summary.
class NameSearchRun {
public:
    struct Settings {
        // Lists one folder; a test stands in for a folder the system refuses to list.
        std::function<bool(FolderEntries &entries, const QByteArray &folder, bool sorted)> list;
    };

    // Checks `stop` between entries; when it is set, the search ends with what was reported so far.
    static NameSearchSummary run(const NameSearchRequest &request, NameSearchSink &sink,
        const std::atomic_bool &stop, const Settings &settings = {});
    static NameSearchSummary run(const NameSearchRequest &request, NameSearchSink &sink);

    // The text as names are compared with it: the letters A to Z made small, nothing else changed.
    static QString foldedAToZ(const QString &text);
};
