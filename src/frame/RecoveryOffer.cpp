#include "frame/RecoveryOffer.h"

#include "app/AppContext.h"
#include "documents/DocumentWindow.h"
#include "documents/recovery/RecoveryService.h"

#include <QDir>

RecoveryOffer::RecoveryOffer(AppContext &context, RecoveryService &service, Hooks hooks)
    : context_(context)
    , service_(service)
    , hooks_(std::move(hooks))
{ }

QString RecoveryOffer::question(const QList<RecoveryCopy> &copies)
{
    QString names;
    for (const RecoveryCopy &copy : copies)
        names += u'\r' + copy.caption()
            + (copy.fileName.isEmpty() ? QStringLiteral(" (uden navn)") : QString());
    return QStringLiteral(
               "Programmet blev ikke afsluttet normalt sidste gang. Ændringer, der ikke blev gemt, "
               "er bevaret i disse dokumenter:")
        + names
        + QStringLiteral("\rSkal dokumenterne åbnes igen med ændringerne?\r"
                         "Svarer du Nej, gemmes ændringerne til næste start. Vil du kassere dem, så svar Ja "
                         "og luk dokumenterne uden at gemme.");
}

QString RecoveryOffer::unreadableMessage(const RecoveryStore::Leftover &leftover)
{
    return QStringLiteral("Gendannelseskopien:\r") + QDir::toNativeSeparators(leftover.path)
        + QStringLiteral("\rkunne ikke læses. ") + leftover.error
        + QStringLiteral("\rKopien er ikke slettet.");
}

void RecoveryOffer::run()
{
    const QList<RecoveryStore::Leftover> leftovers = service_.store().takeLeftovers();
    QList<RecoveryStore::Leftover> readable;
    QList<RecoveryCopy> copies;
    for (const RecoveryStore::Leftover &leftover : leftovers) {
        if (leftover.copy) {
            readable << leftover;
            copies << *leftover.copy;
        }
    }
    if (!copies.isEmpty()) {
        if (context_.ask(question(copies), AppContext::Safe::Yes)) {
            QStringList restored;
            for (const RecoveryStore::Leftover &leftover : std::as_const(readable)) {
                const RecoveryCopy &copy = *leftover.copy;
                DocumentWindow *window = copy.fileName.isEmpty() ? nullptr : hooks_.windowOf(copy.fileName);
                if (!window)
                    window = hooks_.openWindowFor(copy);
                if (!window)
                    continue; // kept for a program that can show it
                window->restore(copy);
                restored << leftover.path;
            }
            // The recovered documents are copies of this run before the old copies go.
            service_.writeEveryCopyNow();
            for (const QString &path : std::as_const(restored))
                service_.store().discardLeftover(path);
        }
    }
    for (const RecoveryStore::Leftover &leftover : leftovers) {
        if (!leftover.copy)
            context_.inform(unreadableMessage(leftover));
    }
    service_.store().releaseLeftovers();
}
