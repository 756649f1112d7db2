#include "documents/Ttypeform.h"

#include "app/AccessibleName.h"
#include "app/AppContext.h"
#include "app/FileMessages.h"
#include "app/Hint.h"
#include "app/SettingsFile.h"
#include "app/StandardIcon.h"

#include <QAction>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QToolButton *pictureButton(QWidget *parent, QAction *action)
{
    auto *button = new QToolButton(parent);
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    AccessibleName::fromHint(button);
    return button;
}

QAction *pictureCommand(QWidget *parent, QStyle::StandardPixmap picture, const QString &hint)
{
    auto *action = new QAction(StandardIcon::of(picture), QString(), parent);
    action->setToolTip(hint);
    action->setStatusTip(hint);
    return action;
}

} // namespace

Ttypeform::Ttypeform(AppContext &context)
    : ToolBox(context, QStringLiteral("Filtypeboksen"))
    , file_(std::make_unique<SettingsFile>(context.fields.extListeFilename))
{
    setModal(true);
    buildControls();
    setFixedWidth(kWidth);
    setMinimumHeight(kMinimumHeight);
    setMaximumHeight(QWIDGETSIZE_MAX);
    LoadExtListe(true);
    resize(kWidth, std::max(kMinimumHeight, context.fields.filtypeBoksHeight));
}

Ttypeform::~Ttypeform() = default;

