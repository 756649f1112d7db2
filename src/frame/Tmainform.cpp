#include "frame/Tmainform.h"

#include "app/AppContext.h"
#include "app/AppIcon.h"
#include "app/CommandButton.h"
#include "app/FileMessages.h"
#include "app/Hint.h"
#include "app/RadioGroup.h"
#include "app/ScreenPlacement.h"
#include "app/SettingsFile.h"
#include "app/StorageLayout.h"
#include "app/WholeOnScreenWhenShown.h"
#include "dates/TDatoer.h"
#include "dates/YearChooser.h"
#include "documents/DocumentArea.h"
#include "documents/DocumentWindow.h"
#include "documents/TFunktioner.h"
#include "documents/Twinform1.h"
#include "documents/Twinform2.h"
#include "documents/recovery/RecoveryService.h"
#include "documents/spelling/SpellingService.h"
#include "frame/DateCommands.h"
#include "frame/DocumentKeyPriority.h"
#include "frame/DocumentTabStrip.h"
#include "frame/FrameClientArea.h"
#include "frame/FrameCommandHandlers.h"
#include "frame/FrameCommands.h"
#include "frame/MainMenuPanel.h"
#include "frame/MenuBook.h"
#include "frame/MenuPanelController.h"
#include "frame/MessageCentre.h"
#include "frame/OpenDocumentsMenu.h"
#include "frame/OpenDocumentsRecord.h"
#include "frame/RecoveryOffer.h"
#include "frame/StatusTipRouter.h"
#include "lists/Tfavoritform.h"
#include "lists/Tfilform.h"
#include "lists/Tmappefilform.h"
#include "lists/Topenform.h"
#include "options/Toptform.h"
#include "platform/FileNames.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kStatusLineMinHeight = 19;
constexpr int kStatusLineMaxHeight = 25;
// Long enough to be read at a glance, short enough not to hide the status text for long.
constexpr int kStatusNoticeMilliseconds = 3000;

struct StandardSize {
    unsigned width;
    unsigned height;
    int editorMargin;
};

StandardSize standardSizeFor(bool withMargins)
{
    return withMargins ? StandardSize { 861, 800, 70 } : StandardSize { 728, 700, 8 };
}

} // namespace

Tmainform::Tmainform(AppContext &context)
    : context_(context)
    , fields_(context.fields)
{
    context.frame = this;
    setWindowTitle(QStringLiteral("Skrivora3"));
    setWindowIcon(AppIcon::icon());

    // The creation step, in its fixed order.
    fields_.opstart = true;
    fields_.extListe.clear();
    storageFailure_ = StorageLayout::settle(fields_, context.platform.dataRoot, context.platform.userName);
    setWindowTitle(QStringLiteral("Velkommen ") + fields_.Brugernavn);
    commands_ = new FrameCommands(this);
    buildDocumentInfo(); // the menu book's pages show these fields
    buildLayout();
    fields_.menuBogHeight = 108;
    context.spelling = new SpellingService(
        context.platform.dictionaryFolders, SpellingService::userWordsPath(fields_.OptMappe), this);
    funk_ = std::make_unique<TFunktioner>(
        context, *documents_, [this](bool rich) { createDocumentWindow(rich); });
    settings_ = std::make_unique<SettingsFile>(fields_.optFilnavn);
    defaultOpt();
    HentOpt();

    // A position from a screen that has been removed since, or a size no screen holds, would leave the
    // frame out of reach; one hanging off the screen's edge would hide its tabs and status line.
    const QList<QRect> screens = ScreenPlacement::availableScreens();
    resize(ScreenPlacement::fittedSize(size(), screens));
    move(ScreenPlacement::wholePosition(QRect(pos(), frameGeometry().size()), screens));
    WholeOnScreenWhenShown::watch(this);

    hintRouter_ = new StatusTipRouter([this](const QString &hint) { HintInfo(hint); }, this);
    qApp->installEventFilter(hintRouter_);

    Datoer_ = new TDatoer(context.platform.clock, this);
    dateCommands_ = new DateCommands(*Datoer_, menuBook_->dateControls(), context.platform.clock, *documents_,
        *commands_, *handlers_, this);
    new MessageCentre(menuBook_->messageCentre(), context, *commands_, this);
    new DocumentKeyPriority(commands_->all(), this);
    recordOpenDocuments();
    offerRecovery();
}

