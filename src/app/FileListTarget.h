#pragma once

#include <QString>

// A box whose file list takes files chosen elsewhere (the open-action box puts dropped files there).
class FileListTarget {
public:
    // Shows the box; with `startNewList` its list is emptied first.
    virtual void showForNewFiles(bool startNewList) = 0;
    virtual void addFile(const QString &fileName, const QString &caption) = 0;

protected:
    ~FileListTarget() = default;
};
