#include "options/Tboksform.h"

#include "app/AccessibleName.h"
#include "app/AppContext.h"
#include "app/FileMessages.h"
#include "app/Hint.h"
#include "app/SettingsFile.h"
#include "app/StandardIcon.h"
#include "options/TFontnavne.h"
#include "platform/widgets/ModalRunner.h"

#include <QAction>
#include <QCollator>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The sort button's picture: "A" above "Z" and a downward arrow, in the colour of button text.
QIcon sortIcon(const QColor &ink)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(ink);
    QFont font = painter.font();
    font.setPixelSize(13);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, 18, 16), Qt::AlignCenter, QStringLiteral("A"));
    painter.drawText(QRect(0, 16, 18, 16), Qt::AlignCenter, QStringLiteral("Z"));
    painter.setPen(QPen(ink, 2));
    painter.drawLine(QPointF(25, 4), QPointF(25, 27));
    painter.drawLine(QPointF(21, 22), QPointF(25, 27));
    painter.drawLine(QPointF(29, 22), QPointF(25, 27));
    return QIcon(pixmap);
}

QList<QListWidgetItem *> selectedInOrder(const QListWidget *list)
{
    QList<QListWidgetItem *> items;
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->isSelected())
            items << list->item(row);
    }
    return items;
}

QListWidget *nameList(QWidget *parent)
{
    auto *list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    return list;
}

} // namespace

Tboksform::Tboksform(AppContext &context)
    : ToolBox(context, QStringLiteral("Fontnavne"))
{
    setModal(true);
    buildLayout();
    resize(kWidth, kHeight);
    optFilnavn = context.fields.OptMappe + QStringLiteral("/boks.txt");
    settings_ = std::make_unique<SettingsFile>(optFilnavn);
    HentOpt();
    updateActions();
}

Tboksform::~Tboksform() = default;

QAction *Tboksform::command(
    const QString &caption, const QString &hint, const QIcon &icon, std::function<void()> run)
{
    auto *action = new QAction(icon, caption, this);
    action->setToolTip(Hint::shortPart(hint));
    action->setStatusTip(hint);
    connect(action, &QAction::triggered, this, [this, run = std::move(run)] {
        run();
        updateActions();
    });
    return action;
}

QToolButton *Tboksform::commandButton(QAction *action)
{
    auto *button = new QToolButton(this);
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    button->setIconSize(QSize(20, 20));
    AccessibleName::fromHint(button);
    return button;
}

