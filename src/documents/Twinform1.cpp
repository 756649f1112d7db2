#include "documents/Twinform1.h"

#include "app/AccessibleName.h"
#include "app/AppContext.h"
#include "app/CommandButton.h"
#include "app/DateService.h"
#include "app/FrameInterface.h"
#include "app/Hint.h"
#include "app/Options.h"
#include "app/PlainTextClipboard.h"
#include "documents/DocumentArea.h"
#include "documents/DocumentCommand.h"
#include "documents/DocumentFrameLink.h"
#include "documents/EditCommands.h"
#include "documents/PlainEditor.h"
#include "documents/RightClickMenuSwitch.h"
#include "documents/SearchWord.h"
#include "documents/TFunktioner.h"
#include "documents/WebSearchCommands.h"
#include "documents/find/FindReplace.h"
#include "documents/links/LinkActivation.h"
#include "documents/loading/DocumentLoader.h"
#include "documents/loading/EditingKeys.h"
#include "documents/model/Document.h"
#include "documents/model/LineEndTracker.h"
#include "documents/position/PositionTracker.h"
#include "documents/print/DocumentPrinting.h"
#include "documents/spelling/SpellingMenu.h"
#include "documents/spelling/TextMarker.h"
#include "platform/Shell.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

void offerChoice(const Options::Choice &choice, QComboBox *box)
{
    box->addItems(choice.entries);
    box->setMaxVisibleItems(std::max(1, box->count()));
    box->setCurrentIndex(choice.current);
}

} // namespace

Twinform1::Twinform1(AppContext &context, QWidget *parent)
    : DocumentWindow(parent)
    , context_(context)
{
    setAttribute(Qt::WA_DeleteOnClose, false); // the sub-window around it owns and deletes it
    context.frame->hideOptionsPage();

    Editor = new PlainEditor(this);
    nameEditorAfterCaption(Editor);
    document_ = new Document(context, *Editor->document(), file_, this);
    frameLink_ = new DocumentFrameLink(context, *document_, *this);
    Editor->viewport()->installEventFilter(this);
    Editor->installEventFilter(this);
    Editor->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Editor, &QWidget::customContextMenuRequested, this, &Twinform1::showContextMenu);
    lineEnds_ = new LineEndTracker(*Editor->document(), this);
    position_ = new PositionTracker(*Editor);
    // Counts below what the editor has shown come in later: the "Fil" page follows the position display.
    connect(position_, &PositionTracker::measured, this, [this] {
        XYinfo();
        if (frameLink_->isActive() && !isLoading())
            context_.frame->udskrivFilInfo();
    });
    marker_ = new TextMarker(*Editor, context.spelling);
    spellingMenu_
        = new SpellingMenu(*Editor, context.spelling, [this](const QString &text) { context_.inform(text); });
    new LinkActivation(
        *Editor, context.platform.shell, [this](int code) { context_.frame->funk()->ErrorInfo(code); });

    buildCommands();
    buildToolPanel();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(redskabsPanel);
    layout->addWidget(Editor, 1);

    const Options &options = *context.options;
    offerChoice(options.fontNameChoice(), fontnameBox);
    offerChoice(options.fontSizeChoice(), fontsizeBox);
    setEditorMargins(options.wideMargins() ? 70 : 8);
    redskabsPanel->setVisible(options.showToolPanel());
    applyFont();

    // The window starts with the right-click menu the options name: their "Stavekontrol" entry is the
    // editor's spelling menu, the other one the window's own.
    menuSwitch_ = new RightClickMenuSwitch(
        *puButton, *PUwin, *spellingMenu_, options.rightClick() != Options::RightClick::FunctionsMenu);
    connect(menuSwitch_, &RightClickMenuSwitch::switched, this, &Twinform1::updateCommands);
    loadDocument();
    setWindowTitle(document_->capNavn());
    Editor->setModified(false);

    // Keys and the mouse refresh the position display as they are released; this covers the caret moved by
    // a command (a date text, a holiday list, a paste from the menu).
    connect(Editor, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        XYinfo();
        updateCommands();
    });
    connect(Editor, &QPlainTextEdit::selectionChanged, this, &Twinform1::updateCommands);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &Twinform1::updateCommands);
    connect(
        context.frame->documents(), &DocumentArea::documentActivated, this, [this](DocumentWindow *window) {
            if (window == this)
                FormActivate();
        });
    updateCommands();
}