void Tmainform::recordOpenDocuments()
{
    OpenDocumentsRecord::Hooks hooks;
    hooks.keepDocuments = [this] { return context_.options && context_.options->reopenDocuments(); };
    hooks.openFiles = [this] {
        QStringList files;
        for (const DocumentWindow *window : documents_->windowsInOrder())
            files << window->Filnavn();
        return files;
    };
    hooks.reportFailure = [this](const QString &message) { context_.inform(message); };
    openDocuments_ = new OpenDocumentsRecord(fields_.dokumentfil, std::move(hooks), this);
    // Kept in the window order as the program's close writes it; on the way out the frame writes the
    // list of the documents as they were before closing.
    const auto changed = [this] {
        if (!fields_.programClosing && !closed_)
            openDocuments_->changed();
    };
    connect(documents_, &DocumentArea::documentsChanged, this, changed);
    connect(documents_, &DocumentArea::documentActivated, this, changed);
}

Tmainform::~Tmainform() = default;

void Tmainform::buildLayout()
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    hovedmenuPanel = new MainMenuPanel(*commands_, central);
    layout->addWidget(hovedmenuPanel);

    // The book shows one page at a time without a row of tabs; the page buttons choose the page.
    menuBook_ = new MenuBook(*commands_, info_, central);
    menuBog = menuBook_;
    menuBog->hide();
    documents_ = new DocumentArea(central);
    client_ = new FrameClientArea(menuBog, documents_, central);
    layout->addWidget(client_, 1);

    tc = new DocumentTabStrip(central);
    tc->setObjectName(QStringLiteral("tc"));
    connect(tc, &DocumentTabStrip::tabChosen, this, &Tmainform::activateTab);
    connect(tc, &DocumentTabStrip::tabPressed, this, &Tmainform::showFileNameOfTab);
    connect(documents_, &DocumentArea::documentModificationChanged, tc, &DocumentTabStrip::setTabModified);
    connect(
        documents_, &DocumentArea::documentSaved, this, [this] { showStatusNotice(QStringLiteral("Gemt")); });
    layout->addWidget(tc);

    // A status bar, so screen readers find the status line; its permanent buttons keep to the right edge
    // whether the status text shows or not.
    bundPanel = new QStatusBar(central);
    bundPanel->setObjectName(QStringLiteral("bundPanel"));
    bundPanel->setSizeGripEnabled(false);
    Info = new QLabel(bundPanel);
    Info->setObjectName(QStringLiteral("Info"));
    Info->setMinimumHeight(kStatusLineMinHeight);
    Info->setMaximumHeight(kStatusLineMaxHeight);
    Info->setMinimumWidth(1);
    bundPanel->addWidget(Info, 1);
    bundPanel->addPermanentWidget(new CommandButton(command(QStringLiteral("aHovedmenu")), bundPanel));
    bundPanel->addPermanentWidget(new CommandButton(command(QStringLiteral("aRedskabslinje")), bundPanel));
    layout->addWidget(bundPanel);
    setCentralWidget(central);

    MainMenu = new QMenuBar(this);
    MainMenuPanel::fillMenuBar(MainMenu, *commands_);
    setMenuBar(MainMenu);
    MainMenu->addMenu(new OpenDocumentsMenu(*documents_, this));

    TrayIcon = new QSystemTrayIcon(AppIcon::icon(), this);
    TrayIcon->setToolTip(QStringLiteral("Skrivora"));
    connect(TrayIcon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            restoreFromTray();
    });

    addActions(commands_->all());
    connect(command(QStringLiteral("aProgramSize")), &QAction::triggered, this,
        [this] { resize(int(fields_.standardWidth), int(fields_.standardHeight)); });
    connectCommands();
}

