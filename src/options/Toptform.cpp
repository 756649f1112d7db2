#include "options/Toptform.h"

#include "app/AccessibleName.h"
#include "app/AppContext.h"
#include "app/FileMessages.h"
#include "app/FontListEditor.h"
#include "app/FrameInterface.h"
#include "app/Hint.h"
#include "app/RadioGroup.h"
#include "app/SettingsFile.h"
#include "app/StandardIcon.h"
#include "app/TooltipSwitch.h"
#include "options/OptionsFileLayout.h"
#include "options/StartupRegistration.h"
#include "options/ThemeService.h"
#include "platform/widgets/ModalRunner.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const char16_t *const kDefaultDesign = u"Windows10 Clear Day";

QString optionsFilePath(const QString &settingsFolder)
{
    return settingsFolder + QStringLiteral("/optUnit.txt");
}

// The file is taken only whole; any other gives the defaults.
bool holdsEveryOption(SettingsFile &file)
{
    return file.read() == SettingsFile::Status::Read && file.lines().size() == OptionsFileLayout::LineCount;
}

QCheckBox *checkBox(QWidget *parent, const QString &caption, const QString &hint = {}, bool checked = false)
{
    auto *box = new QCheckBox(caption, parent);
    box->setChecked(checked);
    if (!hint.isEmpty())
        Hint::set(box, hint);
    return box;
}

// A caption too long for a third of the frame at its standard sizes, broken over two lines at the space
// nearest its middle; a screen reader reads it on one.
void overTwoLines(QAbstractButton *button)
{
    const QString caption = button->text();
    const qsizetype middle = caption.size() / 2;
    qsizetype at = -1;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u' ' && (at < 0 || qAbs(i - middle) < qAbs(at - middle)))
            at = i;
    }
    if (at < 0)
        return;
    button->setAccessibleName(caption);
    button->setText(caption.left(at) + u'\n' + caption.mid(at + 1));
}

QLabel *heading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QFrame *separator(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QHBoxLayout *row(QVBoxLayout *column)
{
    auto *layout = new QHBoxLayout;
    column->addLayout(layout);
    return layout;
}

void selectPosition(QComboBox *box, int position)
{
    box->setCurrentIndex(position >= 0 && position < box->count() ? position : -1);
}

QStringList entriesOf(const QComboBox *box)
{
    QStringList entries;
    for (int i = 0; i < box->count(); ++i)
        entries << box->itemText(i);
    return entries;
}

// The box drops down as many rows as it has entries.
void dropDownAll(QComboBox *box)
{
    box->setMaxVisibleItems(std::max(1, box->count()));
}

constexpr int kMaxElementerStep = 10;

QString designFailureMessage()
{
    return QStringLiteral("Information:\rDer opstod en fejl i designskift.");
}

} // namespace

const QStringList &Toptform::standardFontNames()
{
    static const QStringList names = { QStringLiteral("Arial"), QStringLiteral("Calibri"),
        QStringLiteral("Consolas"), QStringLiteral("Courier New"), QStringLiteral("Garamond"),
        QStringLiteral("Lucida Calligraphy"), QStringLiteral("Lucida Console"),
        QStringLiteral("Lucida Handwriting"), QStringLiteral("Segoe Print"), QStringLiteral("Tahoma"),
        QStringLiteral("Times New Roman"), QStringLiteral("Verdana") };
    return names;
}

const QStringList &Toptform::standardFontSizes()
{
    static const QStringList sizes = { QStringLiteral("8"), QStringLiteral("9"), QStringLiteral("10"),
        QStringLiteral("11"), QStringLiteral("12"), QStringLiteral("14"), QStringLiteral("16"),
        QStringLiteral("18"), QStringLiteral("22"), QStringLiteral("24"), QStringLiteral("26"),
        QStringLiteral("28"), QStringLiteral("36"), QStringLiteral("48"), QStringLiteral("72") };
    return sizes;
}

