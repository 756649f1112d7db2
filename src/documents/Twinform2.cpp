#include "documents/Twinform2.h"

#include "app/AccessibleName.h"
#include "app/AppContext.h"
#include "app/DateService.h"
#include "app/FrameInterface.h"
#include "app/Hint.h"
#include "app/Options.h"
#include "documents/DocumentArea.h"
#include "documents/DocumentCommand.h"
#include "documents/DocumentFrameLink.h"
#include "documents/EditCommands.h"
#include "documents/RichEditor.h"
#include "documents/RightClickMenuSwitch.h"
#include "documents/SearchWord.h"
#include "documents/TFunktioner.h"
#include "documents/WebSearchCommands.h"
#include "documents/find/FindReplace.h"
#include "documents/links/LinkActivation.h"
#include "documents/model/Document.h"
#include "documents/print/DocumentPrinting.h"
#include "documents/rich/ColourGrid.h"
#include "documents/rich/FormattingIcons.h"
#include "documents/rich/RichTextPosition.h"
#include "documents/rtf/RichTextLoader.h"
#include "documents/rtf/RtfLossNotice.h"
#include "documents/rtf/RtfUnits.h"
#include "documents/rtf/RtfWriter.h"
#include "documents/spelling/SpellingMenu.h"
#include "documents/spelling/TextMarker.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextList>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The sizes of the buttons sb10 to sb36; the sixth shows 22, though its name says 20.
constexpr int kSizeButtons[] = { 10, 12, 14, 16, 18, 22, 24, 36 };
// Only the first five have a hint of their own.
constexpr int kHintedSizeButtons = 5;

const char16_t *const kQuickFonts[] = { u"Arial", u"Courier New", u"Georgia", u"Lucida Calligraphy",
    u"Lucida Console", u"Segoe Print", u"Tahoma", u"Verdana" };

// The margins of "Margin", in points: the first line and the lines after it indented alike.
constexpr qreal kFirstLineIndentPoints = 4;
constexpr qreal kFollowingLinesPoints = 0;
constexpr qreal kRightIndentPoints = 5;

constexpr int kModifiedWidth = 82;
constexpr int kUnmodifiedWidth = 24;

void offerChoice(const Options::Choice &choice, QComboBox *box)
{
    box->addItems(choice.entries);
    box->setMaxVisibleItems(std::max(1, box->count()));
    box->setCurrentIndex(choice.current);
}

QAction *formatting(QObject *parent, const QString &caption, const QString &hint, const QIcon &icon,
    const QKeySequence &keys = {})
{
    QAction *action = DocumentCommand::create(parent, caption, hint, keys);
    action->setIcon(icon);
    action->setCheckable(true);
    return action;
}

bool isBullet(const QTextList *list)
{
    if (!list)
        return false;
    const QTextListFormat::Style style = list->format().style();
    return style == QTextListFormat::ListDisc || style == QTextListFormat::ListCircle
        || style == QTextListFormat::ListSquare;
}

qreal documentUnits(qreal points)
{
    return points / RtfUnits::kPointsPerDocumentUnit;
}

} // namespace

Twinform2::Twinform2(AppContext &context, QWidget *parent)
    : DocumentWindow(parent)
    , context_(context)
{
    setAttribute(Qt::WA_DeleteOnClose, false); // the sub-window around it owns and deletes it
    context.frame->hideOptionsPage();

    Editor = new RichEditor(this);
    nameEditorAfterCaption(Editor);
    document_ = new Document(context, *Editor->document(), file_, this);
    frameLink_ = new DocumentFrameLink(context, *document_, *this);
    Editor->viewport()->installEventFilter(this);
    Editor->installEventFilter(this);
    Editor->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Editor, &QWidget::customContextMenuRequested, this, &Twinform2::showContextMenu);
    position_ = std::make_unique<RichTextPosition>(*Editor);
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
    offerChoice(options.fontNameChoice(), FontNameBox);
    offerChoice(options.fontSizeChoice(), fontsizeBox);
    setEditorMargins(options.wideMargins() ? 70 : 8);
    redskabsPanel->setVisible(options.showToolPanel());

    // The window starts with the right-click menu the options name (see Twinform1).
    menuSwitch_ = new RightClickMenuSwitch(
        *puButton, *winPU, *spellingMenu_, options.rightClick() != Options::RightClick::FunctionsMenu);
    connect(menuSwitch_, &RightClickMenuSwitch::switched, this, &Twinform2::updateCommands);
    loadDocument();
    // After reading: the boxes' font is the default of a new document and of text without a font of
    // its own; a file keeps its own fonts.
    applyDefaultFont();
    setWindowTitle(document_->capNavn());
    Editor->document()->setModified(false);
    context.fields.docModified = false;

    connect(Editor, &QTextEdit::cursorPositionChanged, this, [this] {
        XYinfoRich();
        updateCommands();
    });
    connect(Editor, &QTextEdit::selectionChanged, this, &Twinform2::updateCommands);
    connect(Editor, &QTextEdit::currentCharFormatChanged, this, [this] {
        XYinfoRich();
        updateCommands();
    });
    connect(document_, &Document::modifiedChanged, this, &Twinform2::EditModifiedUpdate);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &Twinform2::updateCommands);
    connect(qApp, &QApplication::focusChanged, this, &Twinform2::updateCommands);
    connect(
        context.frame->documents(), &DocumentArea::documentActivated, this, [this](DocumentWindow *window) {
            if (window == this)
                FormActivate();
        });
    XYinfoRich();
    EditModifiedUpdate();
    updateCommands();
}