Twinform1::~Twinform1() = default;

QString Twinform1::Filnavn() const
{
    return document_->Filnavn();
}

QString Twinform1::capNavn() const
{
    return document_->capNavn();
}

bool Twinform1::isModified() const
{
    return document_->isModified();
}

void Twinform1::buildCommands()
{
    edit_ = new EditCommands(*this, *Editor,
        { { QStringLiteral("Annuller"), QStringLiteral("Annuller sidste aktion: Ctrl+Z og Ctrl+Y") },
            { QStringLiteral("Klip"), QStringLiteral("Klip valgte tekst til klipbordet: Ctrl+X") },
            { QStringLiteral("Kopier"), QStringLiteral("Kopier valgte område til klipbordet: Ctrl+C") },
            { QStringLiteral("Indsæt"), QStringLiteral("Indsæt tekstindhold fra klipbordet: Ctrl+V") },
            { QStringLiteral("Vælg alt"), QStringLiteral("Vælg hele dokumentet: Ctrl+A") },
            { QStringLiteral("Slet"), QStringLiteral("Slet valgte tekst: Del") } });
    aStavekontrol = DocumentCommand::create(
        this, QStringLiteral("Udfør"), QStringLiteral("Udfør stavekontrol på hele dokumentet"));
    auto *searches = new WebSearchCommands(*this, context_.platform.shell, [this] { return getTheWord(); });
    googleUrl = searches->googleUrl;
    bingUrl = searches->bingUrl;
    tubeUrl = searches->tubeUrl;

    // Plain text only, whatever the clipboard holds besides; the clipboard keeps the plain text.
    connect(edit_->pasteFromInfo, &QAction::triggered, this, [this] {
        context_.plainClipboard->makeClipboardPlain();
        Editor->paste();
    });
    // Has the whole text examined again; the clipboard and the modified state stay as they are.
    connect(aStavekontrol, &QAction::triggered, this, [this] {
        marker_->remarkAll();
        Editor->setSelection(0, 0);
        Editor->setFocus();
    });

    PUwin = new QMenu(this);
    PUwin->addAction(edit_->EditUndo1);
    PUwin->addSeparator();
    PUwin->addActions({ edit_->EditCut1, edit_->EditCopy1, edit_->EditPaste1, edit_->pasteFromInfo });
    PUwin->addSeparator();
    PUwin->addActions({ edit_->EditSelectAll1, edit_->EditDelete1 });
    PUwin->addSeparator();
    PUwin->addAction(context_.frame->command(QStringLiteral("winLuk")));
    PUwin->addAction(context_.frame->command(QStringLiteral("winLukAlle")));
}

