#include "frame/FrameCommandHandlers.h"

#include "app/AppContext.h"
#include "app/DocumentInfoWidgets.h"
#include "app/FrameInterface.h"
#include "app/SearchPageControls.h"
#include "app/WhenIdle.h"
#include "documents/DocumentArea.h"
#include "documents/DocumentWindow.h"
#include "documents/TFunktioner.h"
#include "documents/TileArrangement.h"
#include "documents/Ttypeform.h"
#include "documents/print/DocumentPrinting.h"
#include "frame/FrameCommands.h"
#include "frame/MenuBook.h"
#include "frame/MenuPanelController.h"
#include "frame/Tgenvejsform.h"
#include "lists/Tfavoritform.h"
#include "lists/Tfilform.h"
#include "lists/Tmappefilform.h"
#include "platform/widgets/FileDialogs.h"
#include "platform/widgets/ModalRunner.h"
#include "platform/widgets/Printing.h"
#include "search/Tfilmappeform.h"
#include "search/Tfindformen.h"

#include <QAction>
#include <QLineEdit>
#include <QMdiSubWindow>

#include <algorithm>

namespace {

bool boxIsHidden(const QWidget *box)
{
    return box && !box->isVisible();
}

} // namespace

FrameCommandHandlers::FrameCommandHandlers(AppContext &context, FrameInterface &frame,
    const FrameCommands &commands, MenuPanelController &menu, const SearchPageControls &search,
    FileOpener openFiles, QObject *parent)
    : QObject(parent)
    , context_(context)
    , frame_(frame)
    , commands_(commands)
    , menu_(menu)
    , search_(search)
    , openFiles_(std::move(openFiles))
{
    connectHandlers();
    addEnableRules();
    WhenIdle::run(this, [this] { updateActions(); });
}

FrameCommandHandlers::~FrameCommandHandlers() = default;

void FrameCommandHandlers::on(const char *command, std::function<void()> handler)
{
    connect(commands_.get(QString::fromLatin1(command)), &QAction::triggered, this,
        [handler = std::move(handler)] { handler(); });
}

void FrameCommandHandlers::connectHandlers()
{
    FrameInterface &frame = frame_;
    MenuPanelController &menu = menu_;
    auto dispatch = [&frame](int actionNo) { return [&frame, actionNo] { frame.doHandling(actionNo); }; };
    auto dispatchThenInfo = [&frame](int actionNo) {
        return [&frame, actionNo] {
            frame.doHandling(actionNo);
            frame.udskrivFilInfo();
        };
    };
    auto page = [&menu](int index) { return [&menu, index] { menu.setMenuPanel(index); }; };

    on("fileOpen", [this] { fileOpen(); });
    on("fileGem", dispatchThenInfo(0));
    on("fileGemSom", dispatchThenInfo(1));
    on("fileNewTxt", [&frame] { frame.funk()->openwin(QString(), QStringLiteral(".txt")); });
    on("fileNewRtf", [&frame] { frame.funk()->openwin(QString(), QStringLiteral(".rtf")); });
    on("opdaterFilinfo", [&frame] { frame.udskrivFilInfo(); });
    on("udskrivDokument", dispatch(3));
    on("printerEgenskaber",
        [this] { context_.platform.fileDialogs.printerSetup(frame_.frameWidget(), printer()); });
    on("visUdskrift", [this] {
        if (DocumentWindow *document = frame_.documents()->activeDocument())
            DocumentPrinting(context_).visUdskrift(*document);
    });
    on("gemSomPdf", [this] {
        if (DocumentWindow *document = frame_.documents()->activeDocument())
            DocumentPrinting(context_).gemSomPdf(*document);
    });

    on("openMenu1", [&frame, &menu] {
        menu.setMenuPanel(MenuBook::Fil);
        frame.udskrivFilInfo();
    });
    on("openMenu2", page(MenuBook::Dokument));
    on("openMenu3", page(MenuBook::Soeg));
    on("openMenu4", page(MenuBook::Vindue));
    on("openMenu7", page(MenuBook::Bokse));
    on("openMenu6", page(MenuBook::Egenskaber));
    on("openMenu5", page(MenuBook::Information));
    on("aMenuPanel", [&menu] { menu.aMenuPanel(); });
    on("aHovedmenu", [&menu] { menu.aHovedmenu(); });
    on("aRedskabslinje", [&frame, &menu] {
        menu.hideBook();
        frame.doHandling(6);
    });
    on("findTekst", dispatch(4));
    on("erstatTekst", dispatch(5));

    DocumentArea &documents = *frame.documents();
    on("WindowCascade", [&documents] { documents.cascadeSubWindows(); });
    on("WindowTileHorizontal",
        [&documents] { TileArrangement::tile(documents, TileArrangement::Direction::OneAboveTheOther); });
    on("WindowTileVertical",
        [&documents] { TileArrangement::tile(documents, TileArrangement::Direction::SideBySide); });
    on("WindowMinimizeAll", [&documents] {
        for (QMdiSubWindow *window : documents.subWindowList())
            window->showMinimized();
    });
    on("winLuk", [&documents] { documents.closeActiveSubWindow(); });
    on("winLukAlle", [this] { winLukAlle(); });

    AppContext &context = context_;
    on("mappefilBox", [this, &context] { showBox(context.mappefilform); });
    on("favoritBox", [this, &context] { showBox(context.favoritform); });
    on("insertFavoritliste", [this, &context] {
        showBox(context.favoritform);
        context.favoritform->insertFil->trigger();
    });
    on("dokumentBox", [this, &context] { showBox(context.filform); });
    on("aSearchTekst", [this, &context] { showBox(context.findformen); });
    on("aSearchMappeFiler", [this, &context] { showBox(context.filmappeform); });
    on("openFiltypeboksen", [&context] { context.platform.modal.exec(*context.typeform); });
    on("openGenvejsboksen", [this, &context] { showBox(context.genvejsform); });
    on("closeAllBokse", [this] { closeAllBokse(); });
}

