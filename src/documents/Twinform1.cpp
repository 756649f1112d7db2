#include "documents/Twinform1.h"

#include "app/AppContext.h"
#include "app/DocumentInfoWidgets.h"
#include "app/DocumentListEvents.h"
#include "app/FileMessages.h"
#include "app/FrameInterface.h"
#include "app/Hint.h"
#include "app/Options.h"
#include "app/PlainTextClipboard.h"
#include "app/RadioGroup.h"
#include "app/TooltipSwitch.h"
#include "documents/DocumentArea.h"
#include "documents/LineEndTracker.h"
#include "documents/PlainEditor.h"
#include "documents/SearchWord.h"
#include "documents/TFunktioner.h"
#include "documents/links/LinkActivation.h"
#include "documents/loading/DocumentLoader.h"
#include "documents/position/PositionTracker.h"
#include "documents/spelling/SpellingMenu.h"
#include "documents/spelling/TextMarker.h"
#include "platform/Shell.h"
#include "platform/widgets/FileDialogs.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kSaveFilter = QStringLiteral(
    "Tekstdokument (.txt) (*.txt);;Rich Tekstdokument (.rtf) (*.rtf);;Alle filtyper (*.*) (*)");

QAction *command(QObject *parent, const QString &caption, const QString &hint, const QKeySequence &keys = {})
{
    auto *action = new QAction(caption, parent);
    action->setToolTip(Hint::shortPart(hint));
    action->setStatusTip(hint);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    return action;
}

QString bareName(const QString &path)
{
    return QFileInfo(path).fileName();
}

void offerChoice(const Options::Choice &choice, QComboBox *box)
{
    box->addItems(choice.entries);
    box->setMaxVisibleItems(std::max(1, box->count()));
    box->setCurrentIndex(choice.current);
}

} // namespace

Twinform1::Twinform1(AppContext &context)
    : context_(context)
{
    setAttribute(Qt::WA_DeleteOnClose, false); // the sub-window around it owns and deletes it
    context.frame->hideOptionsPage();
    opstart_ = true;

    Editor = new PlainEditor(this);
    Editor->viewport()->installEventFilter(this);
    Editor->installEventFilter(this);
    Editor->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Editor, &QWidget::customContextMenuRequested, this, &Twinform1::showContextMenu);
    lineEnds_ = new LineEndTracker(*Editor->document(), this);
    position_ = new PositionTracker(*Editor);
    connect(position_, &PositionTracker::measured, this, &Twinform1::XYinfo);
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

    Filnavn_ = context.fields.docFilnavn;
    // The right-click menu the options name: "Funktioner" is the window's own, "Stavekontrol" the editor's.
    // The switch below flips it once, so it starts as the opposite of what the options name.
    usesFunctionsMenu_ = options.rightClick() == Options::RightClick::FunctionsMenu;
    puButtonClick();
    loadDocument();
    setWindowTitle(capNavn_);
    Editor->setModified(false);

    connect(Editor->document(), &QTextDocument::modificationChanged, this, [this](bool modified) {
        if (isActive())
            context_.fields.docModified = modified;
    });
    connect(Editor, &QPlainTextEdit::cursorPositionChanged, this, &Twinform1::updateCommands);
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

