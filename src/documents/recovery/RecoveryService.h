#pragma once

#include "documents/recovery/RecoveryStore.h"
#include "documents/recovery/RecoveryTimer.h"

#include <QObject>

#include <chrono>
#include <functional>

class Clock;
class DocumentArea;
class DocumentRecovery;
class DocumentWindow;
class RecoveryWriter;

// The program's recovery copies: the store of this run, the writer that writes them off the
// user-interface thread, and a DocumentRecovery for every document window of the area. Without a
// store (the folder cannot be made or locked), documents simply get no copies.
class RecoveryService : public QObject {
    Q_OBJECT

public:
    // folder: the recovery folder below the settings folder.
    RecoveryService(
        const QString &folder, DocumentArea &documents, const Clock &clock, QObject *parent = nullptr);
    ~RecoveryService() override;

    // Makes and locks this run's folder; false, with error(), when copies cannot be kept this run.
    bool open();
    QString error() const { return store_.error(); }
    RecoveryStore &store() { return store_; }

    // The times of RecoveryTimer; tests make them short.
    void setTimes(std::chrono::milliseconds quiet, std::chrono::milliseconds longest);
    std::chrono::milliseconds quietTime() const { return quiet_; }
    std::chrono::milliseconds longestTime() const { return longest_; }

    // Every document with changes gets its copy now, and this returns once all are on disk: the
    // program is being ended and the questions to come may never be answered.
    void writeEveryCopyNow();
    // Waits for what is being written (the copies taken so far).
    void waitUntilWritten();
    // The program's clean end, after every document has closed: this run's folder goes.
    void close();

    // For the documents' recoveries.
    QString newCopyPath();
    void writeCopy(const QString &path, RecoveryCopy copy);
    void removeCopy(const QString &path);
    DocumentRecovery *recoveryOf(DocumentWindow *window) const;

Q_SIGNALS:
    // A copy could not be written; reason in Danish.
    void copyFailed(const QString &path, const QString &reason);

private:
    void documentAdded(DocumentWindow *window);

    RecoveryStore store_;
    RecoveryWriter *writer_;
    DocumentArea &documents_;
    const Clock &clock_;
    std::chrono::milliseconds quiet_ = RecoveryTimer::kQuiet;
    std::chrono::milliseconds longest_ = RecoveryTimer::kLongest;
};
