#include "frame/OpenDocumentsRecord.h"

#include "app/FileMessages.h"
#include "app/SettingsFile.h"

#include <QFile>
#include <QFileInfo>

OpenDocumentsRecord::OpenDocumentsRecord(QString path, Hooks hooks, QObject *parent)
    : QObject(parent)
    , path_(std::move(path))
    , hooks_(std::move(hooks))
{
    pending_.setSingleShot(true);
    pending_.setInterval(0);
    connect(&pending_, &QTimer::timeout, this, &OpenDocumentsRecord::writePending);
}

void OpenDocumentsRecord::changed()
{
    if (held_)
        changedWhileHeld_ = true;
    else if (hooks_.keepDocuments())
        pending_.start();
}

void OpenDocumentsRecord::hold()
{
    held_ = true;
    pending_.stop();
}

void OpenDocumentsRecord::release()
{
    held_ = false;
    if (changedWhileHeld_) {
        changedWhileHeld_ = false;
        changed();
    }
}

void OpenDocumentsRecord::writeNow(const QStringList &files)
{
    pending_.stop();
    knowsWritten_ = false; // the close writes in any case
    write(hooks_.keepDocuments() ? files : QStringList(), true);
}

// While the program runs, a failing write is told once, not at every document opened or closed after
// it; once a write works again, the next failure is worth telling.
void OpenDocumentsRecord::writePending()
{
    if (hooks_.keepDocuments())
        failureTold_ = !write(hooks_.openFiles(), !failureTold_);
}

bool OpenDocumentsRecord::write(const QStringList &files, bool tellFailure)
{
    QStringList existing;
    for (const QString &file : files) {
        if (!file.isEmpty() && QFileInfo::exists(file))
            existing << file;
    }
    if (knowsWritten_ && existing == written_ && QFileInfo::exists(path_) == !existing.isEmpty())
        return true;
    knowsWritten_ = false;
    if (existing.isEmpty()) {
        QFile::remove(path_);
    } else {
        SettingsFile remembered(path_);
        if (!remembered.write(existing)) {
            if (tellFailure)
                hooks_.reportFailure(FileMessages::writeFailure(remembered.path(), remembered.error()));
            return false;
        }
    }
    written_ = existing;
    knowsWritten_ = true;
    return true;
}