void Twinform1::buildCommands()
{
    EditUndo1 = command(this, QStringLiteral("Annuller"),
        QStringLiteral("Annuller sidste aktion: Ctrl+Z og Ctrl+Y"), QKeySequence(QStringLiteral("Ctrl+Z")));
    EditCut1 = command(this, QStringLiteral("Klip"),
        QStringLiteral("Klip valgte tekst til klipbordet: Ctrl+X"), QKeySequence(QStringLiteral("Ctrl+X")));
    EditCopy1 = command(this, QStringLiteral("Kopier"),
        QStringLiteral("Kopier valgte område til klipbordet: Ctrl+C"),
        QKeySequence(QStringLiteral("Ctrl+C")));
    EditPaste1 = command(this, QStringLiteral("Indsæt"),
        QStringLiteral("Indsæt tekstindhold fra klipbordet: Ctrl+V"), QKeySequence(QStringLiteral("Ctrl+V")));
    pasteFromInfo = command(this, QStringLiteral("Indsæt"),
        QStringLiteral("Indsætter tekst, der er kopieret i en informationsfil eller hjemmesidefil: Ctrl+W"),
        QKeySequence(QStringLiteral("Ctrl+W")));
    EditSelectAll1 = command(this, QStringLiteral("Vælg alt"), QStringLiteral("Vælg hele dokumentet: Ctrl+A"),
        QKeySequence(QStringLiteral("Ctrl+A")));
    EditDelete1 = command(this, QStringLiteral("Slet"), QStringLiteral("Slet valgte tekst: Del"),
        QKeySequence(QKeySequence::Delete));
    aStavekontrol
        = command(this, QStringLiteral("Udfør"), QStringLiteral("Udfør stavekontrol på hele dokumentet"));
    googleUrl = command(this, QStringLiteral("Google"), QStringLiteral("Søg med Google: Ctrl+Shift+G"),
        QKeySequence(QStringLiteral("Ctrl+Shift+G")));
    bingUrl = command(this, QStringLiteral("Bing"), QStringLiteral("Søg med Microsoft Bing: Ctrl+Shift+B"),
        QKeySequence(QStringLiteral("Ctrl+Shift+B")));
    tubeUrl = command(this, QStringLiteral("Søg på YouTube"), QStringLiteral("Søg med YouTube: Ctrl+Shift+T"),
        QKeySequence(QStringLiteral("Ctrl+Shift+T")));
    addActions({ EditUndo1, EditCut1, EditCopy1, EditPaste1, pasteFromInfo, EditSelectAll1, EditDelete1,
        googleUrl, bingUrl, tubeUrl });

    // The standard edit commands act on the text control that has the keyboard focus.
    auto onFocused = [this](auto plain, auto rich, auto line) {
        return [this, plain, rich, line] {
            QWidget *target = focusedTextControl();
            if (auto *edit = qobject_cast<QPlainTextEdit *>(target))
                (edit->*plain)();
            else if (auto *richEdit = qobject_cast<QTextEdit *>(target))
                (richEdit->*rich)();
            else if (auto *lineEdit = qobject_cast<QLineEdit *>(target))
                (lineEdit->*line)();
        };
    };
    connect(EditUndo1, &QAction::triggered, this,
        onFocused(&QPlainTextEdit::undo, &QTextEdit::undo, &QLineEdit::undo));
    connect(EditCut1, &QAction::triggered, this,
        onFocused(&QPlainTextEdit::cut, &QTextEdit::cut, &QLineEdit::cut));
    connect(EditCopy1, &QAction::triggered, this,
        onFocused(&QPlainTextEdit::copy, &QTextEdit::copy, &QLineEdit::copy));
    connect(EditPaste1, &QAction::triggered, this,
        onFocused(&QPlainTextEdit::paste, &QTextEdit::paste, &QLineEdit::paste));
    connect(EditSelectAll1, &QAction::triggered, this,
        onFocused(&QPlainTextEdit::selectAll, &QTextEdit::selectAll, &QLineEdit::selectAll));
    connect(EditDelete1, &QAction::triggered, this, [this] {
        QWidget *target = focusedTextControl();
        if (auto *edit = qobject_cast<QPlainTextEdit *>(target))
            edit->textCursor().removeSelectedText();
        else if (auto *richEdit = qobject_cast<QTextEdit *>(target))
            richEdit->textCursor().removeSelectedText();
        else if (auto *lineEdit = qobject_cast<QLineEdit *>(target))
            lineEdit->del();
    });
    // Plain text only, whatever the clipboard holds besides; the clipboard keeps the plain text.
    connect(pasteFromInfo, &QAction::triggered, this, [this] {
        context_.plainClipboard->makeClipboardPlain();
        Editor->paste();
    });
    // Has the whole text examined again; the clipboard and the modified state stay as they are.
    connect(aStavekontrol, &QAction::triggered, this, [this] {
        marker_->remarkAll();
        Editor->setSelection(0, 0);
        Editor->setFocus();
    });
    connect(googleUrl, &QAction::triggered, this,
        [this] { openWebSearch(QStringLiteral("https://www.google.com/search?q=")); });
    connect(bingUrl, &QAction::triggered, this,
        [this] { openWebSearch(QStringLiteral("https://www.bing.com/search?q=")); });
    connect(tubeUrl, &QAction::triggered, this,
        [this] { openWebSearch(QStringLiteral("https://www.youtube.com/results?search_query=")); });

    PUwin = new QMenu(this);
    PUwin->addAction(EditUndo1);
    PUwin->addSeparator();
    PUwin->addActions({ EditCut1, EditCopy1, EditPaste1, pasteFromInfo });
    PUwin->addSeparator();
    PUwin->addActions({ EditSelectAll1, EditDelete1 });
    PUwin->addSeparator();
    PUwin->addAction(context_.frame->command(QStringLiteral("winLuk")));
    PUwin->addAction(context_.frame->command(QStringLiteral("winLukAlle")));
}

