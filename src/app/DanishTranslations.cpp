#include "app/DanishTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace DanishTranslations {

void install(QCoreApplication &app)
{
    // The translator installed last is asked first.
    auto *qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_da"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    auto *own = new QTranslator(&app);
    if (own->load(QStringLiteral(":/translations/skrivora_da.qm")))
        QCoreApplication::installTranslator(own);
}

} // namespace DanishTranslations