Twinform2::~Twinform2() = default;

QString Twinform2::Filnavn() const
{
    return document_->Filnavn();
}

QString Twinform2::capNavn() const
{
    return document_->capNavn();
}

bool Twinform2::isModified() const
{
    return document_->isModified();
}

void Twinform2::buildCommands()
{
    edit_ = new EditCommands(*this, *Editor,
        { { QStringLiteral("Annuller"), QStringLiteral("Undo|Reverts the last action") },
            { QStringLiteral("Klip"), QStringLiteral("Klip til klipbordet") },
            { QStringLiteral("Kopier"), QStringLiteral("Kopier til klipbordet") },
            { QStringLiteral("Sæt ind"), QStringLiteral("Paste|Inserts Clipboard contents") },
            { QStringLiteral("Marker alt"), QStringLiteral("Select All|Selects the entire document") },
            { QStringLiteral("Slet"), QStringLiteral("Delete|Erases the selection") } });
    // On no menu; Ctrl+W pastes the clipboard's text without its formatting, as in the plain window.
    connect(edit_->pasteFromInfo, &QAction::triggered, this,
        [this] { Editor->insertPlainText(QApplication::clipboard()->text()); });

    aStavekontrol
        = DocumentCommand::create(this, QStringLiteral("Udfør"), QStringLiteral("Udfør stavekontrol"));
    // Has the whole text examined again; the clipboard, the modified state and the focus stay as they are.
    connect(aStavekontrol, &QAction::triggered, this, [this] {
        marker_->remarkAll();
        Editor->setSelection(1, 0);
    });

    auto *searches = new WebSearchCommands(*this, context_.platform.shell, [this] { return getTheWord(); });
    googleUrl = searches->googleUrl;
    bingUrl = searches->bingUrl;
    tubeUrl = searches->tubeUrl;

    buildFormattingCommands();

    winPU = new QMenu(this);
    winPU->addAction(edit_->EditUndo1);
    winPU->addSeparator();
    winPU->addActions({ edit_->EditCut1, edit_->EditCopy1, edit_->EditPaste1 });
    winPU->addSeparator();
    winPU->addActions({ edit_->EditSelectAll1, edit_->EditDelete1 });
    winPU->addSeparator();
    winPU->addAction(context_.frame->command(QStringLiteral("fileGem")));
    winPU->addAction(context_.frame->command(QStringLiteral("fileGemSom")));
    dropDownPU = new QMenu(this);
    dropDownPU->addActions(winPU->actions());
    dropDownPU->addSeparator();
    for (const char *print : { "udskrivDokument", "visUdskrift", "gemSomPdf" })
        dropDownPU->addAction(context_.frame->command(QString::fromLatin1(print)));
}