// A tool bar rather than a row of widgets: when the window is narrow, what does not fit goes behind the
// bar's extension button instead of widening the window past the frame.
void Twinform1::buildToolPanel()
{
    redskabsPanel = new QToolBar(this);
    redskabsPanel->setIconSize(QSize(16, 16));

    fontnameBox = new QComboBox(redskabsPanel);
    fontsizeBox = new QComboBox(redskabsPanel);
    connect(fontnameBox, &QComboBox::currentIndexChanged, this, &Twinform1::applyFont);
    connect(fontsizeBox, &QComboBox::currentIndexChanged, this, &Twinform1::applyFont);

    wordwrapCheck = new QCheckBox(QStringLiteral("Tekstopbrydning"), redskabsPanel);
    wordwrapCheck->setChecked(true);
    connect(wordwrapCheck, &QCheckBox::toggled, Editor, &PlainEditor::setWordWrap);

    funkButton1 = new QToolButton(redskabsPanel);
    funkButton1->setText(QStringLiteral("Fil"));
    Hint::set(funkButton1, QStringLiteral("Åben filmenuen"));
    funkButton1->setPopupMode(QToolButton::InstantPopup);
    funkButton1->setAutoRaise(true);

    puButton = new QToolButton(redskabsPanel);
    puButton->setAutoRaise(true);
    puButton->setText(QStringLiteral("Skift popup"));
    Hint::set(puButton, QStringLiteral("Skift popup-menu"));
    connect(puButton, &QToolButton::clicked, this, &Twinform1::puButtonClick);

    posLabel = new QLabel(QStringLiteral("0,0"), redskabsPanel);
    antalLabel = new QLabel(QStringLiteral("0"), redskabsPanel);
    auto *gap = new QWidget(redskabsPanel);
    gap->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);

    redskabsPanel->addWidget(fontnameBox);
    redskabsPanel->addWidget(fontsizeBox);
    redskabsPanel->addWidget(wordwrapCheck);
    redskabsPanel->addWidget(funkButton1);
    redskabsPanel->addAction(context_.frame->command(QStringLiteral("fileGem")));
    redskabsPanel->addAction(context_.frame->command(QStringLiteral("fileGemSom")));
    redskabsPanel->addAction(context_.frame->command(QStringLiteral("openMenu1")));
    redskabsPanel->addActions({ bingUrl, googleUrl, tubeUrl });
    redskabsPanel->addWidget(puButton);
    redskabsPanel->addAction(aStavekontrol);
    SpeedButton15 = qobject_cast<QToolButton *>(redskabsPanel->widgetForAction(aStavekontrol));
    redskabsPanel->addWidget(gap);
    redskabsPanel->addWidget(new QLabel(QStringLiteral("Pos: "), redskabsPanel));
    redskabsPanel->addWidget(posLabel);
    redskabsPanel->addWidget(new QLabel(QStringLiteral("  Antal linjer: "), redskabsPanel));
    redskabsPanel->addWidget(antalLabel);

    auto *dropDownPU = new QMenu(funkButton1);
    dropDownPU->addActions(PUwin->actions());
    funkButton1->setMenu(dropDownPU);
}