void Tmainform::connectCommands()
{
    menuPanel_ = std::make_unique<MenuPanelController>(*menuBook_, *client_, *hovedmenuPanel, MainMenu,
        fields_.menuBogHeight,
        [this] { return context_.optform ? context_.optform->pagePanels() : QList<QWidget *> {}; });
    handlers_ = new FrameCommandHandlers(
        context_, *this, *commands_, *menuPanel_, menuBook_->searchControls(),
        [this](const QStringList &files) { openFiles(files); }, this);
}

void Tmainform::setMenuPanel(int page)
{
    menuPanel_->setMenuPanel(page);
}

void Tmainform::updateActions()
{
    handlers_->updateActions();
}

void Tmainform::showSearchPage(const QString &text)
{
    // The page command shows the page, or hides it when it shows already: only a hidden page is asked for.
    if (menuBook_->isHidden() || menuBook_->currentIndex() != MenuBook::Soeg)
        command(QStringLiteral("openMenu3"))->trigger();
    menuBook_->searchControls().ordEdit->setText(text);
}

const SearchPageControls &Tmainform::searchControls()
{
    return menuBook_->searchControls();
}

const DatePageControls &Tmainform::dateControls()
{
    return menuBook_->dateControls();
}

QPrinter &Tmainform::printer()
{
    return handlers_->printer();
}

// The fields describing the active document; the menu book's pages show them.
void Tmainform::buildDocumentInfo()
{
    auto nameField = [this](const QString &name) {
        auto *field = new QLineEdit(this);
        field->setObjectName(name);
        field->setReadOnly(true);
        field->setAccessibleName(QStringLiteral("Dokumentnavn"));
        field->hide();
        return field;
    };
    auto label = [this](const QString &name) {
        auto *line = new QLabel(this);
        line->setObjectName(name);
        line->hide();
        return line;
    };
    info_.filnavnEdit = nameField(QStringLiteral("filnavnEdit"));
    info_.docFilnavnEdit = nameField(QStringLiteral("docFilnavnEdit"));
    info_.skiftDocFilnavnEdit = nameField(QStringLiteral("skiftDocFilnavnEdit"));
    info_.filsizeLabel = label(QStringLiteral("filsizeLabel"));
    info_.antalLinjerLabel = label(QStringLiteral("antalLinjerLabel"));
    info_.filModificeretLabel = label(QStringLiteral("filModificeretLabel"));
    info_.reset();
}

DateService &Tmainform::Datoer()
{
    return *Datoer_;
}

QList<QAction *> Tmainform::commands()
{
    return commands_->all();
}

QAction *Tmainform::command(const QString &name)
{
    return commands_->get(name);
}

DocumentWindow *Tmainform::createDocumentWindow(bool rich)
{
    DocumentWindow *window = documents_->add([this, rich](QWidget *parent) -> DocumentWindow * {
        if (rich)
            return new Twinform2(context_, parent);
        return new Twinform1(context_, parent);
    });
    window->parentWidget()->showMaximized();
    return window;
}

void Tmainform::offerRecovery()
{
    recovery_ = new RecoveryService(
        fields_.OptMappe + u'/' + RecoveryStore::folderName(), *documents_, context_.platform.clock, this);
    connect(recovery_, &RecoveryService::copyFailed, this, [this](const QString &, const QString &reason) {
        UdskrivInfo(QStringLiteral("En gendannelseskopi kunne ikke gemmes: ") + reason);
    });
    if (!storageFailure_.isEmpty() || !recovery_->open())
        return; // documents get no copies this run; the status line says why once the frame shows
    RecoveryOffer::Hooks hooks;
    hooks.windowOf = [this](const QString &fileName) -> DocumentWindow * {
        for (DocumentWindow *window : documents_->windowsInOrder()) {
            if (FileNames::sameFile(window->Filnavn(), fileName))
                return window;
        }
        return nullptr;
    };
    hooks.openWindowFor = [this](const RecoveryCopy &copy) { return openRecovered(copy); };
    recoveryOffer_ = std::make_unique<RecoveryOffer>(context_, *recovery_, std::move(hooks));
}

