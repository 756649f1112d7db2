#pragma once

#include "documents/recovery/RecoveryStore.h"

#include <QList>

#include <functional>

class AppContext;
class DocumentWindow;
class RecoveryService;

// Right after the frame is first shown: the recovery copies a run that did not end cleanly left behind.
// The user is asked whether to get those documents back. "Ja" reopens each as modified with its
// recovered text (a named one under its name, not saved until the user saves; one already open from
// the last run gets the recovered text), and its copy lives on as a copy of this run. "Nej" keeps the
// copies for a later start. A copy that cannot be read is told about and kept, never deleted.
class RecoveryOffer {
public:
    struct Hooks {
        // The open window of the file, or null.
        std::function<DocumentWindow *(const QString &fileName)> windowOf;
        // A new window for a copy whose document is not open; null when no window can show it.
        std::function<DocumentWindow *(const RecoveryCopy &copy)> openWindowFor;
    };

    RecoveryOffer(AppContext &context, RecoveryService &service, Hooks hooks);

    void run();

    static QString question(const QList<RecoveryCopy> &copies);
    static QString unreadableMessage(const RecoveryStore::Leftover &leftover);

private:
    AppContext &context_;
    RecoveryService &service_;
    Hooks hooks_;
};
