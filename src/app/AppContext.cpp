#include "app/AppContext.h"

#include "app/Tinfform.h"
#include "app/Tspform.h"

void AppContext::inform(const QString &text) const
{
    infform->insertTekst(text);
    infform->showModal(platform.modal);
}

bool AppContext::ask(const QString &text, Safe safe) const
{
    spform->insertTekst(text);
    spform->setDefaultAnswer(safe == Safe::Yes ? Tspform::kYes : Tspform::kNo);
    return spform->showModal(platform.modal) == Tspform::kYes;
}

AppContext::SaveChoice AppContext::askSave(const QString &text) const
{
    spform->insertTekst(text);
    spform->setDefaultAnswer(Tspform::kYes);
    switch (spform->showModal(platform.modal)) {
    case Tspform::kYes:
        return SaveChoice::Save;
    case Tspform::kNo:
        return SaveChoice::Discard;
    default:
        return SaveChoice::GoBack;
    }
}