Toptform::Toptform(AppContext &context)
    : QWidget(context.frame->frameWidget(), Qt::Window)
    , optPanel1(new QFrame(this))
    , optPanel2(new QFrame(this))
    , optPanel3(new QFrame(this))
    , context_(context)
{
    // The click handlers that run while the settings are read reach the frame, which reads the options
    // back (setStandardSize): it must find this window already.
    context.optform = this;
    context.options = this;
    setWindowTitle(QStringLiteral("Egenskaber"));
    buildPanel1();
    buildPanel2();
    buildPanel3();
    auto *layout = new QHBoxLayout(this);
    for (QFrame *panel : { optPanel1, optPanel2, optPanel3 }) {
        panel->setFrameShape(QFrame::StyledPanel);
        layout->addWidget(panel);
    }
    startupRegistration = new StartupRegistration(context, QCoreApplication::applicationFilePath(), this);
    connectHandlers();

    fontBoxFilename = context.fields.OptMappe + QStringLiteral("/fontBox.txt");
    fontBoxFile_ = std::make_unique<SettingsFile>(fontBoxFilename);
    readFontNames();
    lagerBoxFilename = context.fields.OptMappe + QStringLiteral("/lagerBox.txt");
    lagerBoxFile_ = std::make_unique<SettingsFile>(lagerBoxFilename);
    optFilnavn = optionsFilePath(context.fields.OptMappe);
    settings_ = std::make_unique<SettingsFile>(optFilnavn);
    HentOpt();
    applyDesignAtStart();
    showMaxElementer();
    bestemHints();
}

Toptform::~Toptform() = default;

void Toptform::buildPanel1()
{
    auto *column = new QVBoxLayout(optPanel1);
    column->addWidget(heading(QStringLiteral("Program"), optPanel1));

    designBox = new QComboBox(optPanel1);
    QHBoxLayout *designRow = row(column);
    auto *designLabel = new QLabel(QStringLiteral("Design"), optPanel1);
    designLabel->setBuddy(designBox);
    designRow->addWidget(designLabel);
    designRow->addWidget(designBox, 1);

    widthLabel = new QLabel(QStringLiteral("0"), optPanel1);
    heightLabel = new QLabel(QStringLiteral("0"), optPanel1);
    Button20 = new QToolButton(optPanel1);
    Button20->setDefaultAction(context_.frame->command(QStringLiteral("aProgramSize")));
    QHBoxLayout *sizeRow = row(column);
    sizeRow->addWidget(new QLabel(QStringLiteral("Bredde:"), optPanel1));
    sizeRow->addWidget(widthLabel);
    sizeRow->addWidget(new QLabel(QStringLiteral("Højde:"), optPanel1));
    sizeRow->addWidget(heightLabel);
    sizeRow->addWidget(Button20);
    sizeRow->addStretch();
    // The start-up registration's button has the same caption.
    AccessibleName::captionWithHint(Button20);

    hintBox = new RadioGroup(QStringLiteral("Element information"),
        { QStringLiteral("Vis hints på informationslinjen"),
            QStringLiteral("Vis hints ved de enkelte elementer"), QStringLiteral("Vis ikke hints") },
        optPanel1);
    hintBox->setItemIndex(0);
    column->addWidget(hintBox);
    CheckAskOpenDoc
        = checkBox(optPanel1, QStringLiteral("Spørg om hvad der skal gøres ved åbning af dokument"),
            QStringLiteral("Åbner boks med muligheder"));
    dokumentlinjeCheck = checkBox(optPanel1, QStringLiteral("Vis dokumentlinje"),
        QStringLiteral("Linje der viser alle åbne dokumenter"), true);
    overTwoLines(CheckAskOpenDoc);
    overTwoLines(hintBox->findChildren<QRadioButton *>().at(1));
    column->addWidget(CheckAskOpenDoc);
    column->addWidget(dokumentlinjeCheck);

    column->addWidget(separator(optPanel1));
    column->addWidget(heading(QStringLiteral("Opstart"), optPanel1));
    windowsCheck = checkBox(
        optPanel1, QStringLiteral("Windows hovedmenu"), QStringLiteral("Virker først ved næste opstart"));
    hovedmenuCheck = checkBox(optPanel1, QStringLiteral("Vis hovedmenu"),
        QStringLiteral("Alternativ til \"Windows hovedmenu\""), true);
    dokumentCheck = checkBox(optPanel1, QStringLiteral("Dokumenter"),
        QStringLiteral("Åben de dokumenter der var åbne ved sidste programluknuing"));
    bokseCheck2 = checkBox(
        optPanel1, QStringLiteral("Favorit-boksen"), QStringLiteral("Åben favorit-boksen ved opstart"));
    bokseCheck1 = checkBox(optPanel1, QStringLiteral("Filer-mapper-boksen"),
        QStringLiteral("Åben mappe-fil-boksen ved opstart"));
    bokseCheck3 = checkBox(
        optPanel1, QStringLiteral("Dokumentboksen"), QStringLiteral("Åben dokumentboksen ved opstart"));
    for (QCheckBox *box :
        { windowsCheck, hovedmenuCheck, dokumentCheck, bokseCheck2, bokseCheck1, bokseCheck3 })
        column->addWidget(box);

    column->addWidget(separator(optPanel1));
    column->addWidget(heading(QStringLiteral("Lukning"), optPanel1));
    CheckVedLuk = checkBox(optPanel1, QStringLiteral("Gem favoritter ved programlukning"));
    overTwoLines(CheckVedLuk);
    column->addWidget(CheckVedLuk);
    column->addStretch();
}