// Through the hand-over fields, as the opening service creates a window, but without reading the file.
// A document without a name keeps its number unless an open window has that caption; later new
// documents count on from it, so no two windows share a caption.
DocumentWindow *Tmainform::openRecovered(const RecoveryCopy &copy)
{
    const bool rich = copy.kind == RecoveryCopy::Kind::RichText;
    const int counted = fields_.newCount + 1;
    int number = counted;
    if (copy.fileName.isEmpty() && copy.untitledNumber > 0) {
        number = copy.untitledNumber;
        for (const DocumentWindow *window : documents_->windowsInOrder()) {
            if (window->capNavn().compare(copy.caption(), Qt::CaseInsensitive) == 0)
                number = counted;
        }
    }
    fields_.docFilnavn = copy.fileName;
    fields_.docExt = rich ? QStringLiteral(".rtf") : QStringLiteral(".txt");
    fields_.newCount = number;
    fields_.docRecovering = true;
    DocumentWindow *window = createDocumentWindow(rich);
    fields_.docRecovering = false;
    fields_.newCount = std::max(counted, number);
    return window;
}

void Tmainform::writeRecoveryCopiesNow()
{
    if (recovery_)
        recovery_->writeEveryCopyNow();
}

void Tmainform::defaultOpt()
{
    resize(kDefaultWidth, kDefaultHeight);
    move(kDefaultLeft, kDefaultTop);
}

void Tmainform::HentOpt()
{
    // Missing: the defaults are in place already. Unreadable: a failure ends the reading silently.
    if (settings_->read() != SettingsFile::Status::Read)
        return;
    if (settings_->lines().size() != 5) {
        defaultOpt();
        return;
    }
    settings_->apply({
        SettingsLine::integer([this](int width) { resize(width, height()); }),
        SettingsLine::integer([this](int height) { resize(width(), height); }),
        SettingsLine::integer([this](int left) { move(left, y()); }),
        SettingsLine::integer([this](int top) { move(x(), top); }),
        SettingsLine::integer([this](int boxHeight) { fields_.filtypeBoksHeight = boxHeight; }),
    });
}

QRect Tmainform::storedGeometry() const
{
    if (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)) {
        const QPoint decoration = geometry().topLeft() - pos();
        const QRect normal = normalGeometry();
        return QRect(normal.topLeft() - decoration, normal.size());
    }
    return QRect(pos(), size());
}

void Tmainform::GemOpt()
{
    const QRect stored = storedGeometry();
    const QStringList lines
        = { QString::number(stored.width()), QString::number(stored.height()), QString::number(stored.left()),
              QString::number(stored.top()), QString::number(fields_.filtypeBoksHeight) };
    if (!settings_->write(lines))
        context_.inform(FileMessages::writeFailure(settings_->path(), settings_->error()));
}

void Tmainform::UdskrivInfo(const QString &text)
{
    Info->setText(text);
}

void Tmainform::HintInfo(const QString &hint)
{
    if (context_.options && context_.options->hintMode() == Options::HintMode::StatusLine)
        UdskrivInfo(Hint::longPart(hint));
}

void Tmainform::setStandardSize()
{
    const StandardSize standard = standardSizeFor(context_.options->wideMargins());
    fields_.standardWidth = standard.width;
    fields_.standardHeight = standard.height;
    for (DocumentWindow *window : documents_->windowsInOrder())
        window->setEditorMargins(standard.editorMargin);
    updateProgramSizeAction();
}

void Tmainform::updateProgramSizeAction()
{
    command(QStringLiteral("aProgramSize"))
        ->setEnabled(width() != int(fields_.standardWidth) || height() != int(fields_.standardHeight));
}

void Tmainform::hideOptionsPage()
{
    menuPanel_->hideOptionsPage();
}

void Tmainform::hideMenuBook()
{
    menuBog->hide();
}

void Tmainform::setTabStripVisible(bool visible)
{
    tc->setVisible(visible);
}

void Tmainform::setStatusLineVisible(bool visible)
{
    Info->setVisible(visible);
}

