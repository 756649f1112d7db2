#include "frame/MenuBook.h"

#include "app/CommandButton.h"
#include "app/DocumentInfoWidgets.h"
#include "app/Hint.h"
#include "app/RadioGroup.h"
#include "app/StandardIcon.h"
#include "frame/FrameCommands.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kNameFieldWidth = 320;

// Widgets stacked one above the other, in a column of the page's row.
QVBoxLayout *column(QBoxLayout *row, const QList<QWidget *> &widgets)
{
    auto *stack = new QVBoxLayout;
    stack->setSpacing(1);
    for (QWidget *widget : widgets)
        stack->addWidget(widget);
    stack->addStretch();
    row->addLayout(stack);
    return stack;
}

void addSeparator(QBoxLayout *row, QWidget *page)
{
    auto *line = new QFrame(page);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    row->addWidget(line);
}

QToolButton *pictureButton(QWidget *parent, QStyle::StandardPixmap picture, const QString &hint)
{
    auto *button = new QToolButton(parent);
    button->setAutoRaise(true);
    button->setIcon(StandardIcon::of(picture));
    Hint::set(button, hint);
    // A picture says nothing to a screen reader; the hint does.
    button->setAccessibleName(Hint::shortPart(hint));
    return button;
}

} // namespace

MenuBook::MenuBook(const FrameCommands &commands, const DocumentInfoWidgets &info, QWidget *parent)
    : QTabWidget(parent)
    , commands_(commands)
{
    setObjectName(QStringLiteral("menuBog"));
    tabBar()->hide();
    setDocumentMode(true);

    // The picture-only commands need a picture wherever they are shown.
    commands_.get(QStringLiteral("opdaterFilinfo"))->setIcon(StandardIcon::of(QStyle::SP_BrowserReload));
    commands_.get(QStringLiteral("insertFavoritliste"))
        ->setIcon(StandardIcon::of(QStyle::SP_FileDialogNewFolder));

    buildFilPage(info);
    buildDokumentPage(info);
    buildSoegPage();
    buildVinduePage();
    buildInformationPage();
    addPage("menuSide6", "Egenskaber");
    buildBoksePage(info);
    setCurrentIndex(Dokument);
    resize(width(), kDesignHeight);
}

QBoxLayout *MenuBook::addPage(const char *name, const char *caption)
{
    auto *page = new QWidget(this);
    page->setObjectName(QString::fromLatin1(name));
    auto *row = new QHBoxLayout(page);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(6);
    addTab(page, QString::fromUtf8(caption));
    return row;
}

QToolButton *MenuBook::button(const QString &command, const QString &caption)
{
    return new CommandButton(commands_.get(command), this, caption);
}

QWidget *MenuBook::nameBlock(const QString &pictureCommand, QWidget *nameField)
{
    auto *block = new QWidget(this);
    auto *row = new QHBoxLayout(block);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    row->addWidget(button(pictureCommand));
    nameField->setParent(block);
    nameField->setMinimumWidth(kNameFieldWidth);
    nameField->show();
    row->addWidget(nameField, 1);
    return block;
}

void MenuBook::buildFilPage(const DocumentInfoWidgets &info)
{
    QBoxLayout *row = addPage("menuSide1", "Fil");
    QWidget *page = widget(Fil);
    QVBoxLayout *infoColumn = column(row,
        { nameBlock(QStringLiteral("opdaterFilinfo"), info.filnavnEdit), info.filsizeLabel,
            info.antalLinjerLabel, info.filModificeretLabel });
    for (QLabel *label : { info.filsizeLabel, info.antalLinjerLabel, info.filModificeretLabel }) {
        label->setParent(page);
        label->show();
    }
    infoColumn->setSpacing(0);
    addSeparator(row, page);
    column(row,
        { button(QStringLiteral("fileOpen")), button(QStringLiteral("fileGemSom")),
            button(QStringLiteral("fileGem")) });
    column(row, { button(QStringLiteral("fileNewTxt"), QStringLiteral("Nyt tekst\ndokument")) });
    column(row, { button(QStringLiteral("fileNewRtf"), QStringLiteral("Nyt richtext\ndokument")) });
    addSeparator(row, page);
    column(row, { button(QStringLiteral("printerEgenskaber")), button(QStringLiteral("udskrivDokument")) });
    column(row, { button(QStringLiteral("visUdskrift")), button(QStringLiteral("gemSomPdf")) });
    row->addStretch();
}