void Twinform2::buildFormattingCommands()
{
    RichEditBold2 = formatting(this, QStringLiteral("Fed"), QStringLiteral("Fed skrift: Ctrl+B"),
        FormattingIcons::bold(), QKeySequence(QStringLiteral("Ctrl+B")));
    RichEditItalic2 = formatting(this, QStringLiteral("Kursiv"), QStringLiteral("Kursiv tekst: Ctrl+I"),
        FormattingIcons::italic(), QKeySequence(QStringLiteral("Ctrl+I")));
    RichEditUnderline2
        = formatting(this, QStringLiteral("Understreg"), QStringLiteral("Understreg tekst: Ctrl+U"),
            FormattingIcons::underline(), QKeySequence(QStringLiteral("Ctrl+U")));
    RichEditBullets2 = formatting(this, QStringLiteral("Prik"),
        QStringLiteral("Indsæt eller fjer prik før aktuelle linie: Ctrl+P"), FormattingIcons::bullets(),
        QKeySequence(QStringLiteral("Ctrl+P")));
    RichEditAlignLeft2 = formatting(this, QStringLiteral("Venstrestil"),
        QStringLiteral("Venstrestiller teksten"), FormattingIcons::alignLeft());
    RichEditAlignCenter2 = formatting(
        this, QStringLiteral("Centrer"), QStringLiteral("Centrerer teksten"), FormattingIcons::alignCenter());
    RichEditAlignRight2 = formatting(this, QStringLiteral("Højrestil"),
        QStringLiteral("Højrestiller teksten"), FormattingIcons::alignRight());
    aMargin = DocumentCommand::create(
        this, QStringLiteral("Margin"), QStringLiteral("Set margin for valgte afsnit eller aktuelle linie"));
    aMargin->setIcon(FormattingIcons::margin());
    EditModified = new QAction(this);
    addActions({ RichEditBold2, RichEditItalic2, RichEditUnderline2, RichEditBullets2 });

    // Each style goes on where the selection lacks it and off where it has it; the pressed state the
    // action had until the click says which.
    connect(RichEditBold2, &QAction::triggered, this, [this](bool on) { Editor->setSelectionBold(on); });
    connect(RichEditItalic2, &QAction::triggered, this, [this](bool on) { Editor->setSelectionItalic(on); });
    connect(RichEditUnderline2, &QAction::triggered, this,
        [this](bool on) { Editor->setSelectionUnderline(on); });
    connect(RichEditBullets2, &QAction::triggered, this, [this](bool on) {
        Editor->setParagraphBullets(on);
        updateCommands();
    });
    const std::pair<QAction *, Qt::Alignment> alignments[] = { { RichEditAlignLeft2, Qt::AlignLeft },
        { RichEditAlignCenter2, Qt::AlignHCenter }, { RichEditAlignRight2, Qt::AlignRight } };
    for (const auto &[action, alignment] : alignments) {
        connect(action, &QAction::triggered, this, [this, alignment = alignment] {
            Editor->setParagraphAlignment(alignment);
            updateCommands();
        });
    }
    connect(aMargin, &QAction::triggered, this, [this] {
        Editor->setParagraphIndents(documentUnits(kFirstLineIndentPoints + kFollowingLinesPoints),
            documentUnits(kRightIndentPoints), -documentUnits(kFollowingLinesPoints));
    });
}

void Twinform2::buildToolPanel()
{
    redskabsPanel = new QWidget(this);
    redskabsPanel->setObjectName(QStringLiteral("redskabsPanel"));
    auto *panel = new QGridLayout(redskabsPanel);
    panel->setContentsMargins(2, 2, 2, 0);
    panel->setHorizontalSpacing(6);
    panel->setVerticalSpacing(2);

    ColorGrid = new ColourGrid(redskabsPanel);
    connect(ColorGrid, &ColourGrid::colourChosen, this, [this](const QColor &colour) {
        Editor->setSelectionColor(colour);
        Editor->setFocus();
    });
    panel->addWidget(ColorGrid, 0, 0, Qt::AlignVCenter);
    panel->addWidget(buildFontRows(), 0, 1);
    buildToolbar();
    panel->addWidget(rtfToolbar, 1, 0, 1, 2);
    panel->setColumnStretch(1, 1);
}

