#pragma once

#include "documents/recovery/RecoveryCopy.h"

#include <QList>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class ExclusiveLock;

// The folder of recovery copies below the settings folder. Each run of the program keeps its copies in
// a folder of its own, locked while it runs, so a second instance never takes over the copies of one
// that is still running. A folder whose lock is free at start belongs to a run that did not end cleanly
// (a clean end removes its folder): its copies are the leftovers offered to the user.
//
//     Gendannelse/<run>.lock     held by the running program
//     Gendannelse/<run>/<n>.kopi one copy per modified document
class RecoveryStore {
public:
    // A copy left by an earlier run, read or with the reason it could not be.
    struct Leftover {
        QString path;
        std::optional<RecoveryCopy> copy;
        QString error; // Danish, when copy is empty
    };

    // The folder is made when open() needs it.
    explicit RecoveryStore(QString folder);
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore &) = delete;
    RecoveryStore &operator=(const RecoveryStore &) = delete;

    static QString folderName() { return QStringLiteral("Gendannelse"); }

    // Makes and locks this run's folder. False, with error(), when that is not possible: the program then
    // goes on without recovery copies.
    bool open();
    bool isOpen() const { return lock_ != nullptr; }
    const QString &error() const { return error_; }
    const QString &folder() const { return folder_; }
    const QString &runFolder() const { return runFolder_; }

    // The file for the copy of one document of this run; a new document takes the next number.
    int nextDocumentNumber() { return ++documentNumber_; }
    QString copyPath(int documentNumber) const;

    // Locks the folders of earlier runs that are not running any more and reads their copies, the oldest
    // first. They stay locked (no other instance offers them too) until released or discarded.
    QList<Leftover> takeLeftovers();
    // The user keeps the copies for a later run: their folders are unlocked and left as they are.
    void releaseLeftovers();
    // A leftover was given back to the user (and lives on as a copy of this run), or discarded by the
    // user: its file goes, and an earlier run's folder goes with its last file.
    void discardLeftover(const QString &path);

    // The clean end of the run: this run's folder goes when it holds no copy, and its lock with it.
    void close();

private:
    struct EarlierRun {
        QString folder;
        std::unique_ptr<ExclusiveLock> lock;
    };

    void removeRunIfEmpty(const QString &runFolder);

    QString folder_;
    QString runFolder_;
    QString error_;
    std::unique_ptr<ExclusiveLock> lock_;
    std::vector<EarlierRun> earlierRuns_;
    int documentNumber_ = 0;
};