void Toptform::buildPanel2()
{
    auto *column = new QVBoxLayout(optPanel2);
    column->addWidget(heading(QStringLiteral("Editor"), optPanel2));

    fontnameBox = new QComboBox(optPanel2);
    fontnameBox->addItems(standardFontNames());
    fontnameBox->setCurrentIndex(3);
    dropDownAll(fontnameBox);
    QHBoxLayout *nameRow = row(column);
    auto *nameLabel = new QLabel(QStringLiteral("Fontnavn"), optPanel2);
    nameLabel->setBuddy(fontnameBox);
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(fontnameBox, 1);

    fontsizeBox = new QComboBox(optPanel2);
    fontsizeBox->addItems(standardFontSizes());
    fontsizeBox->setCurrentIndex(2);
    dropDownAll(fontsizeBox);
    standardButton = new QToolButton(optPanel2);
    standardButton->setAutoRaise(true);
    standardButton->setIcon(StandardIcon::of(QStyle::SP_BrowserReload));
    Hint::set(standardButton, QStringLiteral("Udskift fontnavne med de oprindelige. Kan ikke fortrydes."));
    redigerButton = new QToolButton(optPanel2);
    redigerButton->setAutoRaise(true);
    redigerButton->setText(QStringLiteral("Rediger"));
    Hint::set(redigerButton, QStringLiteral("Indfør eller fjern fontnavne"));
    QHBoxLayout *sizeRow = row(column);
    auto *sizeLabel = new QLabel(QStringLiteral("Størrelse"), optPanel2);
    sizeLabel->setBuddy(fontsizeBox);
    sizeRow->addWidget(sizeLabel);
    sizeRow->addWidget(fontsizeBox);
    sizeRow->addWidget(standardButton);
    sizeRow->addWidget(redigerButton);
    sizeRow->addStretch();

    popupBox = new RadioGroup(QStringLiteral("Popupmenu"),
        { QStringLiteral("Funktioner"), QStringLiteral("Stavekontrol") }, optPanel2);
    popupBox->setItemIndex(0);
    Hint::set(popupBox, QStringLiteral("Vælg opstarts popupmenu"));
    column->addWidget(popupBox);
    redCheck = checkBox(optPanel2, QStringLiteral("Vis redskabslinje"),
        QStringLiteral("Vis redskabslinje ved nye tekstdokumenter"), true);
    marginCheck = checkBox(optPanel2, QStringLiteral("Editor med margins"),
        QStringLiteral("Programstørrelse indrettes straks herefter med standardstørrelser"));
    column->addWidget(redCheck);
    column->addWidget(marginCheck);

    column->addWidget(separator(optPanel2));
    column->addWidget(heading(QStringLiteral("Søg efter mapper og filer"), optPanel2));
    maxOpKnap = new QToolButton(optPanel2);
    maxOpKnap->setAutoRaise(true);
    maxOpKnap->setArrowType(Qt::UpArrow);
    maxOpKnap->setAccessibleName(QStringLiteral("Hæv max elementer"));
    // Read-only: the arrows change the value. No length limit, which would cut 1000 and up to three digits.
    maxFindEdit = new QLineEdit(QStringLiteral("100"), optPanel2);
    maxFindEdit->setReadOnly(true);
    maxFindEdit->setAlignment(Qt::AlignCenter);
    maxFindEdit->setFixedWidth(56);
    maxNedKnap = new QToolButton(optPanel2);
    maxNedKnap->setAutoRaise(true);
    maxNedKnap->setArrowType(Qt::DownArrow);
    maxNedKnap->setAccessibleName(QStringLiteral("Sænk max elementer"));
    auto *maxLabel = new QLabel(QStringLiteral("Max elementer"), optPanel2);
    Hint::set(maxLabel, QStringLiteral("Herved undgås nærmest til grændsende uendelige lister"));
    maxLabel->setBuddy(maxFindEdit);
    QHBoxLayout *maxRow = row(column);
    maxRow->addWidget(maxLabel);
    maxRow->addWidget(maxOpKnap);
    maxRow->addWidget(maxFindEdit);
    maxRow->addWidget(maxNedKnap);
    maxRow->addStretch();

    column->addWidget(separator(optPanel2));
    column->addWidget(heading(QStringLiteral("Speciallister"), optPanel2));
    CheckInsertFirst
        = checkBox(optPanel2, QStringLiteral("Indsæt nye filnavne først i lister i stedet for sidst"));
    overTwoLines(CheckInsertFirst);
    column->addWidget(CheckInsertFirst);
    column->addStretch();
}