void MenuBook::buildDokumentPage(const DocumentInfoWidgets &info)
{
    QBoxLayout *row = addPage("menuSide2", "Dokument");
    QWidget *page = widget(Dokument);
    Hint::set(info.docFilnavnEdit, QStringLiteral("Dokumentnavn"));
    QVBoxLayout *documentColumn
        = column(row, { nameBlock(QStringLiteral("insertFavoritliste"), info.docFilnavnEdit) });
    auto *dateButtons = new QHBoxLayout;
    column(dateButtons, { button(QStringLiteral("aDato")), button(QStringLiteral("aKlokken")) });
    column(dateButtons, { button(QStringLiteral("aDato2")), button(QStringLiteral("aDato3")) });
    dateButtons->addStretch();
    documentColumn->insertLayout(1, dateButtons);
    addSeparator(row, page);

    dates_.bogTekstLabel = new QLabel(QStringLiteral("Datoer"), page);
    dates_.yearNuButton = new QToolButton(page);
    dates_.yearNuButton->setAutoRaise(true);
    dates_.yearNuButton->setText(QStringLiteral("Nu"));
    Hint::set(dates_.yearNuButton, QStringLiteral("Gå til nuværende år"));
    dates_.yearTilbageButton10
        = pictureButton(page, QStyle::SP_MediaSeekBackward, QStringLiteral("Gå ti år tilbage"));
    dates_.yearTilbageButton = pictureButton(page, QStyle::SP_ArrowLeft, QStringLiteral("Gå et år tilbage"));
    dates_.aarEdit = new QLineEdit(QStringLiteral("0000"), page);
    dates_.aarEdit->setReadOnly(true);
    dates_.aarEdit->setAlignment(Qt::AlignCenter);
    dates_.aarEdit->setFixedWidth(56);
    Hint::set(dates_.aarEdit, QStringLiteral("Viser det år datoerne beregnes ud fra"));
    dates_.aarEdit->setAccessibleName(QStringLiteral("År"));
    dates_.yearFremButton = pictureButton(page, QStyle::SP_ArrowRight, QStringLiteral("Gå et år frem"));
    dates_.yearFremButton10
        = pictureButton(page, QStyle::SP_MediaSeekForward, QStringLiteral("Gå ti år frem"));

    auto *years = new QWidget(page);
    auto *yearRow = new QHBoxLayout(years);
    yearRow->setContentsMargins(0, 0, 0, 0);
    yearRow->setSpacing(1);
    for (QWidget *control : QList<QWidget *> { dates_.yearNuButton, dates_.yearTilbageButton10,
             dates_.yearTilbageButton, dates_.aarEdit, dates_.yearFremButton, dates_.yearFremButton10 })
        yearRow->addWidget(control);
    QToolButton *writeList = button(QStringLiteral("aDatoUdskriv"));
    writeList->setObjectName(QStringLiteral("DatoerFindKnap"));
    column(row, { dates_.bogTekstLabel, years, writeList });
    row->addStretch();
}

void MenuBook::buildSoegPage()
{
    QBoxLayout *row = addPage("menuSide3", "Søg");
    QWidget *page = widget(Soeg);

    search_.ordEdit = new QLineEdit(page);
    search_.ordEdit->setObjectName(QStringLiteral("ordEdit"));
    search_.ordEdit->setPlaceholderText(QStringLiteral("Indfør søgeord"));
    Hint::set(search_.ordEdit, QStringLiteral("Søgefelt"));
    search_.erstatEdit = new QLineEdit(page);
    search_.erstatEdit->setObjectName(QStringLiteral("erstatEdit"));
    Hint::set(search_.erstatEdit, QStringLiteral("Søgefelt"));
    // The labels name their fields for screen readers.
    auto *searchLabel = new QLabel(QStringLiteral("Søg efter:"), page);
    searchLabel->setBuddy(search_.ordEdit);
    auto *replaceLabel = new QLabel(QStringLiteral("Erstat med:"), page);
    replaceLabel->setBuddy(search_.erstatEdit);
    auto *fields = new QGridLayout;
    fields->addWidget(searchLabel, 0, 0);
    fields->addWidget(search_.ordEdit, 0, 1);
    fields->addWidget(button(QStringLiteral("findTekst")), 0, 2);
    fields->addWidget(replaceLabel, 1, 0);
    fields->addWidget(search_.erstatEdit, 1, 1);
    fields->addWidget(button(QStringLiteral("erstatTekst")), 1, 2);
    fields->setColumnMinimumWidth(1, 220);
    fields->setRowStretch(2, 1);
    row->addLayout(fields);
    addSeparator(row, page);

    search_.retGroup = new RadioGroup(
        QStringLiteral("Søgeretning"), { QStringLiteral("Tilbage"), QStringLiteral("Fremad") }, page);
    search_.retGroup->setObjectName(QStringLiteral("retGroup"));
    search_.retGroup->setItemIndex(1);
    Hint::set(search_.retGroup, QStringLiteral("Gælder kun for findfunktionen og ikke for erstatfunktionen"));
    row->addWidget(search_.retGroup);

    search_.SsCheck = new QCheckBox(QStringLiteral("Store og små bogstaver"), page);
    search_.HeleOrdCheck = new QCheckBox(QStringLiteral("Kun hele ord"), page);
    search_.erstatAlleCheck = new QCheckBox(QStringLiteral("Find alle forekomster"), page);
    column(row, { search_.SsCheck, search_.HeleOrdCheck, search_.erstatAlleCheck });
    addSeparator(row, page);

    search_.antalFundLabel = new QLabel(QStringLiteral("Antal forekomster:"), page);
    search_.antalFundLabel->setObjectName(QStringLiteral("antalFundLabel"));
    column(row, { search_.antalFundLabel });
    row->addStretch();
}