QWidget *Twinform2::buildFontRows()
{
    auto *rows = new QWidget(redskabsPanel);
    auto *layout = new QVBoxLayout(rows);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    auto *nameRow = new QHBoxLayout;
    FontNameBox = new QComboBox(rows);
    FontNameBox->setEditable(true);
    FontNameBox->setInsertPolicy(QComboBox::NoInsert);
    FontNameBox->setCompleter(nullptr); // completes by its own rule, see completeFontName
    FontNameBox->setMinimumContentsLength(18);
    AccessibleName::unseenLabel(FontNameBox, QStringLiteral("Skrifttype"));
    connect(FontNameBox, &QComboBox::activated, this, &Twinform2::FontNameBoxChange);
    connect(FontNameBox->lineEdit(), &QLineEdit::textEdited, this, &Twinform2::completeFontName);
    nameRow->addWidget(FontNameBox);

    Button1 = new QToolButton(rows);
    Button1->setText(QStringLiteral("Fonte"));
    Button1->setPopupMode(QToolButton::MenuButtonPopup);
    FontPU = new QMenu(Button1);
    for (const char16_t *name : kQuickFonts) {
        const QString font = QString::fromUtf16(name);
        connect(FontPU->addAction(font), &QAction::triggered, this, [this, font] {
            FontFelter(font);
            FontNameBoxChange();
        });
    }
    Button1->setMenu(FontPU);
    connect(Button1, &QToolButton::clicked, Button1, &QToolButton::showMenu);
    nameRow->addWidget(Button1);

    modiButton = new QToolButton(rows);
    modiButton->setAutoRaise(true);
    modiButton->setDefaultAction(EditModified);
    modiButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    nameRow->addWidget(modiButton);
    nameRow->addStretch(1);
    layout->addLayout(nameRow);

    auto *sizeRow = new QHBoxLayout;
    sizeRow->setSpacing(1);
    fontsizeBox = new QComboBox(rows);
    AccessibleName::unseenLabel(fontsizeBox, QStringLiteral("Skriftstørrelse"));
    connect(fontsizeBox, &QComboBox::activated, this, [this] {
        if (const int points = fontsizeBox->currentText().toInt(); points > 0)
            Editor->setSelectionFontSize(points);
    });
    sizeRow->addWidget(fontsizeBox);
    for (int i = 0; i < int(std::size(kSizeButtons)); ++i) {
        const int size = kSizeButtons[i];
        auto *button = new QToolButton(rows);
        button->setText(QString::number(size));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        const QString hint = QStringLiteral("Fontstørrelse ") + QString::number(size);
        if (i < kHintedSizeButtons)
            Hint::set(button, hint);
        button->setAccessibleName(hint);
        connect(button, &QToolButton::clicked, this, [this, size] { SetSize(size); });
        sizeRow->addWidget(button);
        sizeButtons << button;
    }
    sizeRow->addSpacing(8);
    for (QAction *search : { googleUrl, bingUrl, tubeUrl }) {
        auto *button = new QToolButton(rows);
        button->setDefaultAction(search);
        button->setAutoRaise(true);
        sizeRow->addWidget(button);
    }
    sizeRow->addStretch(1);
    layout->addLayout(sizeRow);
    return rows;
}

// A tool bar: what does not fit a narrow window goes behind its extension button. The status strip
// comes first, so it is the last thing to go.
void Twinform2::buildToolbar()
{
    rtfToolbar = new QToolBar(redskabsPanel);
    rtfToolbar->setIconSize(QSize(16, 16));
    AccessibleName::ofExtensionButton(rtfToolbar);

    Info = new QStatusBar(rtfToolbar);
    Info->setSizeGripEnabled(false);
    for (const QString &text :
        { QStringLiteral("Linier"), QString(), QStringLiteral("Pos"), QString(), QString() }) {
        auto *panel = new QLabel(text, Info);
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setMinimumWidth(text.isEmpty() ? 48 : 0);
        Info->addWidget(panel);
        InfoPanels << panel;
    }
    InfoPanels.last()->setMinimumWidth(8);
    Info->setMinimumWidth(Info->sizeHint().width());
    rtfToolbar->addWidget(Info);

    rtfToolbar->addAction(aMargin);
    rtfToolbar->addAction(RichEditBullets2);
    rtfToolbar->addSeparator();
    rtfToolbar->addActions({ RichEditBold2, RichEditItalic2, RichEditUnderline2 });
    rtfToolbar->addSeparator();
    rtfToolbar->addActions({ RichEditAlignLeft2, RichEditAlignCenter2, RichEditAlignRight2 });
    rtfToolbar->addSeparator();

    ToolButton5 = new QToolButton(rtfToolbar);
    ToolButton5->setText(QStringLiteral("Edit funktioner"));
    ToolButton5->setPopupMode(QToolButton::InstantPopup);
    ToolButton5->setAutoRaise(true);
    ToolButton5->setMenu(dropDownPU);
    rtfToolbar->addWidget(ToolButton5);
    rtfToolbar->addAction(context_.frame->command(QStringLiteral("openMenu1")));

    puButton = new QToolButton(rtfToolbar);
    puButton->setAutoRaise(true);
    puButton->setText(QStringLiteral("Skift popup"));
    Hint::set(puButton, QStringLiteral("Skift popup-menu"));
    rtfToolbar->addWidget(puButton);
    rtfToolbar->addAction(aStavekontrol);
    Hint::set(
        rtfToolbar->widgetForAction(aStavekontrol), QStringLiteral("Udfør stavekontrol på hele dokumentet"));
    rtfToolbar->addAction(context_.frame->command(QStringLiteral("winLuk")));
}

