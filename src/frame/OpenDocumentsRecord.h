#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

// Dokumentfil.txt: the documents to open again at the next start. Written whenever a document is
// opened, gets a new name or closes (not only at the program's close), so the documents of a run that
// crashed or was killed reopen too. Changes that come together are written once, when the program is
// next idle; while held (opening the documents of the last run) nothing is written.
class OpenDocumentsRecord : public QObject {
    Q_OBJECT

public:
    struct Hooks {
        std::function<bool()> keepDocuments; // the option "Dokumenter"
        std::function<QStringList()> openFiles; // the open documents' files, in the frame's window order
        std::function<void(const QString &message)> reportFailure;
    };

    OpenDocumentsRecord(QString path, Hooks hooks, QObject *parent = nullptr);

    // Something changed: write soon, unless held or the option is off.
    void changed();
    void hold();
    // Ends the hold, writing what changed meanwhile.
    void release();
    // Writes the given files now, or deletes the file when there are none or the option is off. A
    // pending write is dropped. A failure is told every time; while the program runs, only the first of
    // a row of failures is.
    void writeNow(const QStringList &files);

private:
    void writePending();
    bool write(const QStringList &files, bool tellFailure);

    QString path_;
    Hooks hooks_;
    QTimer pending_;
    bool held_ = false;
    bool changedWhileHeld_ = false;
    bool failureTold_ = false;
    // What the file holds, as last written by this run; a change that leaves it so writes nothing.
    QStringList written_;
    bool knowsWritten_ = false;
};