void Twinform1::loadDocument()
{
    const QFileInfo file(Filnavn_);
    if (Filnavn_.isEmpty() || !file.exists()) {
        capNavn_ = QString::number(context_.fields.newCount) + QStringLiteral(". Dokument");
        return;
    }
    capNavn_ = bareName(Filnavn_);
    loader_ = new DocumentLoader(this);
    connect(loader_, &DocumentLoader::finished, this, &Twinform1::loadingFinished);
    connect(loader_, &DocumentLoader::failed, this, &Twinform1::loadingFailed);
    connect(loader_, &DocumentLoader::progress, this, [this](qint64 read, qint64 total) {
        if (isActive() && total > 0)
            context_.frame->UdskrivInfo(QStringLiteral("Indlæser ") + capNavn_ + QStringLiteral(": ")
                + QString::number(read * 100 / total) + QStringLiteral(" %"));
    });
    if (!loader_->start(Filnavn_, *Editor)) {
        context_.inform(FileMessages::readFailure(Filnavn_, loader_->errorText()));
        dropFileName();
        return;
    }
    // The caret starts at the top; the rest of a big file streams in below it.
    Editor->moveCursor(QTextCursor::Start);
    if (context_.documentLists)
        context_.documentLists->documentOpened(Filnavn_, capNavn_);
}

bool Twinform1::isLoading() const
{
    return loader_ && loader_->isLoading();
}

void Twinform1::loadingFinished()
{
    file_.adopt(loader_->encoding(), loader_->lineEnding());
    lineEnds_->mark(loader_->lineEndExceptions());
    if (opstart_)
        return; // read whole during creation; the first activation shows everything
    context_.frame->setTabLoading(capNavn_, false);
    if (isActive()) {
        context_.frame->UdskrivInfo(QString());
        context_.frame->udskrivFilInfo();
        XYinfo();
    }
}

void Twinform1::loadingFailed(const QString &reason)
{
    context_.inform(FileMessages::readFailure(Filnavn_, reason));
    context_.frame->setTabLoading(capNavn_, false);
    dropFileName();
}

void Twinform1::dropFileName()
{
    Filnavn_.clear();
    const QString numbered = QString::number(context_.fields.newCount) + QStringLiteral(". Dokument");
    if (!opstart_)
        context_.frame->RenameTab(capNavn_, numbered);
    capNavn_ = numbered;
    setWindowTitle(capNavn_);
    if (isActive())
        context_.fields.dokumentFilnavn.clear();
    Q_EMIT fileNameChanged();
}