void Tboksform::buildLayout()
{
    Box = nameList(this);
    Box->setAccessibleName(QStringLiteral("Fontnavne"));
    lagerBox = nameList(this);
    lagerBox->setAccessibleName(QStringLiteral("Lager"));

    AvalgteTilLager = command({}, QStringLiteral("Flyt valgte til lager"),
        StandardIcon::of(QStyle::SP_ArrowRight), [this] { moveSelected(Box, lagerBox); });
    AvalgteTilbage = command({}, QStringLiteral("Flyt valgte tilbage"),
        StandardIcon::of(QStyle::SP_ArrowLeft), [this] { moveSelected(lagerBox, Box); });
    AalleTilLager = command({}, QStringLiteral("Flyt alle til lager"),
        StandardIcon::of(QStyle::SP_MediaSeekForward), [this] { moveAll(Box, lagerBox); });
    AalleTilbage = command({}, QStringLiteral("Flyt alle tilbage"),
        StandardIcon::of(QStyle::SP_MediaSeekBackward), [this] { moveAll(lagerBox, Box); });
    AflytOp = command({}, QStringLiteral("Flyt valgte op"), StandardIcon::of(QStyle::SP_ArrowUp),
        [this] { moveSelectedBy(-1); });
    AflytNed = command({}, QStringLiteral("Flyt valgte ned"), StandardIcon::of(QStyle::SP_ArrowDown),
        [this] { moveSelectedBy(1); });
    sletFontFraListe = command(QStringLiteral("Fjern"), QStringLiteral("Fjern valgte fontnavn fra listen"),
        {}, [this] { removeSelected(); });
    sorterListerne = command({}, QStringLiteral("Sorter listerne alfabetisk"),
        sortIcon(palette().color(QPalette::ButtonText)), [this] { sortLists(); });

    fontBox = new TFontnavne(this);
    fontBox->setMaxVisibleItems(24);
    fontBox->lineEdit()->setPlaceholderText(QStringLiteral("Hent fontnavne"));
    AccessibleName::unseenLabel(fontBox, QStringLiteral("Installerede fonte"));
    fontBox->lineEdit()->setAccessibleName(QStringLiteral("Installerede fonte"));
    SpeedButton1 = commandButton(sletFontFraListe);
    SpeedButton1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    getFontnamesButton = new QPushButton(QStringLiteral("Hent"), this);
    Hint::set(getFontnamesButton, QStringLiteral("Indlæs fonte"));
    indsertFontButton = new QPushButton(QStringLiteral("Indsæt"), this);
    Hint::set(indsertFontButton, QStringLiteral("Indsæt valgte font i listen"));
    indsertFontButton->setEnabled(false);
    connect(getFontnamesButton, &QPushButton::clicked, this, &Tboksform::getFontNames);
    connect(indsertFontButton, &QPushButton::clicked, this, [this] {
        insertFont();
        updateActions();
    });
    connect(fontBox, &QComboBox::editTextChanged, this, [this] { indsertFontButton->setEnabled(true); });

    tilLagerValgte = commandButton(AvalgteTilLager);
    tilbageValgte = commandButton(AvalgteTilbage);
    tilLagerAlle = commandButton(AalleTilLager);
    tilbageAlle = commandButton(AalleTilbage);
    flytOp = commandButton(AflytOp);
    flytNed = commandButton(AflytNed);
    gemKnap = commandButton(sorterListerne);

    Memo = new QPlainTextEdit(this);
    Memo->setPlainText(QStringLiteral("Dette er skrevet med følgende font:\nSegoe UI"));
    Memo->setFont(QFont(QStringLiteral("Segoe UI")));
    Memo->setFixedHeight(80);
    Memo->setAccessibleName(QStringLiteral("Prøve på fonten"));
    Memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fontAntalLabel = new QLabel(QStringLiteral("Du har valgt 0 fonte"), this);
    annullerButton = new QPushButton(QStringLiteral("Annuller"), this);
    Hint::set(annullerButton, QStringLiteral("Annuller handlinger og luk"));
    okButton = new QPushButton(QStringLiteral("Gem og luk"), this);
    Hint::set(okButton, QStringLiteral("Gem ændringer og luk"));
    connect(annullerButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    for (QListWidget *list : { Box, lagerBox }) {
        connect(list, &QListWidget::itemSelectionChanged, this, &Tboksform::updateActions);
        connect(list, &QListWidget::currentRowChanged, this, &Tboksform::updateActions);
        connect(list, &QListWidget::itemClicked, this, [this, list] { preview(list); });
    }

    auto *top = new QHBoxLayout;
    top->addWidget(fontBox, 1);
    top->addWidget(getFontnamesButton);
    top->addWidget(indsertFontButton);
    top->addWidget(SpeedButton1);

    auto *middle = new QVBoxLayout;
    for (QToolButton *button :
        { tilLagerValgte, tilbageValgte, tilLagerAlle, tilbageAlle, flytOp, flytNed, gemKnap })
        middle->addWidget(button);
    middle->addStretch();
    auto *lists = new QHBoxLayout;
    lists->addWidget(Box, 1);
    lists->addLayout(middle);
    lists->addWidget(lagerBox, 1);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(fontAntalLabel, 1);
    bottom->addWidget(annullerButton);
    bottom->addWidget(okButton);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(lists, 1);
    layout->addWidget(Memo);
    layout->addLayout(bottom);
}

void Tboksform::HentOpt()
{
    // One line, the height; anything else leaves the height as it is, without a message.
    if (settings_->read() != SettingsFile::Status::Read || settings_->lines().size() != 1)
        return;
    settings_->apply({ SettingsLine::integer(
        [this](int height) { resize(width(), std::max(height, minimumSizeHint().height())); }) });
}

void Tboksform::GemOpt()
{
    if (!settings_->write({ QString::number(height()) }))
        context().inform(FileMessages::writeFailure(settings_->path(), settings_->error()));
}

void Tboksform::changeEvent(QEvent *event)
{
    ToolBox::changeEvent(event);
    // The drawn picture follows the theme's ink like the style's own pictures do.
    if (event->type() == QEvent::PaletteChange)
        sorterListerne->setIcon(sortIcon(palette().color(QPalette::ButtonText)));
}

void Tboksform::done(int result)
{
    GemOpt();
    ToolBox::done(result);
}

QStringList Tboksform::names(const QListWidget *list)
{
    QStringList result;
    for (int row = 0; row < list->count(); ++row)
        result << list->item(row)->text();
    return result;
}

void Tboksform::setNames(QListWidget *list, const QStringList &names)
{
    list->clear();
    list->addItems(names);
}

void Tboksform::showCount()
{
    fontAntalLabel->setText(
        QStringLiteral("Der er valgt ") + QString::number(Box->count()) + QStringLiteral(" antal fonte"));
}

void Tboksform::updateActions()
{
    const qsizetype selectedInBox = Box->selectedItems().size();
    AvalgteTilLager->setEnabled(Box->count() > 0 && selectedInBox > 0);
    AvalgteTilbage->setEnabled(lagerBox->count() > 0 && !lagerBox->selectedItems().isEmpty());
    AalleTilLager->setEnabled(Box->count() > 0);
    AalleTilbage->setEnabled(lagerBox->count() > 0);
    AflytOp->setEnabled(Box->count() >= 2 && selectedInBox == 1);
    AflytNed->setEnabled(Box->count() >= 2 && selectedInBox == 1);
    sletFontFraListe->setEnabled(Box->currentRow() >= 0);
}

void Tboksform::moveSelected(QListWidget *from, QListWidget *to)
{
    for (QListWidgetItem *item : selectedInOrder(from))
        to->addItem(from->takeItem(from->row(item)));
    showCount();
}

void Tboksform::moveAll(QListWidget *from, QListWidget *to)
{
    while (from->count() > 0)
        to->addItem(from->takeItem(0));
    showCount();
}

// One place up (step -1) or down (step 1); past either end the list turns round by one, so the name
// goes to the other end.
void Tboksform::moveSelectedBy(int step)
{
    const QList<QListWidgetItem *> selected = Box->selectedItems();
    if (Box->count() < 2 || selected.size() != 1)
        return;
    const int from = Box->row(selected.first());
    const int last = Box->count() - 1;
    int to = from + step;
    if (to < 0)
        to = last;
    else if (to > last)
        to = 0;
    QListWidgetItem *item = Box->takeItem(from);
    Box->insertItem(to, item);
    Box->clearSelection();
    Box->setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
}

void Tboksform::removeSelected()
{
    for (QListWidgetItem *item : selectedInOrder(Box))
        delete Box->takeItem(Box->row(item));
    showCount();
}

void Tboksform::sortLists()
{
    QCollator collator { QLocale(QLocale::Danish, QLocale::Denmark) };
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    for (QListWidget *list : { Box, lagerBox }) {
        QStringList sorted = names(list);
        std::stable_sort(sorted.begin(), sorted.end(), collator);
        setNames(list, sorted);
    }
}

void Tboksform::getFontNames()
{
    fontBox->GetFontNames();
    fontBox->setCurrentIndex(0);
    getFontnamesButton->setEnabled(false);
    indsertFontButton->setEnabled(true);
}

void Tboksform::insertFont()
{
    // Only a name from the list counts; text typed that names no installed font is not added.
    const int index = fontBox->findText(fontBox->currentText(), Qt::MatchFixedString);
    if (index >= 0)
        Box->addItem(fontBox->itemText(index));
    indsertFontButton->setEnabled(false);
    showCount();
}

void Tboksform::preview(QListWidget *list)
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    if (selected.size() != 1)
        return;
    const QString name = selected.first()->text();
    QStringList lines = Memo->toPlainText().split(u'\n');
    while (lines.size() < 2)
        lines << QString();
    lines[0] = QStringLiteral("Fontnavn:");
    lines[1] = name;
    Memo->setPlainText(lines.join(u'\n'));
    Memo->setFont(QFont(name));
}

bool Tboksform::editFontNames(QStringList &offered, std::optional<QStringList> &stored)
{
    setNames(Box, offered);
    if (stored)
        setNames(lagerBox, *stored);
    showCount();
    updateActions();
    if (context().platform.modal.exec(*this) != QDialog::Accepted)
        return false;
    offered = names(Box);
    stored = names(lagerBox);
    return true;
}

void Tboksform::clearStoredFontNames()
{
    lagerBox->clear();
}
