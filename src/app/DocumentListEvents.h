#pragma once

#include <QString>

// Where the document windows report what happens to their files, so the document box can keep its
// lists of open and of closed documents current.
class DocumentListEvents {
public:
    // A window has read its file (added to the open documents).
    virtual void documentOpened(const QString &fileName, const QString &caption) = 0;
    // "Gem som" wrote the file under its new name (added to the open documents; the old name stays).
    virtual void documentSavedAs(const QString &fileName, const QString &caption) = 0;
    // A window with an existing file closed (moved from the open to the closed documents).
    virtual void documentClosed(const QString &fileName, const QString &caption) = 0;

protected:
    ~DocumentListEvents() = default;
};
