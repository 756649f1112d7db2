#include "documents/recovery/RecoveryService.h"

#include "documents/DocumentArea.h"
#include "documents/DocumentWindow.h"
#include "documents/recovery/DocumentRecovery.h"
#include "documents/recovery/RecoveryWriter.h"
#include "platform/Clock.h"

RecoveryService::RecoveryService(
    const QString &folder, DocumentArea &documents, const Clock &clock, QObject *parent)
    : QObject(parent)
    , store_(folder)
    , writer_(new RecoveryWriter(this))
    , documents_(documents)
    , clock_(clock)
{
    connect(writer_, &RecoveryWriter::failed, this, &RecoveryService::copyFailed);
    connect(&documents, &DocumentArea::documentAdded, this, &RecoveryService::documentAdded);
    connect(&documents, &DocumentArea::documentClosed, this, [this](DocumentWindow *window) {
        if (DocumentRecovery *recovery = recoveryOf(window))
            recovery->discard();
    });
}

RecoveryService::~RecoveryService() = default;

bool RecoveryService::open()
{
    return store_.open();
}

void RecoveryService::setTimes(std::chrono::milliseconds quiet, std::chrono::milliseconds longest)
{
    quiet_ = quiet;
    longest_ = longest;
}

void RecoveryService::documentAdded(DocumentWindow *window)
{
    if (store_.isOpen() && window->document())
        new DocumentRecovery(*this, *window); // the window owns it
}

DocumentRecovery *RecoveryService::recoveryOf(DocumentWindow *window) const
{
    return window ? window->findChild<DocumentRecovery *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

QString RecoveryService::newCopyPath()
{
    return store_.copyPath(store_.nextDocumentNumber());
}

void RecoveryService::writeCopy(const QString &path, RecoveryCopy copy)
{
    copy.written = clock_.now();
    writer_->write(path, std::move(copy));
}

void RecoveryService::removeCopy(const QString &path)
{
    writer_->remove(path);
}

void RecoveryService::writeEveryCopyNow()
{
    for (DocumentWindow *window : documents_.windowsInOrder()) {
        if (DocumentRecovery *recovery = recoveryOf(window))
            recovery->writeNow();
    }
    writer_->waitUntilWritten();
}

void RecoveryService::waitUntilWritten()
{
    writer_->waitUntilWritten();
}

void RecoveryService::close()
{
    writer_->waitUntilWritten();
    store_.close();
}
