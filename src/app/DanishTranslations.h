#pragma once

class QCoreApplication;

// Qt's own dialogs and context menus in Danish: Danish as the default locale, Qt's Danish catalogue, then
// the program's own, which supplies what Qt's leaves in English and so is asked first.
namespace DanishTranslations {
void install(QCoreApplication &app);
} // namespace DanishTranslations
