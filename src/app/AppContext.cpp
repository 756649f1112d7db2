#include "app/AppContext.h"

#include "app/Tinfform.h"
#include "app/Tspform.h"

void AppContext::inform(const QString &text) const
{
    infform->insertTekst(text);
    infform->showModal(platform.modal);
}

bool AppContext::ask(const QString &text) const
{
    spform->insertTekst(text);
    return spform->showModal(platform.modal) == Tspform::kYes;
}
