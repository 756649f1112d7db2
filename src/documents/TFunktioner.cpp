#include "documents/TFunktioner.h"

#include "app/AppContext.h"
#include "app/FrameInterface.h"
#include "documents/DocumentArea.h"
#include "documents/DocumentWindow.h"
#include "platform/FileNames.h"
#include "platform/Shell.h"

#include <QFileInfo>
#include <QLocale>

namespace {

const QStringList kShellExtensions = {
    // media and programs
    QStringLiteral(".exe"), QStringLiteral(".mp3"), QStringLiteral(".mp4"), QStringLiteral(".m4v"),
    QStringLiteral(".avi"), QStringLiteral(".mov"), QStringLiteral(".wmv"), QStringLiteral(".mpg"),
    QStringLiteral(".ts"), QStringLiteral(".m4a"), QStringLiteral(".wpl"), QStringLiteral(".pdf"),
    // pictures and office files
    QStringLiteral(".bmp"), QStringLiteral(".jpg"), QStringLiteral(".ico"), QStringLiteral(".gif"),
    QStringLiteral(".png"), QStringLiteral(".jpeg"), QStringLiteral(".tif"), QStringLiteral(".tiff"),
    QStringLiteral(".emf"), QStringLiteral(".wmf"), QStringLiteral(".mdb"), QStringLiteral(".pub")
};

const QStringList kRefusedExtensions = { QStringLiteral(".dfs"), QStringLiteral(".opt"),
    QStringLiteral(".opx"), QStringLiteral(".dll"), QStringLiteral(".ocx"), QStringLiteral(".url") };

const QString kRichExtension = QStringLiteral(".rtf");

QString shellErrorText(int code)
{
    switch (code) {
    case 0:
        return QStringLiteral("Operationssystemet er løbet tør for hukommelse eller resourcer.");
    case 2:
        return QStringLiteral("Den specificerede fil blev ikke fundet.");
    case 3:
        return QStringLiteral("Stien blev ikke fundet.");
    case 5:
        return QStringLiteral("Operationssystemet forbød adgang til filen.");
    case 8:
        return QStringLiteral("Der var ikke hukommelse nok til at fuldføre operationen.");
    case 11:
        return QStringLiteral("Invalid exe fil (non-Microsoft Win32 .exe eller fejl i .exe image).");
    case 26:
        return QStringLiteral("Der opstod en \"sharing violation\".");
    case 27:
        return QStringLiteral("Filnavnsassociatonen er ukomplet eller invalid");
    case 28:
        return QStringLiteral("\"DDE transaction\" kunne ikke udføres fordi \"the request timed out\".");
    case 29:
        return QStringLiteral("\"DDE transaction\" mislykkedes.");
    case 30:
        return QStringLiteral("Den \"Dynamic Data Exchange (DDE) transaction\" kunne ikke fuldføres\r"
                              "fordi andre \"DDE transactions\" skulle udføres.");
    case 31:
        return QStringLiteral(
            "Der er ikke associeret noget program til givne filefternavn.\r"
            "Der er muligvist valgt: For redigering.\rDer skal muligvist vælges: For kørsel.");
    case 32:
        return QStringLiteral("Det specificerede \"dynamic-link library (DLL)\" blev ikke fundet.");
    default:
        return QStringLiteral("Meningsløs operation eller ukendt fejl.");
    }
}

} // namespace

TFunktioner::TFunktioner(AppContext &context, DocumentArea &documents, WindowMaker makeWindow)
    : context_(context)
    , documents_(documents)
    , makeWindow_(std::move(makeWindow))
{
    loadFiletypeListe();
}

void TFunktioner::loadFiletypeListe()
{
    filtypeListe_ = { QStringLiteral(".txt"), QStringLiteral(".rtf"), QStringLiteral(".html"),
        QStringLiteral(".asp"), QStringLiteral(".inc"), QStringLiteral(".asa"), QStringLiteral(".css"),
        QStringLiteral(".js"), QStringLiteral(".vbs"), QStringLiteral(".wsf"), QStringLiteral(".bat"),
        QStringLiteral(".ps1") };
}

bool TFunktioner::KontrolEXT(const QString &ext) const
{
    return filtypeListe_.contains(ext, Qt::CaseInsensitive);
}

QString TFunktioner::extensionOf(const QString &fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot);
}

