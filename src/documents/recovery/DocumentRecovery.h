#pragma once

#include <QObject>
#include <QString>

class DocumentWindow;
class RecoveryService;
class RecoveryTimer;

// The recovery copy of one open document. While the document is modified, a copy is taken a few
// seconds after the user stops typing (and at the latest every half minute while typing goes on) and
// handed to the writer; saving the document, undoing back to what is saved, or closing it (after a
// save or "Nej") takes the copy away. Made by the recovery service for every document window.
class DocumentRecovery : public QObject {
    Q_OBJECT

public:
    DocumentRecovery(RecoveryService &service, DocumentWindow &window);

    // Takes a copy now when the document has changes that have none yet (the program is being ended).
    void writeNow();
    // The window has closed: its text is saved or was given up, and the copy goes.
    void discard();
    bool hasCopy() const { return hasCopy_; }
    const QString &copyPath() const { return path_; }

private:
    void textChanged();
    void modifiedChanged(bool modified);
    void write();

    RecoveryService &service_;
    DocumentWindow &window_;
    RecoveryTimer *timer_;
    QString path_;
    bool hasCopy_ = false;
    bool changedSinceCopy_ = false;
};