void Tmainform::setTrayIconEnabled(bool enabled)
{
    // Without a notification area the icon could not be seen, and a frame minimised to it could not be
    // reached again: the frame then stays in the taskbar.
    TrayIcon->setVisible(enabled && context_.platform.systemTrayAvailable);
}

void Tmainform::setHintRouting(bool toHintInfo)
{
    hintRouter_->setEnabled(toHintInfo);
}

void Tmainform::removeMainMenu()
{
    delete MainMenu; // the guarded pointer becomes null
}

void Tmainform::doHandling(int actionNo)
{
    DocumentWindow *window = documents_->activeDocument();
    if (!window) {
        if (actionNo == 2)
            info_.reset();
        return;
    }
    switch (actionNo) {
    case 0:
        window->Gem();
        break;
    case 1:
        window->GemSom();
        break;
    case 2:
        window->filInformation();
        break;
    case 3:
        window->udskrivDokument();
        break;
    case 4:
        showMatchCount(window->FindOrd());
        break;
    case 5:
        showMatchCount(window->ErstatTekst());
        break;
    case 6:
        window->showRedskabsPanel();
        break;
    }
}

void Tmainform::showMatchCount(int count)
{
    const QString text = QStringLiteral("Antal forekomster: ") + QString::number(count);
    menuBook_->searchControls().antalFundLabel->setText(text);
}

void Tmainform::udskrivFilInfo()
{
    doHandling(2);
}

void Tmainform::InsertTab()
{
    if (DocumentWindow *window = documents_->activeDocument())
        tc->InsertTab(window);
}

void Tmainform::SetTCindex()
{
    tc->selectTab(documents_->activeDocument());
}

void Tmainform::fokusTab(const QWidget *window)
{
    tc->selectTab(qobject_cast<const DocumentWindow *>(window));
}

void Tmainform::RenameTab(const QWidget *window, const QString &newCapNavn)
{
    tc->RenameTab(qobject_cast<const DocumentWindow *>(window), newCapNavn);
}

void Tmainform::CloseTab(const QWidget *window)
{
    tc->CloseTab(qobject_cast<const DocumentWindow *>(window));
}

void Tmainform::setTabLoading(const QWidget *window, bool loading)
{
    tc->setTabLoading(qobject_cast<const DocumentWindow *>(window), loading);
}

void Tmainform::showStatusNotice(const QString &text)
{
    bundPanel->showMessage(text, kStatusNoticeMilliseconds);
}

void Tmainform::activateTab(DocumentWindow *window)
{
    if (documents_->windowsInOrder().contains(window))
        documents_->activate(window);
}

void Tmainform::showFileNameOfTab(const DocumentWindow *window)
{
    if (!window)
        return;
    UdskrivInfo(window->Filnavn());
    hideOptionsPage();
}

void Tmainform::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // The start-up work runs at the first show only; later shows (restoring from the tray) must not
    // open the command line's documents again.
    if (!firstShowDone_ && fields_.opstart) {
        firstShowDone_ = true;
        FormShow();
    }
}

void Tmainform::FormShow()
{
    const Options &options = *context_.options;
    setTrayIconEnabled(options.trayIcon());
    setStandardSize();
    if (!options.showMenuBar())
        removeMainMenu();
    hovedmenuPanel->setVisible(options.showMainMenuPanel());

    // Written once all are open, so a question on the way cannot leave half the list behind.
    openDocuments_->hold();
    for (const QString &given : commandLineFiles_) {
        // The shell has removed the user's quoting already, and a name here may hold double quotes: as
        // given when that file exists, else without them, as a name quoted twice over would need.
        const QString name = QFileInfo(given).isFile() ? given : QString(given).remove(u'"');
        if (QFileInfo(name).isFile())
            funk_->openwin(name, {});
    }
    if (options.reopenDocuments() && QFileInfo::exists(fields_.dokumentfil)) {
        SettingsFile remembered(fields_.dokumentfil);
        if (remembered.read() == SettingsFile::Status::Read) {
            for (const QString &name : remembered.lines())
                funk_->openwin(name, {});
        }
    }
    openDocuments_->release();
    // Once the frame is on the screen, so the question has the program behind it.
    if (recoveryOffer_)
        QTimer::singleShot(0, this, [this] { recoveryOffer_->run(); });
    else if (recovery_ && !recovery_->error().isEmpty())
        UdskrivInfo(QStringLiteral("Gendannelseskopier kan ikke gemmes: ") + recovery_->error());

    dateCommands_->years().yearNuButtonClick();
    setTabStripVisible(options.showTabStrip());
    setAcceptDrops(true);
    if (options.minimiseAtStart())
        setWindowState(windowState() | Qt::WindowMinimized);
    if (TrayIcon->isVisible())
        return; // the start-up boxes open at the first restore from the tray
    if (options.minimiseAtStart())
        return; // no start-up box in this run
    fields_.opstart = false;
    showStartupBoxes();
}

