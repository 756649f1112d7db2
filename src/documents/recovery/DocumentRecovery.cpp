#include "documents/recovery/DocumentRecovery.h"

#include "documents/DocumentWindow.h"
#include "documents/model/Document.h"
#include "documents/recovery/RecoveryService.h"
#include "documents/recovery/RecoveryTimer.h"

#include <QTextDocument>

DocumentRecovery::DocumentRecovery(RecoveryService &service, DocumentWindow &window)
    : QObject(&window)
    , service_(service)
    , window_(window)
    , timer_(new RecoveryTimer(service.quietTime(), service.longestTime(), this))
    , path_(service.newCopyPath())
{
    Document &document = *window.document();
    connect(&document.text(), &QTextDocument::contentsChanged, this, &DocumentRecovery::textChanged);
    connect(&document, &Document::modifiedChanged, this, &DocumentRecovery::modifiedChanged);
    connect(timer_, &RecoveryTimer::due, this, &DocumentRecovery::write);
}

void DocumentRecovery::textChanged()
{
    if (!window_.document()->isModified())
        return;
    changedSinceCopy_ = true;
    timer_->changed();
}

void DocumentRecovery::modifiedChanged(bool modified)
{
    if (modified)
        return;
    // Saved, or undone back to what the file holds: nothing to recover.
    timer_->cancel();
    changedSinceCopy_ = false;
    if (hasCopy_) {
        service_.removeCopy(path_);
        hasCopy_ = false;
    }
}

void DocumentRecovery::write()
{
    if (!window_.document()->isModified() || window_.document()->isLoading())
        return;
    service_.writeCopy(path_, window_.recoveryCopy());
    hasCopy_ = true;
    changedSinceCopy_ = false;
}

void DocumentRecovery::writeNow()
{
    timer_->cancel();
    if (changedSinceCopy_ || (!hasCopy_ && window_.document()->isModified()))
        write();
}

void DocumentRecovery::discard()
{
    timer_->cancel();
    changedSinceCopy_ = false;
    if (hasCopy_)
        service_.removeCopy(path_);
    hasCopy_ = false;
}