void MenuBook::buildVinduePage()
{
    QBoxLayout *row = addPage("menuSide4", "Vindue");
    column(row,
        { button(QStringLiteral("WindowCascade")), button(QStringLiteral("WindowTileHorizontal")),
            button(QStringLiteral("WindowTileVertical")) });
    column(row,
        { button(QStringLiteral("WindowMinimizeAll")), button(QStringLiteral("winLuk")),
            button(QStringLiteral("winLukAlle")) });
    addSeparator(row, widget(Vindue));
    column(row,
        { button(QStringLiteral("favoritBox")), button(QStringLiteral("dokumentBox")),
            button(QStringLiteral("mappefilBox")) });
    column(row, { button(QStringLiteral("closeAllBokse"), QStringLiteral("Luk alle\nbokse")) });
    row->addStretch();
}

void MenuBook::buildInformationPage()
{
    QBoxLayout *row = addPage("menuSide5", "Information");
    QWidget *page = widget(Information);

    messages_.bcMemo = new QPlainTextEdit(page);
    messages_.bcMemo->setObjectName(QStringLiteral("bcMemo"));
    messages_.bcMemo->setFixedWidth(260);
    row->addWidget(messages_.bcMemo);

    auto *title = new QLabel(QStringLiteral("Besked center"), page);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    messages_.bcEdit = new QLineEdit(page);
    messages_.bcEdit->setObjectName(QStringLiteral("bcEdit"));
    messages_.bcEdit->setAccessibleName(QStringLiteral("Overskrift"));
    messages_.bcMemo->setAccessibleName(QStringLiteral("Besked"));
    messages_.memoLabel = new QLabel(QStringLiteral("0"), page);
    messages_.bcNyButton = new QToolButton(page);
    messages_.bcNyButton->setText(QStringLiteral("Ny"));
    Hint::set(messages_.bcNyButton, QStringLiteral("Start en ny besked"));
    messages_.bcButton = new QToolButton(page);
    messages_.bcButton->setText(QStringLiteral("Send"));
    Hint::set(messages_.bcButton, QStringLiteral("Sen beskeden til beskedcenteret"));
    for (QToolButton *messageButton : { messages_.bcNyButton, messages_.bcButton })
        messageButton->setAutoRaise(true);
    auto *counter = new QWidget(page);
    auto *counterRow = new QHBoxLayout(counter);
    counterRow->setContentsMargins(0, 0, 0, 0);
    counterRow->addWidget(messages_.memoLabel);
    counterRow->addWidget(new QLabel(QStringLiteral(" tegn"), page));
    counterRow->addStretch();
    counterRow->addWidget(messages_.bcNyButton);
    counterRow->addWidget(messages_.bcButton);
    column(row, { title, messages_.bcEdit, counter });
    addSeparator(row, page);

    column(row,
        { button(QStringLiteral("bingUrl")), button(QStringLiteral("googleUrl")),
            button(QStringLiteral("tubeUrl")) });
    addSeparator(row, page);
    column(row, { button(QStringLiteral("openGenvejsboksen")) });
    row->addStretch();
}

void MenuBook::buildBoksePage(const DocumentInfoWidgets &info)
{
    QBoxLayout *row = addPage("menuSide7", "Bokse");
    Hint::set(info.skiftDocFilnavnEdit, QStringLiteral("Dokumentnavn"));
    column(row, { nameBlock(QStringLiteral("insertFavoritliste"), info.skiftDocFilnavnEdit) });
    addSeparator(row, widget(Bokse));
    column(row,
        { button(QStringLiteral("dokumentBox")), button(QStringLiteral("mappefilBox")),
            button(QStringLiteral("favoritBox")) });
    column(row,
        { button(QStringLiteral("aSearchTekst"), QStringLiteral("Find tekst i\ntekst-dokumenter")),
            button(QStringLiteral("aSearchMappeFiler"), QStringLiteral("Find mapper og\nfiler i mappe")) });
    column(row, { button(QStringLiteral("closeAllBokse")) });
    column(row, { button(QStringLiteral("openFiltypeboksen")) });
    row->addStretch();
}

void MenuBook::adoptOptionPanels(const QList<QWidget *> &panels)
{
    QWidget *page = widget(Egenskaber);
    auto *row = static_cast<QBoxLayout *>(page->layout());
    for (QWidget *panel : panels) {
        if (panel->parentWidget() == page)
            continue;
        row->addWidget(panel);
        panel->show();
    }
}