void Toptform::buildPanel3()
{
    auto *column = new QVBoxLayout(optPanel3);
    column->addWidget(heading(QStringLiteral("Programspecialiteter"), optPanel3));
    trayCheck = checkBox(optPanel3, QStringLiteral("Minimer til system bakken"),
        context_.platform.systemTrayAvailable
            ? QString()
            : QStringLiteral(
                "Skrivebordet har ingen system bakke, så programmet minimeres til proceslinjen"));
    minimerCheck = checkBox(optPanel3, QStringLiteral("Minimer ved opstart"),
        QStringLiteral("Fungerer ved næste programopstart"));
    column->addWidget(trayCheck);
    column->addWidget(minimerCheck);

    column->addWidget(separator(optPanel3));
    column->addWidget(heading(QStringLiteral("Startop program"), optPanel3));
    SpeedButton1 = new QToolButton(optPanel3);
    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setText(QStringLiteral("Udfør"));
    Hint::set(SpeedButton1, QStringLiteral("Tilføj eller fjern programmet som Startop-program"));
    AccessibleName::captionWithHint(SpeedButton1);
    column->addWidget(SpeedButton1);
    column->addStretch();
}

void Toptform::defaultOpt()
{
    designName_ = QString::fromUtf16(kDefaultDesign);
    fontnameBox->setCurrentIndex(3);
    fontsizeBox->setCurrentIndex(2);
    maxElementer_ = 120;
}

struct Toptform::StoredLine {
    OptionsFileLayout::Line line;
    SettingsLine read;
    std::function<QString()> write;
};

std::vector<Toptform::StoredLine> Toptform::storedLines()
{
    namespace Line = OptionsFileLayout;
    auto check = [](Line::Line line, QCheckBox *box) {
        return StoredLine { line, SettingsLine::flag([box](bool on) { box->setChecked(on); }),
            [box] { return SettingsFile::flag(box->isChecked()); } };
    };
    auto position = [](Line::Line line, QComboBox *box) {
        return StoredLine { line, SettingsLine::integer([box](int at) { selectPosition(box, at); }),
            [box] { return QString::number(box->currentIndex()); } };
    };
    std::vector<StoredLine> lines = {
        { Line::Design, SettingsLine::text([this](const QString &name) { designName_ = name; }),
            [this] { return designName_; } },
        check(Line::Dokumenter, dokumentCheck),
        check(Line::FilerMapperBoks, bokseCheck1),
        check(Line::FavoritBoks, bokseCheck2),
        check(Line::DokumenterAgain, dokumentCheck),
        check(Line::GemFavoritterVedLuk, CheckVedLuk),
        check(Line::IndsaetFoerst, CheckInsertFirst),
        { Line::HintMode, SettingsLine::integer([this](int index) { hintBox->setItemIndex(index); }),
            [this] { return QString::number(hintBox->itemIndex()); } },
        check(Line::DokumentBoks, bokseCheck3),
        position(Line::FontPosition, fontnameBox),
        position(Line::SizePosition, fontsizeBox),
        check(Line::AskOpen, CheckAskOpenDoc),
        check(Line::ToolPanel, redCheck),
        check(Line::MainMenuPanel, hovedmenuCheck),
        check(Line::WindowsMenu, windowsCheck),
        { Line::MaxElements, SettingsLine::integer([this](int value) { maxElementer_ = value; }),
            [this] { return QString::number(maxElementer_); } },
        check(Line::Margins, marginCheck),
        check(Line::TabStrip, dokumentlinjeCheck),
        check(Line::Tray, trayCheck),
        check(Line::Minimise, minimerCheck),
    };
    for (size_t i = 0; i < lines.size(); ++i)
        Q_ASSERT(lines[i].line == Line::Line(i));
    Q_ASSERT(lines.size() == size_t(Line::LineCount));
    return lines;
}