// The panel is a tool bar with the position display at its right. In a tool bar, what does not fit goes
// behind the bar's extension button instead of widening the window past the frame; the position display
// stands beside the bar, so it stays in sight at every width.
void Twinform1::buildToolPanel()
{
    redskabsPanel = new QWidget(this);
    auto *tools = new QToolBar(redskabsPanel);
    tools->setIconSize(QSize(16, 16));

    fontnameBox = new QComboBox(tools);
    fontsizeBox = new QComboBox(tools);
    AccessibleName::unseenLabel(fontnameBox, QStringLiteral("Fontnavn"));
    AccessibleName::unseenLabel(fontsizeBox, QStringLiteral("Størrelse"));
    connect(fontnameBox, &QComboBox::currentIndexChanged, this, &Twinform1::applyFont);
    connect(fontsizeBox, &QComboBox::currentIndexChanged, this, &Twinform1::applyFont);

    wordwrapCheck = new QCheckBox(QStringLiteral("Tekstopbrydning"), tools);
    wordwrapCheck->setChecked(true);
    connect(wordwrapCheck, &QCheckBox::toggled, Editor, &PlainEditor::setWordWrap);

    funkButton1 = new QToolButton(tools);
    funkButton1->setText(QStringLiteral("Fil"));
    Hint::set(funkButton1, QStringLiteral("Åben filmenuen"));
    funkButton1->setPopupMode(QToolButton::InstantPopup);
    funkButton1->setAutoRaise(true);

    puButton = new QToolButton(tools);
    puButton->setAutoRaise(true);
    puButton->setText(QStringLiteral("Skift popup"));
    Hint::set(puButton, QStringLiteral("Skift popup-menu"));

    tools->addWidget(fontnameBox);
    tools->addWidget(fontsizeBox);
    tools->addWidget(wordwrapCheck);
    tools->addWidget(funkButton1);
    tools->addAction(context_.frame->command(QStringLiteral("fileGem")));
    tools->addAction(context_.frame->command(QStringLiteral("fileGemSom")));
    // The "Fil" drop-down stands beside it: the page's button takes a caption of its own.
    tools->addWidget(new CommandButton(
        context_.frame->command(QStringLiteral("openMenu1")), tools, QStringLiteral("Filmenu")));
    tools->addActions({ bingUrl, googleUrl, tubeUrl });
    tools->addWidget(puButton);
    tools->addAction(aStavekontrol);
    SpeedButton15 = qobject_cast<QToolButton *>(tools->widgetForAction(aStavekontrol));
    AccessibleName::ofExtensionButton(tools);

    // Made in reading order, the order in which a screen reader reads them.
    auto *position = new QWidget(redskabsPanel);
    auto *positionRow = new QHBoxLayout(position);
    positionRow->setContentsMargins(4, 0, 8, 0);
    positionRow->setSpacing(0);
    positionRow->addWidget(new QLabel(QStringLiteral("Pos: "), position));
    posLabel = new QLabel(QStringLiteral("0,0"), position);
    positionRow->addWidget(posLabel);
    positionRow->addWidget(new QLabel(QStringLiteral("  Antal linjer: "), position));
    antalLabel = new QLabel(QStringLiteral("0"), position);
    positionRow->addWidget(antalLabel);
    position->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);

    auto *row = new QHBoxLayout(redskabsPanel);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(tools, 1);
    row->addWidget(position);

    auto *dropDownPU = new QMenu(funkButton1);
    dropDownPU->addActions(PUwin->actions());
    dropDownPU->addSeparator();
    for (const char *print : { "udskrivDokument", "visUdskrift", "gemSomPdf" })
        dropDownPU->addAction(context_.frame->command(QString::fromLatin1(print)));
    funkButton1->setMenu(dropDownPU);
}

void Twinform1::loadDocument()
{
    if (context_.fields.docRecovering) {
        // The text comes from a recovery copy (restore()); the file stays as it is on disk.
        if (document_->hasFile())
            frameLink_->opened();
        return;
    }
    if (!document_->hasFile())
        return;
    loader_ = new DocumentLoader(this);
    connect(loader_, &DocumentLoader::finished, this, &Twinform1::loadingFinished);
    connect(loader_, &DocumentLoader::failed, this, &Twinform1::loadingFailed);
    connect(loader_, &DocumentLoader::progress, this, [this](qint64 read, qint64 total) {
        if (frameLink_->isActive() && total > 0)
            context_.frame->UdskrivInfo(QStringLiteral("Indlæser ") + document_->capNavn()
                + QStringLiteral(": ") + QString::number(read * 100 / total) + QStringLiteral(" %"));
    });
    if (!loader_->start(document_->Filnavn(), *Editor)) {
        document_->readFailed(loader_->errorText());
        return;
    }
    document_->setLoading(loader_->isLoading());
    // The caret starts at the top; the rest of a big file streams in below it.
    Editor->moveCursor(QTextCursor::Start);
    if (document_->hasFile())
        frameLink_->opened();
}

RecoveryCopy Twinform1::recoveryCopy() const
{
    RecoveryCopy copy;
    copy.kind = RecoveryCopy::Kind::PlainText;
    copy.fileName = document_->Filnavn();
    copy.untitledNumber = document_->untitledNumber();
    copy.encoding = file_.encoding();
    copy.lineEnding = file_.lineEnding();
    copy.lineEndExceptions = LineEndTracker::exceptionsIn(*Editor->document());
    copy.caret = Editor->textCursor().position();
    copy.text = LineEndTracker::exactText(*Editor->document());
    return copy;
}

void Twinform1::restore(const RecoveryCopy &copy)
{
    if (loader_ && loader_->isLoading()) {
        loader_->cancel();
        if (!frameLink_->opstart())
            context_.frame->setTabLoading(this, false);
    }
    document_->setLoading(false);
    Editor->document()->setPlainText(copy.text);
    lineEnds_->mark(copy.lineEndExceptions);
    file_.adopt(copy.encoding, copy.lineEnding);
    QTextCursor caret(Editor->document());
    caret.setPosition(std::clamp(copy.caret, 0, Editor->document()->characterCount() - 1));
    Editor->setTextCursor(caret);
    document_->setModified(true);
}

