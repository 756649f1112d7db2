#include "app/DanishTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace DanishTranslations {

void install(QCoreApplication &app)
{
    // Texts Qt takes from the locale rather than from a catalogue, such as the kinds of files in the file
    // dialog, follow the default locale.
    QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark));
    // The translator installed last is asked first.
    auto *qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_da"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    auto *own = new QTranslator(&app);
    if (own->load(QStringLiteral(":/translations/skrivora_da.qm")))
        QCoreApplication::installTranslator(own);
}

} // namespace DanishTranslations