bool Twinform1::refuseWhileLoading()
{
    if (!isLoading())
        return false;
    context_.inform(QStringLiteral("Dokumentet:\r") + capNavn_
        + QStringLiteral("\rindlæses stadig. Det kan gemmes, når hele filen er indlæst."));
    return true;
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

bool Twinform1::isActive() const
{
    return context_.frame->documents()->activeDocument() == this;
}

void Twinform1::FormActivate()
{
    FrameFields &fields = context_.fields;
    fields.docModified = Editor->isModified();
    context_.frame->udskrivFilInfo();
    const DocumentInfoWidgets &info = context_.frame->infoWidgets();
    if (!Filnavn_.isEmpty() && QFileInfo::exists(Filnavn_)) {
        info.docFilnavnEdit->setText(bareName(Filnavn_));
        info.docFilnavnEdit->setToolTip(QFileInfo(Filnavn_).absolutePath());
    } else {
        info.docFilnavnEdit->setText(QStringLiteral("Dokumentet har ikke noget navn"));
    }
    fields.dokumentFilnavn = Filnavn_;
    if (opstart_) {
        opstart_ = false;
        if (auto *subWindow = qobject_cast<QMdiSubWindow *>(parentWidget()))
            subWindow->showMaximized();
        context_.frame->InsertTab();
        context_.frame->SetTCindex();
        context_.frame->setTabLoading(capNavn_, isLoading());
        // Hints on the status line mean no tooltips here; otherwise the window shows its own, even
        // when no other window of the program does.
        TooltipSwitch::setShown(this, context_.options->hintMode() != Options::HintMode::StatusLine);
    }
    context_.frame->fokusTab(capNavn_);
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
    const DocumentInfoWidgets &info = context_.frame->infoWidgets();
    if (isLoading()) {
        info.filnavnEdit->setText(capNavn_);
        info.filsizeLabel->setText(QStringLiteral("Dokumentet indlæses ..."));
        info.antalLinjerLabel->clear();
        info.filModificeretLabel->clear();
        info.setName(capNavn_);
        return;
    }
    const QString characters = QString::number(position_->characterCount(file_.lineEnding()));
    const QString lineText
        = QStringLiteral("Antal linjer: ") + QString::number(position_->lineCountWithoutEmptyLast());

    if (!Filnavn_.isEmpty() && QFileInfo::exists(Filnavn_)) {
        info.filnavnEdit->setText(bareName(Filnavn_));
        info.filsizeLabel->setText(QStringLiteral("Filstørrelse: ") + TFunktioner::getFileSizeString(Filnavn_)
            + QStringLiteral(" (") + characters + QStringLiteral(" tegn)"));
        info.filModificeretLabel->setText(Editor->isModified() ? QStringLiteral("Dokumentet er ikke gemt")
                                                               : QStringLiteral("Dokumentet er gemt"));
    } else if (!Filnavn_.isEmpty()) {
        info.filnavnEdit->setText(bareName(Filnavn_));
        info.filsizeLabel->setText(QStringLiteral("Antal tegn: ") + characters);
        info.filModificeretLabel->setText(
            QStringLiteral("Dokumentet eksisterer ikke. Muligvis slettet eller omdøbt."));
        Editor->setModified(true);
        context_.fields.docModified = true;
    } else {
        info.filnavnEdit->setText(QStringLiteral("Dokumentet har ikke noget navn."));
        info.filsizeLabel->setText(QStringLiteral("Antal tegn: ") + characters);
        info.filModificeretLabel->setText(QStringLiteral("Dokumentet er ikke gem."));
    }
    info.antalLinjerLabel->setText(lineText);
    info.setName(info.filnavnEdit->text());
}

bool Twinform1::writeTo(const QString &path)
{
    const bool created = !QFileInfo::exists(path);
    if (!file_.write(path, LineEndTracker::exactText(*Editor->document()), lineEnds_->exceptions())) {
        context_.inform(FileMessages::writeFailure(path, file_.error()));
        return false;
    }
    Editor->setModified(false);
    context_.fields.docModified = false;
    if (created && path == Filnavn_)
        Q_EMIT fileNameChanged();
    return true;
}

void Twinform1::Gem()
{
    if (refuseWhileLoading())
        return;
    if (!Filnavn_.isEmpty() && QFileInfo::exists(Filnavn_)) {
        writeTo(Filnavn_);
        return;
    }
    if (!Filnavn_.isEmpty()) {
        if (context_.ask(
                QStringLiteral("Skal dokumentet gemmes med følgende filnavn:\r") + bareName(Filnavn_) + u'?',
                AppContext::Safe::Yes)) {
            writeTo(Filnavn_);
            return;
        }
        Filnavn_.clear();
    }
    GemSom();
}

void Twinform1::GemSom()
{
    if (refuseWhileLoading())
        return;
    const bool named = !Filnavn_.isEmpty() && QFileInfo::exists(Filnavn_);
    const QString suggested = named ? Filnavn_ : QStringLiteral("UdenNavn");
    QString filter = kSaveFilter.section(QStringLiteral(";;"), 0, 0);
    QString chosen = context_.platform.fileDialogs.saveFile(
        context_.frame->frameWidget(), QString(), suggested, kSaveFilter, &filter);
    if (chosen.isEmpty())
        return;
    if (QFileInfo(chosen).suffix().isEmpty() && !QFileInfo(chosen).fileName().contains(u'.'))
        chosen += QStringLiteral(".txt");
    if (QFileInfo::exists(chosen)
        && !context_.ask(
            QStringLiteral("Der eksisterer allerede en fil med indførte navn.\rSkal filen overskrives?"),
            AppContext::Safe::No))
        return;

    Filnavn_ = chosen;
    const QString newCaption = bareName(Filnavn_);
    context_.frame->RenameTab(capNavn_, newCaption);
    capNavn_ = newCaption;
    setWindowTitle(capNavn_);
    Q_EMIT fileNameChanged();
    if (!writeTo(Filnavn_))
        return;
    context_.fields.dokumentFilnavn = Filnavn_;
    if (QFileInfo::exists(Filnavn_) && context_.documentLists)
        context_.documentLists->documentSavedAs(Filnavn_, capNavn_);
}

void Twinform1::udskrivDokument()
{
    // Printing comes with the print margins box.
}

int Twinform1::FindOrd()
{
    return 0;
}

int Twinform1::ErstatTekst()
{
    return 0;
}

void Twinform1::showRedskabsPanel()
{
    redskabsPanel->setVisible(!redskabsPanel->isVisible());
}

void Twinform1::puButtonClick()
{
    usesFunctionsMenu_ = !usesFunctionsMenu_;
    if (usesFunctionsMenu_) {
        puButton->setText(QStringLiteral("Stavekontrol"));
        Hint::set(puButton, QStringLiteral("Skift popup-menu til \"Stavekontrol\""));
    } else {
        puButton->setText(QStringLiteral("Funktioner"));
        Hint::set(puButton, QStringLiteral("Skift popup-menu til \"Funktioner\""));
    }
    spellingMenu_->setActive(!usesFunctionsMenu_);
    updateCommands();
}

// The window's own menu; while it is off, the spelling menu answers the right-click before this.
void Twinform1::showContextMenu(const QPoint &position)
{
    if (usesFunctionsMenu_)
        PUwin->popup(Editor->viewport()->mapToGlobal(position));
}

QWidget *Twinform1::focusedTextControl() const
{
    QWidget *focused = QApplication::focusWidget();
    if (qobject_cast<QPlainTextEdit *>(focused) || qobject_cast<QTextEdit *>(focused)
        || qobject_cast<QLineEdit *>(focused))
        return focused;
    return Editor;
}

void Twinform1::updateCommands()
{
    const bool selected = Editor->textCursor().hasSelection();
    const bool clipboardText
        = QApplication::clipboard()->mimeData() && QApplication::clipboard()->mimeData()->hasText();
    EditUndo1->setEnabled(Editor->document()->isUndoAvailable());
    EditCut1->setEnabled(selected);
    EditCopy1->setEnabled(selected);
    EditDelete1->setEnabled(selected);
    EditPaste1->setEnabled(clipboardText);
    pasteFromInfo->setEnabled(clipboardText);
    EditSelectAll1->setEnabled(!Editor->document()->isEmpty());
    aStavekontrol->setEnabled(!usesFunctionsMenu_);
}

QString Twinform1::getTheWord() const
{
    const QTextCursor cursor = Editor->textCursor();
    return SearchWord::getTheWord(
        cursor.selectedText(), cursor.block().text(), cursor.position() - cursor.block().position());
}

void Twinform1::openWebSearch(const QString &prefix)
{
    context_.platform.shell.openAddress(prefix + SearchWord::searchText(getTheWord()));
}

bool Twinform1::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
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

bool Twinform1::FormCloseQuery()
{
    if (!Editor->isModified())
        return true;
    // Escape and the close box go back to the text; only "Nej" throws it away.
    switch (context_.askSave(
        QStringLiteral("Dokumentet: ") + capNavn_ + QStringLiteral("\rer modificeret.\rSkal det gemmes?"))) {
    case AppContext::SaveChoice::Discard:
        return true;
    case AppContext::SaveChoice::GoBack:
        return false;
    case AppContext::SaveChoice::Save:
        break;
    }
    Gem();
    // Asked to keep the text, and it was not saved (save dialog cancelled, write failed): stay open.
    return !Editor->isModified();
}

void Twinform1::FormClose()
{
    if (context_.frame->documents()->windowsInOrder().size() == 1) {
        context_.frame->infoWidgets().reset();
        context_.fields.dokumentFilnavn.clear();
    }
    // On the program's way out the lists are not kept, so nothing is moved (and no duplicate asked about).
    if (!Filnavn_.isEmpty() && QFileInfo::exists(Filnavn_) && context_.documentLists
        && !context_.fields.programClosing)
        context_.documentLists->documentClosed(Filnavn_, capNavn_);
    context_.frame->CloseTab(capNavn_);
}

void Twinform1::closeEvent(QCloseEvent *event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}