void Tmainform::showStartupBoxes()
{
    const Options &options = *context_.options;
    if (options.showFoldersBoxAtStart())
        context_.mappefilform->show();
    if (options.showFavouritesBoxAtStart())
        context_.favoritform->show();
    if (options.showDocumentBoxAtStart())
        context_.filform->show();
}

void Tmainform::TrayIconRestoreApp()
{
    if (!fields_.opstart)
        return;
    fields_.opstart = false;
    showStartupBoxes();
}

void Tmainform::restoreFromTray()
{
    showNormal();
    raise();
    activateWindow();
    TrayIconRestoreApp();
}

void Tmainform::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (!fields_.opstart && context_.optform)
        context_.optform->setProgSize(width(), height());
    updateProgramSizeAction();
}

void Tmainform::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    // Minimised with the tray icon on, the frame leaves the taskbar: only the icon brings it back.
    if (event->type() == QEvent::WindowStateChange && isMinimized() && TrayIcon->isVisible())
        QTimer::singleShot(0, this, &QWidget::hide);
}

void Tmainform::dragEnterEvent(QDragEnterEvent *event)
{
    if (acceptDrops() && event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void Tmainform::dropEvent(QDropEvent *event)
{
    QStringList files;
    for (const QUrl &url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            files << url.toLocalFile();
    }
    event->acceptProposedAction();
    // Opening may ask questions; the drop itself is finished first so the source is not kept waiting.
    QTimer::singleShot(0, this, [this, files] { openFiles(files); });
}

void Tmainform::openFiles(const QStringList &files)
{
    if (files.isEmpty())
        return;
    if (context_.options->askBeforeOpen()
        && context_.openform->showModal(context_.platform.modal) == QDialog::Accepted) {
        context_.openform->applyChosenAction(files);
        return;
    }
    for (const QString &file : files)
        funk_->openwin(file, {});
}

void Tmainform::closeEvent(QCloseEvent *event)
{
    if (closeProgram()) {
        event->accept();
        QCoreApplication::quit();
    } else {
        event->ignore();
    }
}

bool Tmainform::closeProgram()
{
    if (closed_)
        return true;
    // Remembered in the order they had before closing; closing them activates one after another.
    QList<QPointer<DocumentWindow>> open;
    for (DocumentWindow *window : documents_->windowsInOrder())
        open << window;
    fields_.programClosing = true;
    if (!documents_->closeAll()) {
        fields_.programClosing = false;
        return false;
    }
    FormCloseQuery();
    FormClose(open);
    closed_ = true;
    return true;
}

void Tmainform::FormCloseQuery()
{
    setAcceptDrops(false);
    fields_.extListe.clear();
    context_.mappefilform->close();
    context_.favoritform->close();
    context_.optform->GemOpt();
}

void Tmainform::FormClose(const QList<QPointer<DocumentWindow>> &closedDocuments)
{
    writeDokumentfil(closedDocuments);
    GemOpt();
    // Every document has closed, saved or given up: the run ends without copies.
    if (recovery_)
        recovery_->close();
}

void Tmainform::writeDokumentfil(const QList<QPointer<DocumentWindow>> &documents)
{
    QStringList files;
    for (const DocumentWindow *window : documents) {
        if (window)
            files << window->Filnavn();
    }
    openDocuments_->writeNow(files);
}