void Ttypeform::buildControls()
{
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(
        QStringLiteral("Disse filtyper er tekstfiler, som kan åbnes til redigering i programmet."), this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    Aop = pictureCommand(this, QStyle::SP_ArrowUp, QStringLiteral("Flyt valgte filtype op i listen"));
    Aned = pictureCommand(this, QStyle::SP_ArrowDown, QStringLiteral("Flyt valgte filtype ned i listen"));
    aDelete = pictureCommand(this, QStyle::SP_TrashIcon, QStringLiteral("Slet valgte fra listen"));
    connect(Aop, &QAction::triggered, this, [this] { moveSelected(-1); });
    connect(Aned, &QAction::triggered, this, [this] { moveSelected(1); });
    connect(aDelete, &QAction::triggered, this, &Ttypeform::deleteSelected);

    typeliste = new QTreeWidget(this);
    typeliste->setObjectName(QStringLiteral("typeliste"));
    typeliste->setAccessibleName(QStringLiteral("Filtyper"));
    typeliste->setColumnCount(2);
    typeliste->setHeaderLabels({ QStringLiteral("Tekst"), QStringLiteral("Type") });
    typeliste->setRootIsDecorated(false);
    typeliste->setStyleSheet(QStringLiteral("QTreeWidget::item { border: 1px solid palette(mid); }"));
    typeliste->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    typeliste->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    typeliste->header()->setStretchLastSection(false);
    typeliste->setContextMenuPolicy(Qt::ActionsContextMenu);
    typeliste->addActions({ Aop, Aned });
    connect(typeliste, &QTreeWidget::itemChanged, this, [this] { saveknap->setEnabled(true); });
    connect(typeliste, &QTreeWidget::itemSelectionChanged, this, [this] {
        saveknap->setEnabled(true);
        updateCommands();
    });
    layout->addWidget(typeliste, 1);

    auto *entry = new QWidget(this);
    entry->setAutoFillBackground(true);
    QPalette sky = entry->palette();
    sky.setColor(QPalette::Window, QColor(0x87, 0xCE, 0xEB));
    sky.setColor(QPalette::WindowText, Qt::black);
    entry->setPalette(sky);
    auto *grid = new QGridLayout(entry);
    tekstedit = new QLineEdit(entry);
    typeedit = new QLineEdit(entry);
    typeedit->setFixedWidth(50);
    insertknap = new QToolButton(entry);
    insertknap->setIcon(StandardIcon::of(QStyle::SP_DialogApplyButton));
    insertknap->setAutoRaise(true);
    Hint::set(insertknap, QStringLiteral("Indfør i listen"));
    connect(insertknap, &QToolButton::clicked, this, &Ttypeform::insertknapClick);
    connect(typeedit, &QLineEdit::returnPressed, this, &Ttypeform::insertknapClick);
    standardKnap = new QPushButton(QStringLiteral("Standard"), entry);
    standardKnap->setAutoDefault(false);
    Hint::set(
        standardKnap, QStringLiteral("Slet nuværende liste og hent standardlisten, der automatisk gemmes"));
    connect(standardKnap, &QPushButton::clicked, this, &Ttypeform::standardKnapClick);
    auto *captionLabel = new QLabel(QStringLiteral("Tekst"), entry);
    auto *maskLabel = new QLabel(QStringLiteral("Type"), entry);
    captionLabel->setBuddy(tekstedit);
    maskLabel->setBuddy(typeedit);
    grid->addWidget(captionLabel, 0, 0);
    grid->addWidget(maskLabel, 0, 1);
    grid->addWidget(tekstedit, 1, 0);
    grid->addWidget(typeedit, 1, 1);
    grid->addWidget(insertknap, 1, 2);
    auto *commands = new QHBoxLayout;
    commands->addWidget(standardKnap);
    commands->addStretch();
    for (QAction *command : { aDelete, Aop, Aned })
        commands->addWidget(pictureButton(entry, command));
    grid->addLayout(commands, 2, 0, 1, 3);
    layout->addWidget(entry);

    auto *bottom = new QHBoxLayout;
    infoButton = new QToolButton(this);
    infoButton->setIcon(StandardIcon::of(QStyle::SP_MessageBoxInformation));
    infoButton->setAutoRaise(true);
    Hint::set(infoButton, QStringLiteral("Information"));
    lukKnap = new QPushButton(QStringLiteral("Annuller"), this);
    lukKnap->setAutoDefault(false);
    Hint::set(lukKnap, QStringLiteral("Luk boksen uden at gemme"));
    connect(lukKnap, &QPushButton::clicked, this, &QDialog::reject);
    saveknap = new QPushButton(QStringLiteral("Gem og luk"), this);
    saveknap->setAutoDefault(false);
    Hint::set(saveknap, QStringLiteral("Gem listen og luk"));
    connect(saveknap, &QPushButton::clicked, this, [this] {
        GemExtListe();
        saveknap->setEnabled(false);
        accept();
    });
    bottom->addWidget(infoButton);
    bottom->addStretch();
    bottom->addWidget(lukKnap);
    bottom->addWidget(saveknap);
    layout->addLayout(bottom);
}

void Ttypeform::showRows(const QList<TextTypeList::Entry> &entries)
{
    const QSignalBlocker quiet(typeliste);
    typeliste->clear();
    for (const TextTypeList::Entry &entry : entries)
        typelisteAdd(entry.name, entry.mask, entry.ticked);
    updateCommands();
}

void Ttypeform::typelisteAdd(const QString &name, const QString &mask, bool ticked)
{
    auto *item = new QTreeWidgetItem(typeliste, { name, mask });
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
}

QList<TextTypeList::Entry> Ttypeform::rows() const
{
    QList<TextTypeList::Entry> entries;
    for (int i = 0; i < typeliste->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = typeliste->topLevelItem(i);
        entries.append({ item->text(0), item->text(1), item->checkState(0) == Qt::Checked });
    }
    return entries;
}

void Ttypeform::makeTypeliste()
{
    context().fields.extListe = TextTypeList::toLines(TextTypeList::standard());
    if (!file_->write(context().fields.extListe))
        context().inform(FileMessages::writeFailure(file_->path(), file_->error()));
    LoadExtListe(false);
}

void Ttypeform::LoadExtListe(bool withLoad)
{
    if (!QFileInfo::exists(file_->path()))
        return;
    if (withLoad) {
        if (file_->read() != SettingsFile::Status::Read) {
            context().inform(FileMessages::readFailure(file_->path(), file_->error()));
            return;
        }
        context().fields.extListe = file_->lines();
    }
    showRows(TextTypeList::fromLines(context().fields.extListe));
}

void Ttypeform::GemExtListe()
{
    context().fields.extListe = TextTypeList::toLines(rows());
    if (!file_->write(context().fields.extListe))
        context().inform(FileMessages::writeFailure(file_->path(), file_->error()));
}

void Ttypeform::insertknapClick()
{
    if (tekstedit->text().isEmpty() || typeedit->text().isEmpty())
        return;
    typelisteAdd(tekstedit->text(), TextTypeList::normaliseMask(typeedit->text()), true);
    saveknap->setEnabled(true);
    tekstedit->clear();
    typeedit->clear();
    tekstedit->setFocus();
    updateCommands();
}

void Ttypeform::moveSelected(int step)
{
    QTreeWidgetItem *item = typeliste->currentItem();
    if (!item)
        return;
    const int from = typeliste->indexOfTopLevelItem(item);
    const int to = from + step;
    if (to < 0 || to >= typeliste->topLevelItemCount())
        return;
    {
        const QSignalBlocker quiet(typeliste);
        typeliste->takeTopLevelItem(from);
        typeliste->insertTopLevelItem(to, item);
        // A row moved up to the top is left unselected; otherwise the selection follows the row.
        if (step < 0 && to == 0) {
            typeliste->setCurrentItem(nullptr);
            typeliste->clearSelection();
        } else {
            typeliste->setCurrentItem(item);
        }
    }
    saveknap->setEnabled(true);
    updateCommands();
}

void Ttypeform::deleteSelected()
{
    QTreeWidgetItem *item = typeliste->currentItem();
    if (!item)
        return;
    if (!context().ask(QStringLiteral("Skal filtypen:\r") + item->text(0) + QStringLiteral("\rslettes?\r")
                + QStringLiteral("Husk at gemme, hvis ændringer skal bevares."),
            AppContext::Safe::No))
        return;
    delete item;
    saveknap->setEnabled(true);
    updateCommands();
}

void Ttypeform::standardKnapClick()
{
    if (!context().ask(QStringLiteral("Der vil muligvist blive fjernet typer, der er indført senere!\r"
                                      "Skal standardlisten hentes alligevel?"),
            AppContext::Safe::No))
        return;
    makeTypeliste();
    saveknap->setEnabled(false);
}

void Ttypeform::updateCommands()
{
    QTreeWidgetItem *item = typeliste->currentItem();
    const int row = item && item->isSelected() ? typeliste->indexOfTopLevelItem(item) : -1;
    aDelete->setEnabled(row >= 0);
    Aop->setEnabled(row > 0);
    Aned->setEnabled(row >= 0 && row < typeliste->topLevelItemCount() - 1);
}

void Ttypeform::showEvent(QShowEvent *event)
{
    ToolBox::showEvent(event);
    LoadExtListe(true);
    saveknap->setEnabled(false);
}

void Ttypeform::resizeEvent(QResizeEvent *event)
{
    ToolBox::resizeEvent(event);
    context().fields.filtypeBoksHeight = event->size().height();
}