QString Toptform::designAtStart(const QString &settingsFolder)
{
    SettingsFile file(optionsFilePath(settingsFolder));
    return holdsEveryOption(file) ? file.lines().at(OptionsFileLayout::Design)
                                  : QString::fromUtf16(kDefaultDesign);
}

void Toptform::HentOpt()
{
    if (!holdsEveryOption(*settings_)) {
        defaultOpt();
        return;
    }
    // A line that is not a whole number ends the reading silently.
    std::vector<SettingsLine> readers;
    for (const StoredLine &line : storedLines())
        readers.push_back(line.read);
    settings_->apply(readers);
}

void Toptform::GemOpt()
{
    QStringList lines;
    for (const StoredLine &line : storedLines())
        lines << line.write();
    if (!settings_->write(lines))
        context_.inform(FileMessages::writeFailure(settings_->path(), settings_->error()));
}

Options::HintMode Toptform::hintMode() const
{
    return HintMode(hintBox->itemIndex());
}

bool Toptform::reopenDocuments() const
{
    return dokumentCheck->isChecked();
}
bool Toptform::showFoldersBoxAtStart() const
{
    return bokseCheck1->isChecked();
}
bool Toptform::showFavouritesBoxAtStart() const
{
    return bokseCheck2->isChecked();
}
bool Toptform::showDocumentBoxAtStart() const
{
    return bokseCheck3->isChecked();
}
bool Toptform::minimiseAtStart() const
{
    return minimerCheck->isChecked();
}
bool Toptform::askBeforeOpen() const
{
    return CheckAskOpenDoc->isChecked();
}
bool Toptform::showTabStrip() const
{
    return dokumentlinjeCheck->isChecked();
}
bool Toptform::showMenuBar() const
{
    return windowsCheck->isChecked();
}
bool Toptform::showMainMenuPanel() const
{
    return hovedmenuCheck->isChecked();
}
bool Toptform::trayIcon() const
{
    return trayCheck->isChecked();
}
bool Toptform::saveFavouritesWithoutAsking() const
{
    return CheckVedLuk->isChecked();
}
bool Toptform::insertNewFirst() const
{
    return CheckInsertFirst->isChecked();
}
bool Toptform::showToolPanel() const
{
    return redCheck->isChecked();
}
bool Toptform::wideMargins() const
{
    return marginCheck->isChecked();
}

Options::Choice Toptform::fontNameChoice() const
{
    return { entriesOf(fontnameBox), fontnameBox->currentIndex() };
}

Options::Choice Toptform::fontSizeChoice() const
{
    return { entriesOf(fontsizeBox), fontsizeBox->currentIndex() };
}

Options::RightClick Toptform::rightClick() const
{
    return RightClick(popupBox->itemIndex());
}

QList<QWidget *> Toptform::pagePanels() const
{
    return { optPanel1, optPanel2, optPanel3 };
}

void Toptform::setProgSize(int aW, int aH)
{
    widthLabel->setText(QString::number(aW));
    heightLabel->setText(QString::number(aH));
}

void Toptform::closeEvent(QCloseEvent *event)
{
    GemOpt();
    event->accept();
}

void Toptform::connectHandlers()
{
    // A check box runs its handler whenever its state changes, by the user or while the settings are read.
    connect(hintBox, &RadioGroup::itemIndexChanged, this, &Toptform::bestemHints);
    connect(designBox, &QComboBox::activated, this, &Toptform::designBoxChange);
    connect(dokumentlinjeCheck, &QCheckBox::toggled, this, &Toptform::dokumentlinjeCheckClick);
    connect(windowsCheck, &QCheckBox::toggled, this, &Toptform::windowsCheckClick);
    connect(hovedmenuCheck, &QCheckBox::toggled, this, &Toptform::hovedmenuCheckClick);
    connect(marginCheck, &QCheckBox::toggled, this, &Toptform::marginCheckClick);
    connect(trayCheck, &QCheckBox::toggled, this, &Toptform::trayCheckClick);
    connect(standardButton, &QToolButton::clicked, this, &Toptform::setStandardFonte);
    connect(redigerButton, &QToolButton::clicked, this, &Toptform::redigerButtonClick);
    connect(maxOpKnap, &QToolButton::clicked, this, &Toptform::maxOpKnapClick);
    connect(maxNedKnap, &QToolButton::clicked, this, &Toptform::maxNedKnapClick);
    connect(SpeedButton1, &QToolButton::clicked, startupRegistration,
        &StartupRegistration::startProgDoButtonClick);
}