void Twinform2::loadDocument()
{
    if (context_.fields.docRecovering) {
        // The text comes from a recovery copy (restore()); the file stays as it is on disk.
        if (document_->hasFile())
            frameLink_->opened();
        return;
    }
    if (!document_->hasFile())
        return;
    const RichTextFile::ReadResult read = file_.read(document_->Filnavn(), *Editor->document());
    if (!read.ok) {
        Editor->clear();
        document_->readFailed(read.error);
        return;
    }
    Editor->moveCursor(QTextCursor::Start);
    frameLink_->opened();
    if (read.losses)
        context_.inform(RtfLossNotice::onOpen(read.losses, document_->Filnavn()));
}

// The document as RTF, as it is saved: taken on the user-interface thread, written elsewhere.
RecoveryCopy Twinform2::recoveryCopy() const
{
    RecoveryCopy copy;
    copy.kind = RecoveryCopy::Kind::RichText;
    copy.fileName = document_->Filnavn();
    copy.untitledNumber = document_->untitledNumber();
    copy.caret = Editor->textCursor().position();
    copy.rtf = RtfWriter::write(*Editor->document());
    return copy;
}

void Twinform2::restore(const RecoveryCopy &copy)
{
    RichTextLoader::load(copy.rtf, *Editor->document());
    QTextCursor caret(Editor->document());
    caret.setPosition(std::clamp(copy.caret, 0, Editor->document()->characterCount() - 1));
    Editor->setTextCursor(caret);
    document_->setModified(true);
}

void Twinform2::setEditorMargins(int pixels)
{
    Editor->setSideMargins(pixels);
}

void Twinform2::applyDefaultFont()
{
    QFont font = Editor->document()->defaultFont();
    if (FontNameBox->currentIndex() >= 0)
        font.setFamily(FontNameBox->currentText());
    if (const int points = fontsizeBox->currentText().toInt(); points > 0)
        font.setPointSize(points);
    Editor->setTextFont(font);
}

void Twinform2::FormActivate()
{
    frameLink_->FormActivate();
    context_.frame->Datoer().SetEditor(Editor);
    XYinfo();
}

void Twinform2::XYinfo()
{
    const RichTextPosition::Position at = position_->position();
    LinieAntal = at.lineCount;
    posY = at.line;
    posX = at.column;
    XYinfoRich();
    InfoPanels[1]->setText(QString::number(LinieAntal));
    InfoPanels[3]->setText(QString::number(posY + 1) + u',' + QString::number(posX));
}

void Twinform2::XYinfoRich()
{
    const QTextCharFormat format = Editor->formatAtCaret();
    const QStringList families = format.fontFamilies().toStringList();
    FontFelter(families.isEmpty() ? Editor->document()->defaultFont().family() : families.first());
    FontFelterSize(format.hasProperty(QTextFormat::FontPointSize)
            ? qRound(format.fontPointSize())
            : Editor->document()->defaultFont().pointSize());
    ColorGrid->mark(
        format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color() : QColor(Qt::black));
}

void Twinform2::FontFelter(const QString &fontName)
{
    FontNameBox->setCurrentIndex(
        FontNameBox->count() > 0 ? FontNameBox->findText(fontName, Qt::MatchFixedString) : -1);
    if (FontNameBox->currentIndex() >= 0)
        return;
    // The name stays among the entries for the rest of the window's life.
    FontNameBox->addItem(fontName);
    FontNameBox->setCurrentIndex(FontNameBox->count() - 1);
    FontNameBox->setMaxVisibleItems(FontNameBox->count());
}

void Twinform2::FontFelterSize(int size)
{
    const int index = fontsizeBox->findText(QString::number(size));
    fontsizeBox->setCurrentIndex(index >= 0 ? index : 0);
}

void Twinform2::FontNameBoxChange()
{
    if (FontNameBox->currentIndex() >= 0)
        Editor->setSelectionFontName(FontNameBox->currentText());
}