void FrameCommandHandlers::addEnableRules()
{
    const AppContext &context = context_;
    auto documents = [this] { return hasDocuments(); };
    setEnableRule(
        QStringLiteral("fileGem"), [this, &context] { return hasDocuments() && context.fields.docModified; });
    setEnableRule(QStringLiteral("opdaterFilinfo"), [&context] { return context.fields.docModified; });
    for (const char *name :
        { "fileGemSom", "udskrivDokument", "visUdskrift", "gemSomPdf", "aRedskabslinje", "WindowCascade",
            "WindowTileHorizontal", "WindowTileVertical", "WindowMinimizeAll", "winLuk", "winLukAlle" })
        setEnableRule(QString::fromLatin1(name), documents);
    // A document still coming in would be searched only in part.
    auto searchText = [this] {
        const DocumentWindow *active = frame_.documents()->activeDocument();
        return hasDocuments() && !search_.ordEdit->text().isEmpty() && !(active && active->isLoading());
    };
    setEnableRule(QStringLiteral("findTekst"), searchText);
    setEnableRule(QStringLiteral("erstatTekst"), searchText);

    setEnableRule(QStringLiteral("mappefilBox"), [&context] { return boxIsHidden(context.mappefilform); });
    setEnableRule(QStringLiteral("favoritBox"), [&context] { return boxIsHidden(context.favoritform); });
    setEnableRule(QStringLiteral("insertFavoritliste"),
        [&context] { return !context.fields.dokumentFilnavn.isEmpty(); });
    setEnableRule(QStringLiteral("dokumentBox"), [&context] { return boxIsHidden(context.filform); });
    setEnableRule(QStringLiteral("aSearchTekst"), [&context] { return boxIsHidden(context.findformen); });
    setEnableRule(
        QStringLiteral("aSearchMappeFiler"), [&context] { return boxIsHidden(context.filmappeform); });
    setEnableRule(QStringLiteral("openFiltypeboksen"), [&context] { return boxIsHidden(context.typeform); });
    setEnableRule(
        QStringLiteral("openGenvejsboksen"), [&context] { return boxIsHidden(context.genvejsform); });
    setEnableRule(QStringLiteral("closeAllBokse"), [this] {
        const QList<QWidget *> boxes = closableBoxes();
        return std::any_of(
            boxes.begin(), boxes.end(), [](const QWidget *box) { return box && box->isVisible(); });
    });
}

void FrameCommandHandlers::setEnableRule(const QString &command, EnableRule rule)
{
    rules_.insert(command, std::move(rule));
}

void FrameCommandHandlers::updateActions()
{
    for (auto rule = rules_.cbegin(); rule != rules_.cend(); ++rule)
        commands_.get(rule.key())->setEnabled(rule.value()());
}

QPrinter &FrameCommandHandlers::printer()
{
    return context_.platform.printing.printer();
}

bool FrameCommandHandlers::hasDocuments() const
{
    return !frame_.documents()->windowsInOrder().isEmpty();
}

void FrameCommandHandlers::fileOpen()
{
    const QStringList files = context_.platform.fileDialogs.openFiles(
        frame_.frameWidget(), QStringLiteral("Åben"), context_.fields.openDialogFolder, QString());
    if (!files.isEmpty())
        openFiles_(files);
}

void FrameCommandHandlers::winLukAlle()
{
    // From the last in the window order to the first; each asks about its own changes.
    QList<DocumentWindow *> windows = frame_.documents()->windowsInOrder();
    bool allClosed = true;
    for (auto window = windows.crbegin(); window != windows.crend(); ++window) {
        auto *subWindow = qobject_cast<QMdiSubWindow *>((*window)->parentWidget());
        if (subWindow && !subWindow->close())
            allClosed = false;
    }
    // Closed windows are freed once control is back in the event loop; whether any is left is known now.
    if (allClosed)
        frame_.infoWidgets().reset();
}

QList<QWidget *> FrameCommandHandlers::closableBoxes() const
{
    return { context_.filform, context_.mappefilform, context_.favoritform, context_.findformen,
        context_.filmappeform };
}

void FrameCommandHandlers::closeAllBokse()
{
    for (QWidget *box : closableBoxes()) {
        if (box && box->isVisible())
            box->close();
    }
}

void FrameCommandHandlers::showBox(QWidget *box)
{
    if (!box)
        return;
    box->show();
    box->raise();
    box->activateWindow();
}