bool TFunktioner::extKontrol(const QString &aFilename) const
{
    if (!QFileInfo::exists(aFilename)) {
        context_.inform(QStringLiteral("Filen:\r") + aFilename + QStringLiteral("\rblev ikke fundet."));
        return false;
    }
    const QString mask = u'*' + extensionOf(aFilename);
    const QStringList &types = context_.fields.extListe;
    if (types.isEmpty())
        return true;
    for (qsizetype group = 0; group + 2 < types.size(); group += 3) {
        if (types[group + 1].compare(mask, Qt::CaseInsensitive) == 0
            && types[group + 2] == QLatin1String("1"))
            return true;
    }
    return false;
}

void TFunktioner::openwin(const QString &requestedName, const QString &fExt)
{
    // Every name that reaches a window is absolute, whichever way it came in: a name relative to the
    // folder the program was started from would name another file once a list or another run has it.
    const QString fName = FileNames::absolute(requestedName);
    FrameFields &fields = context_.fields;
    fields.docFilnavn = fName;
    ++fields.newCount;
    const QFileInfo file(fName);
    const bool exists = !fName.isEmpty() && file.exists();
    fields.docExt = (exists ? extensionOf(fName) : fExt).toLower();
    const bool rich = fields.docExt == kRichExtension;

    if (fName.isEmpty()) {
        makeWindow_(rich);
        return;
    }
    if (!KontrolEXT(fields.docExt)) {
        if (kShellExtensions.contains(fields.docExt)) {
            context_.platform.shell.openFile(fName);
            return;
        }
        if (kRefusedExtensions.contains(fields.docExt))
            return;
    }
    for (DocumentWindow *window : documents_.windowsInOrder()) {
        if (window->isRichText() == rich && FileNames::sameFile(window->Filnavn(), fName)) {
            context_.frame->hideOptionsPage();
            documents_.activate(window);
            return;
        }
    }
    if (!exists)
        return;
    if (!extKontrol(fName)
        && !context_.ask(QStringLiteral("Filtype: ") + fields.docExt + QStringLiteral("\r\r")
                + QStringLiteral("Filtypen er ikke indført eller afkrydset i listen over tekstfiler, der kan "
                                 "åbnes til redigering. ")
                + QStringLiteral("\r\r")
                + QStringLiteral("Filtypen kan indføres i Filtypeboksen, så der ikke spørges en anden gang.")
                + QStringLiteral("\r\r") + QStringLiteral("Skal den åbnes til redigering?"),
            AppContext::Safe::Yes))
        return;
    makeWindow_(rich);
}

void TFunktioner::runFilname(const QString &aFilename, int fileRunNumber) const
{
    if (!QFileInfo::exists(aFilename))
        return;
    Shell &shell = context_.platform.shell;
    int result;
    if (fileRunNumber != 0)
        result = shell.editFile(aFilename);
    else if (extensionOf(aFilename).compare(QLatin1String(".bat"), Qt::CaseInsensitive) == 0)
        result = shell.runBatchFile(aFilename);
    else
        result = shell.openFile(aFilename);
    if (result <= 32)
        ErrorInfo(result);
}

void TFunktioner::OpenFilen(const QString &aFilnavn, bool forRedigering) const
{
    Shell &shell = context_.platform.shell;
    const int result = forRedigering ? shell.editFile(aFilnavn) : shell.openFile(aFilnavn);
    if (result <= 32)
        ErrorInfo(result);
}

void TFunktioner::ErrorInfo(int Nr) const
{
    context_.inform(QStringLiteral("Fejlinformation:\r") + shellErrorText(Nr));
}

QString TFunktioner::getFileSizeString(const QString &aFilename)
{
    const QFileInfo file(aFilename);
    if (!file.exists())
        return {};
    const qint64 bytes = file.size();
    const int digits = int(QString::number(bytes).size());
    static const char *const units[] = { " KB", " MB", " GB", " TB" };
    if (digits <= 3)
        return QLocale().toString(bytes) + QStringLiteral(" bytes");
    const int power = std::min((digits - 1) / 3, 4);
    double value = double(bytes);
    for (int i = 0; i < power; ++i)
        value /= 1024.0;
    return QLocale().toString(value, 'f', 2) + QLatin1String(units[power - 1]);
}