bool Twinform1::isLoading() const
{
    return document_->isLoading();
}

void Twinform1::loadingFinished()
{
    file_.adopt(loader_->encoding(), loader_->lineEnding());
    lineEnds_->mark(loader_->lineEndExceptions());
    document_->setLoading(false);
    if (frameLink_->opstart())
        return; // read whole during creation; the first activation shows everything
    context_.frame->setTabLoading(this, false);
    if (frameLink_->isActive()) {
        context_.frame->UdskrivInfo(QString());
        context_.frame->udskrivFilInfo();
        XYinfo();
    }
}

void Twinform1::loadingFailed(const QString &reason)
{
    document_->setLoading(false);
    context_.frame->setTabLoading(this, false);
    document_->readFailed(reason);
}

void Twinform1::setEditorMargins(int pixels)
{
    Editor->setSideMargins(pixels);
}

void Twinform1::applyFont()
{
    QFont font = Editor->font();
    if (fontnameBox->currentIndex() >= 0)
        font.setFamily(fontnameBox->currentText());
    if (const int points = fontsizeBox->currentText().toInt(); points > 0)
        font.setPointSize(points);
    Editor->setTextFont(font);
}

void Twinform1::FormActivate()
{
    frameLink_->FormActivate();
    context_.frame->Datoer().SetEditor(Editor);
    XYinfo();
}

void Twinform1::XYinfo()
{
    const PositionTracker::Position at = position_->position();
    LinieAntal = at.lineCount;
    posY = at.line;
    posX = at.column;
    antalLabel->setText(QString::number(LinieAntal));
    posLabel->setText(QString::number(posY + 1) + u',' + QString::number(posX));
}

void Twinform1::filInformation()
{
    frameLink_->show(document_->filInformation([this] {
        return Document::TextCounts { position_->characterCount(file_.lineEnding()),
            position_->lineCountWithoutEmptyLast() };
    }));
}

void Twinform1::Gem()
{
    document_->Gem();
}

void Twinform1::GemSom()
{
    document_->GemSom();
}

void Twinform1::udskrivDokument()
{
    DocumentPrinting(context_).udskrivDokument(*this);
}

const QTextDocument *Twinform1::printableDocument()
{
    return document_->printableText();
}

int Twinform1::FindOrd()
{
    return FindReplace(*Editor, context_.frame->searchControls(), [this] { XYinfo(); }).FindOrd();
}

int Twinform1::ErstatTekst()
{
    return FindReplace(*Editor, context_.frame->searchControls(), [this] { XYinfo(); }).ErstatTekst();
}

void Twinform1::showRedskabsPanel()
{
    redskabsPanel->setVisible(!redskabsPanel->isVisible());
}

// The window's own menu; while it is off, the spelling menu answers the right-click before this.
void Twinform1::showContextMenu(const QPoint &position)
{
    menuSwitch_->showFunctionsMenu(*Editor->viewport(), position);
}

void Twinform1::updateCommands()
{
    edit_->update();
    aStavekontrol->setEnabled(!menuSwitch_->usesFunctionsMenu());
}

QString Twinform1::getTheWord() const
{
    const QTextCursor cursor = Editor->textCursor();
    return SearchWord::getTheWord(
        cursor.selectedText(), cursor.block().text(), cursor.position() - cursor.block().position());
}

bool Twinform1::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        // The editor takes no edits until the whole file is in; say so rather than drop the key silently.
        if (watched == Editor && isLoading() && EditingKeys::changesText(*static_cast<QKeyEvent *>(event)))
            context_.frame->showStatusNotice(document_->capNavn()
                + QStringLiteral(" indlæses stadig og kan ikke ændres, før hele filen er indlæst."));
        break;
    case QEvent::KeyRelease:
        XYinfo();
        break;
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            musNede_ = true;
        break;
    case QEvent::MouseMove:
        if (musNede_)
            XYinfo();
        break;
    case QEvent::MouseButtonRelease:
        musNede_ = false;
        XYinfo();
        break;
    default:
        break;
    }
    return DocumentWindow::eventFilter(watched, event);
}

void Twinform1::closeEvent(QCloseEvent *event)
{
    if (!document_->FormCloseQuery()) {
        event->ignore();
        return;
    }
    frameLink_->FormClose();
    context_.frame->Datoer().releaseEditor(Editor);
    event->accept();
}