void Toptform::readFontNames()
{
    if (fontBoxFile_->read() != SettingsFile::Status::Read)
        return;
    fontnameBox->clear();
    fontnameBox->addItems(fontBoxFile_->lines());
    dropDownAll(fontnameBox);
}

void Toptform::applyDesignAtStart()
{
    if (!ThemeService::apply(designName_))
        context_.inform(designFailureMessage());
    designBox->addItems(ThemeService::names());
    designBox->setCurrentIndex(designBox->findText(designName_));
    dropDownAll(designBox);
}

void Toptform::bestemHints()
{
    const bool atElements = hintBox->itemIndex() == 1;
    FrameInterface &frame = *context_.frame;
    for (QWidget *window : QList<QWidget *> { this, frame.frameWidget() } + context_.hintedBoxes)
        TooltipSwitch::setShown(window, atElements);
    frame.setStatusLineVisible(!atElements);
    frame.setHintRouting(!atElements);
}

void Toptform::designBoxChange()
{
    context_.frame->hideMenuBook();
    designName_ = designBox->currentText();
    if (!ThemeService::apply(designName_))
        context_.inform(designFailureMessage());
}

void Toptform::dokumentlinjeCheckClick()
{
    context_.frame->setTabStripVisible(dokumentlinjeCheck->isChecked());
}

void Toptform::windowsCheckClick()
{
    if (windowsCheck->isChecked())
        hovedmenuCheck->setChecked(false);
}

void Toptform::hovedmenuCheckClick()
{
    if (!hovedmenuCheck->isChecked())
        return;
    windowsCheck->setChecked(false);
    context_.frame->removeMainMenu();
}

void Toptform::marginCheckClick()
{
    FrameInterface &frame = *context_.frame;
    frame.setStandardSize();
    frame.frameWidget()->resize(int(context_.fields.standardWidth), int(context_.fields.standardHeight));
}

void Toptform::trayCheckClick()
{
    context_.frame->setTrayIconEnabled(trayCheck->isChecked());
}

void Toptform::showMaxElementer()
{
    maxFindEdit->setText(QString::number(maxElementer_));
    maxNedKnap->setEnabled(maxElementer_ > kMaxElementerStep);
}

void Toptform::maxOpKnapClick()
{
    maxElementer_ += kMaxElementerStep;
    showMaxElementer();
}

// A limit raised by mistake can be lowered again, down to one step: a search that may show nothing at
// all helps no one.
void Toptform::maxNedKnapClick()
{
    maxElementer_ = std::max(kMaxElementerStep, maxElementer_ - kMaxElementerStep);
    showMaxElementer();
}

void Toptform::replaceFontNames(const QStringList &names, const QString &keep)
{
    fontnameBox->clear();
    fontnameBox->addItems(names);
    const int kept = fontnameBox->findText(keep);
    fontnameBox->setCurrentIndex(kept >= 0 ? kept : (names.isEmpty() ? -1 : 0));
    dropDownAll(fontnameBox);
}

void Toptform::writeList(SettingsFile &file, const QStringList &lines)
{
    if (!file.write(lines))
        context_.inform(FileMessages::writeFailure(file.path(), file.error()));
}

void Toptform::redigerButtonClick()
{
    const QString chosen = fontnameBox->currentText();
    QStringList offered = entriesOf(fontnameBox);
    std::optional<QStringList> stored;
    if (lagerBoxFile_->read() == SettingsFile::Status::Read)
        stored = lagerBoxFile_->lines();
    if (!context_.fontListEditor->editFontNames(offered, stored))
        return;
    replaceFontNames(offered, chosen);
    writeList(*fontBoxFile_, offered);
    writeList(*lagerBoxFile_, stored.value_or(QStringList()));
}

void Toptform::setStandardFonte()
{
    context_.fontListEditor->clearStoredFontNames();
    writeList(*lagerBoxFile_, {});
    replaceFontNames(standardFontNames(), fontnameBox->currentText());
    writeList(*fontBoxFile_, standardFontNames());
}