// Typing completes to the first entry that begins with the typed text, letter case ignored, and
// applies it; text that begins no entry applies nothing. Deleting does not complete again.
void Twinform2::completeFontName(const QString &typed)
{
    const bool deleting = typed.size() <= typedFontName_;
    typedFontName_ = int(typed.size());
    if (deleting || typed.isEmpty())
        return;
    const int index = FontNameBox->findText(typed, Qt::MatchStartsWith);
    if (index < 0)
        return;
    FontNameBox->setCurrentIndex(index);
    QLineEdit *edit = FontNameBox->lineEdit();
    edit->setText(FontNameBox->itemText(index));
    edit->setSelection(int(typed.size()), int(edit->text().size() - typed.size()));
    FontNameBoxChange();
}

void Twinform2::SetSize(int size)
{
    const int index = fontsizeBox->findText(QString::number(size));
    if (index < 0)
        return;
    fontsizeBox->setCurrentIndex(index);
    Editor->setSelectionFontSize(size);
}

void Twinform2::EditModifiedUpdate()
{
    const bool modified = document_->isModified();
    EditModified->setText(modified ? QStringLiteral("Redigeret") : QString());
    const QString hint
        = modified ? QStringLiteral("Dokumentet er ændret") : QStringLiteral("Dokumentet er ikke ændret");
    EditModified->setToolTip(hint);
    EditModified->setStatusTip(hint);
    EditModified->setIcon(modified ? FormattingIcons::modified() : FormattingIcons::unmodified());
    modiButton->setFixedWidth(modified ? kModifiedWidth : kUnmodifiedWidth);
    modiButton->setAccessibleName(hint);
}

void Twinform2::updateCommands()
{
    edit_->update();
    aStavekontrol->setEnabled(!menuSwitch_->usesFunctionsMenu());

    const bool focused = Editor->hasFocus();
    for (QAction *action : { RichEditBold2, RichEditItalic2, RichEditUnderline2, RichEditBullets2,
             RichEditAlignLeft2, RichEditAlignCenter2, RichEditAlignRight2 })
        action->setEnabled(focused);
    const QTextCharFormat format = Editor->formatAtCaret();
    RichEditBold2->setChecked(format.fontWeight() >= QFont::Bold);
    RichEditItalic2->setChecked(format.fontItalic());
    RichEditUnderline2->setChecked(format.fontUnderline());
    RichEditBullets2->setChecked(isBullet(Editor->textCursor().currentList()));
    const Qt::Alignment alignment = Editor->paragraphFormatAtCaret().alignment() & Qt::AlignHorizontal_Mask;
    RichEditAlignLeft2->setChecked(alignment == Qt::AlignLeft || alignment == Qt::AlignLeading);
    RichEditAlignCenter2->setChecked(alignment == Qt::AlignHCenter);
    RichEditAlignRight2->setChecked(alignment == Qt::AlignRight || alignment == Qt::AlignTrailing);
}

void Twinform2::filInformation()
{
    FileInformation information = document_->filInformation([this] {
        return Document::TextCounts { position_->characterCount(), position_->lineCountWithoutEmptyLast() };
    });
    if (information.naming == FileInformation::Naming::Unnamed)
        information.name = QStringLiteral("Dokumentet har ikke fået navn.");
    frameLink_->show(information);
}

void Twinform2::Gem()
{
    document_->Gem();
}

void Twinform2::GemSom()
{
    document_->GemSom();
}

void Twinform2::udskrivDokument()
{
    DocumentPrinting(context_).udskrivDokument(*this);
}

const QTextDocument *Twinform2::printableDocument()
{
    return document_->printableText();
}

int Twinform2::FindOrd()
{
    return FindReplace(*Editor, context_.frame->searchControls(), [this] { XYinfo(); }).FindOrd();
}

int Twinform2::ErstatTekst()
{
    return FindReplace(*Editor, context_.frame->searchControls(), [this] { XYinfo(); }).ErstatTekst();
}

void Twinform2::showRedskabsPanel()
{
    redskabsPanel->setVisible(!redskabsPanel->isVisible());
}

// The window's own menu; while it is off, the spelling menu answers the right-click before this.
void Twinform2::showContextMenu(const QPoint &position)
{
    menuSwitch_->showFunctionsMenu(*Editor->viewport(), position);
}

QString Twinform2::getTheWord() const
{
    const QTextCursor cursor = Editor->textCursor();
    return SearchWord::getTheWord(
        cursor.selectedText(), cursor.block().text(), cursor.position() - cursor.block().position());
}

bool Twinform2::eventFilter(QObject *watched, QEvent *event)
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

void Twinform2::closeEvent(QCloseEvent *event)
{
    if (!document_->FormCloseQuery()) {
        event->ignore();
        return;
    }
    frameLink_->FormClose();
    context_.frame->Datoer().releaseEditor(Editor);
    event->accept();
}
