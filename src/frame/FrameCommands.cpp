#include "frame/FrameCommands.h"

#include "app/Hint.h"

#include <QAction>

namespace {

struct CommandSpec {
    const char *name;
    const char *caption;
    const char *hint;
    const char *shortcuts; // ";"-separated, in QKeySequence's portable text form
};

// Captions, hints and keys of every command of the frame.
constexpr CommandSpec kCommands[] = {
    { "fileOpen", "Åben...", "Åben et eksisterende dokument", "Ctrl+O" },
    { "fileGem", "Gem", "Gem dokumentet", "Ctrl+S" },
    { "fileGemSom", "Gem som...", "Gem dokumentet med et nyt navn", "Ctrl+Alt+S" },
    { "fileNewTxt", "Nyt tekstdokument", "Åben et nyt tekstdokument", "Ctrl+N" },
    { "fileNewRtf", "Nyt richtext dokument", "Åben et nyt rich text dokument", "Ctrl+Alt+N" },
    { "opdaterFilinfo", "", "Opdater oplysninger", "F2" },
    { "udskrivDokument", "Udskriv...", "Udskriv aktuelle dokument", "" },
    { "printerEgenskaber", "Printer", "Indstillinger for printer", "" },
    { "visUdskrift", "Vis udskrift", "Vis aktuelle dokument, som det bliver udskrevet", "" },
    { "gemSomPdf", "Gem som PDF...", "Gem aktuelle dokument som PDF-fil", "" },
    { "openMenu1", "Fil", "Åben eller luk filmenuen", "Ctrl+1" },
    { "openMenu2", "Dokument", "Åben eller luk dokumentmenuen", "Ctrl+2" },
    { "openMenu3", "Søg", "Åben eller luk søgemenuen", "Ctrl+3" },
    { "openMenu4", "Vindue", "Åben eller luk vinduemenu", "Ctrl+4" },
    { "openMenu7", "Bokse", "Programmets forskellige bokse", "Ctrl+5" },
    { "openMenu6", "Egenskaber", "Åben eller luk egenskabsmenuen", "Ctrl+6" },
    { "openMenu5", "Information", "Åben eller luk informationsmenuen", "Ctrl+7;F1" },
    { "aMenuPanel", "Menupanelet", "Åben menupanelet", "Ctrl+M" },
    { "aHovedmenu", "Hovedmenu", "Åben eller luk hovedmenuen", "Ctrl+H" },
    { "aRedskabslinje", "Redskabslinje", "Åben eller luk redskabslinjen", "Ctrl+R" },
    { "findTekst", "Find tekst", "Find tekst i aktuelle dokument", "Ctrl+F" },
    { "erstatTekst", "Erstat tekst", "Erstat tekst med anden tekst", "" },
    { "WindowCascade", "På stribe", "Arranger på stribe", "" },
    { "WindowTileHorizontal", "Tilpas vandret", "Arranger vandret", "" },
    { "WindowTileVertical", "Tilpas lodret", "Arranger lodret", "" },
    { "WindowMinimizeAll", "Minimer alle", "Minimer alle", "" },
    { "winLuk", "Luk", "Luk aktuelle dokument", "Ctrl+L" },
    { "winLukAlle", "Luk alle", "Luk alle dokumenter", "Ctrl+Alt+L" },
    { "mappefilBox", "Filer og mapper", "Åben mappe-fil-boksen", "F3" },
    { "favoritBox", "Favoritter", "Åben favoritter", "F4" },
    { "dokumentBox", "Dokumentboks", "Åben boksen med kontrol over åbne dokumenter", "F5" },
    { "aSearchTekst", "Find tekst i tekst-dokumenter", "Søg efter tekst i tekstfiler ved valg af søgemappe",
        "F6" },
    { "aSearchMappeFiler", "Find mapper og filer i mappe",
        "Søg efter mapper og filer i valgt mappe og dens undermapper", "F7" },
    { "openFiltypeboksen", "Typeliste", "Bestem filtyper der kan åbnes som tekstfiler", "F8" },
    { "openGenvejsboksen", "Genveje", "Nogle af programmets genveje", "F9" },
    { "closeAllBokse", "Luk alle bokse", "Luk alle åbne bokse", "" },
    { "insertFavoritliste", "", "Indsæt aktuelle dokument i favoritlisten", "" },
    { "aProgramSize", "Udfør", "Sæt standard programstørrelse", "" },
    { "googleUrl", "Google", "Skriv tekst og søg på nettet med Google", "Shift+Ctrl+G" },
    { "bingUrl", "Bing", "Skriv tekst og søg på nettet med Bing", "Shift+Ctrl+B" },
    { "tubeUrl", "YouTube", "Skriv tekst og søg med YouTube", "" },
    { "aDato", "Dato", "Udskriv dato", "" },
    { "aKlokken", "Klokken", "Udskriv klokken", "" },
    { "aDato2", "Dato: 00-00-0000", "Udskriv dato med format dd-mm-åååå", "" },
    { "aDato3", "Dato: 0000-00-00", "Udskriv dato med format åååå-mm-dd", "" },
    { "aDatoUdskriv", "Udskriv datoer", "Udskriv datoer for valgte år", "" },
};

} // namespace

FrameCommands::FrameCommands(QObject *parent)
    : QObject(parent)
{
    for (const CommandSpec &spec : kCommands) {
        auto *action = new QAction(QString::fromUtf8(spec.caption), this);
        const QString name = QString::fromLatin1(spec.name);
        action->setObjectName(name);
        const QString hint = QString::fromUtf8(spec.hint);
        action->setToolTip(Hint::shortPart(hint));
        action->setStatusTip(hint);
        QList<QKeySequence> keys;
        for (const QString &key : QString::fromLatin1(spec.shortcuts).split(u';', Qt::SkipEmptyParts))
            keys << QKeySequence(key, QKeySequence::PortableText);
        action->setShortcuts(keys);
        // Shortcuts work wherever the focus is inside the frame, documents included.
        action->setShortcutContext(Qt::WindowShortcut);
        byName_.insert(name, action);
    }
}

QAction *FrameCommands::get(const QString &name) const
{
    QAction *action = byName_.value(name);
    Q_ASSERT_X(action, "FrameCommands::get", qPrintable(name));
    return action;
}
