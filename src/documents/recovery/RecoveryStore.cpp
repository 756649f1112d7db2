#include "documents/recovery/RecoveryStore.h"

#include "platform/ExclusiveLock.h"
#include "platform/FileError.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

namespace {

const QString kCopySuffix = QStringLiteral(".kopi");
const QString kLockSuffix = QStringLiteral(".lock");

// A copy is small next to the memory a document takes; anything far bigger is not one of ours.
constexpr qint64 kLargestCopy = qint64(4) << 30;

std::unique_ptr<ExclusiveLock> lockFor(const QString &runFolder)
{
    auto lock = std::make_unique<ExclusiveLock>(runFolder + kLockSuffix);
    return lock->tryLock() ? std::move(lock) : nullptr;
}

RecoveryStore::Leftover readLeftover(const QString &path)
{
    RecoveryStore::Leftover leftover { path, std::nullopt, {} };
    QFile file(path);
    errno = 0;
    if (file.size() > kLargestCopy) {
        leftover.error = FileError::reason(EFBIG);
        return leftover;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        leftover.error = FileError::reason(errno);
        return leftover;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        leftover.error = FileError::reason(errno);
        return leftover;
    }
    leftover.copy = RecoveryCopyFile::fromBytes(bytes, &leftover.error);
    return leftover;
}

} // namespace

RecoveryStore::RecoveryStore(QString folder)
    : folder_(std::move(folder))
{ }

RecoveryStore::~RecoveryStore() = default;

bool RecoveryStore::open()
{
    if (isOpen())
        return true;
    errno = 0;
    if (!QDir().mkpath(folder_)) {
        error_ = FileError::reason(errno);
        return false;
    }
    // Locked before the folder exists, so an instance starting meanwhile never takes the folder for one
    // left behind; a name already taken (a run that started in the same millisecond) gets a number.
    const QString name = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmsszzz")) + u'-'
        + QString::number(QCoreApplication::applicationPid());
    QString runFolder = folder_ + u'/' + name;
    for (int n = 2; QFileInfo::exists(runFolder) || QFileInfo::exists(runFolder + kLockSuffix); ++n)
        runFolder = folder_ + u'/' + name + u'-' + QString::number(n);
    std::unique_ptr<ExclusiveLock> lock = lockFor(runFolder);
    errno = 0;
    if (!lock || !QDir().mkpath(runFolder)) {
        error_ = FileError::reason(errno ? errno : EACCES);
        return false;
    }
    runFolder_ = runFolder;
    lock_ = std::move(lock);
    error_.clear();
    return true;
}

QString RecoveryStore::copyPath(int documentNumber) const
{
    return runFolder_ + u'/' + QString::number(documentNumber) + kCopySuffix;
}

QList<RecoveryStore::Leftover> RecoveryStore::takeLeftovers()
{
    QList<Leftover> leftovers;
    const QDir root(folder_);
    for (const QString &name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString runFolder = root.filePath(name);
        if (runFolder == runFolder_
            || std::any_of(earlierRuns_.begin(), earlierRuns_.end(),
                [&](const EarlierRun &run) { return run.folder == runFolder; }))
            continue;
        std::unique_ptr<ExclusiveLock> lock = lockFor(runFolder);
        if (!lock)
            continue; // still running
        QDir run(runFolder);
        // Half-written copies of a run that was killed while writing one; the whole copy before it
        // is still there.
        for (const QString &unfinished :
            run.entryList({ QStringLiteral("*") + kCopySuffix + QStringLiteral(".*") }, QDir::Files))
            run.remove(unfinished);
        const QStringList copies
            = run.entryList({ QStringLiteral("*") + kCopySuffix }, QDir::Files, QDir::Name);
        for (const QString &copy : copies)
            leftovers.append(readLeftover(runFolder + u'/' + copy));
        earlierRuns_.push_back({ runFolder, std::move(lock) });
        if (copies.isEmpty())
            removeRunIfEmpty(runFolder);
    }
    // Unreadable copies last; the others in the order they were written.
    std::stable_sort(leftovers.begin(), leftovers.end(), [](const Leftover &a, const Leftover &b) {
        if (a.copy.has_value() != b.copy.has_value())
            return a.copy.has_value();
        return a.copy && a.copy->written < b.copy->written;
    });
    return leftovers;
}

void RecoveryStore::releaseLeftovers()
{
    earlierRuns_.clear();
}

void RecoveryStore::discardLeftover(const QString &path)
{
    QFile::remove(path);
    removeRunIfEmpty(QFileInfo(path).absolutePath());
}

void RecoveryStore::removeRunIfEmpty(const QString &runFolder)
{
    const auto run = std::find_if(earlierRuns_.begin(), earlierRuns_.end(),
        [&](const EarlierRun &earlier) { return earlier.folder == runFolder; });
    if (run == earlierRuns_.end())
        return;
    // rmdir only succeeds on an empty folder, so a copy that could not be read stays where it was.
    if (QDir().rmdir(runFolder)) {
        run->lock->unlock(true);
        earlierRuns_.erase(run);
    }
}

void RecoveryStore::close()
{
    if (!isOpen())
        return;
    // A folder that still holds copies stays, and is offered at the next start.
    lock_->unlock(QDir().rmdir(runFolder_));
    lock_.reset();
    runFolder_.clear();
}
