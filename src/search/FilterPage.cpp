#include "search/FilterPage.h"

#include "app/AccessibleName.h"
#include "app/AppContext.h"
#include "app/Hint.h"
#include "app/SettingsFile.h"
#include "app/StandardIcon.h"
#include "platform/ProgramFiles.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QAction *command(QWidget *owner, const QString &caption, const QString &hint)
{
    auto *action = new QAction(caption, owner);
    action->setToolTip(hint.isEmpty() ? caption : hint);
    action->setStatusTip(hint);
    return action;
}

QToolButton *pictureButton(
    QWidget *parent, QAction *action, QStyle::StandardPixmap picture, const QString &name)
{
    action->setIcon(StandardIcon::of(picture));
    auto *button = new QToolButton(parent);
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    button->setAccessibleName(name);
    return button;
}

} // namespace

FilterPage::FilterPage(AppContext &context, QWidget *parent)
    : QWidget(parent)
    , context_(context)
    , file_(std::make_unique<SettingsFile>(context.fields.OptMappe + QStringLiteral("/Filtertyper.txt")))
{
    buildControls();
    loadInformationPage();
}

FilterPage::~FilterPage() = default;

void FilterPage::buildControls()
{
    auto *columns = new QHBoxLayout(this);
    auto *left = new QVBoxLayout;
    columns->addLayout(left);

    auto *intro
        = new QLabel(QStringLiteral("Afkryds filtyper der skal være tilgængelige i Filterboksen."), this);
    intro->setWordWrap(true);
    left->addWidget(intro);

    Aop = command(this, QStringLiteral("Flyt valgte op"), QStringLiteral("Flyt valgte filtype op i listen"));
    Aned = command(
        this, QStringLiteral("Flyt valgte ned"), QStringLiteral("Flyt valgte filtype ned i listen"));
    connect(Aop, &QAction::triggered, this, [this] { moveSelected(-1); });
    connect(Aned, &QAction::triggered, this, [this] { moveSelected(1); });
    auto *tools = new QToolBar(this);
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tools->addAction(Aop);
    tools->addAction(Aned);
    tools->setAccessibleName(QStringLiteral("Flyt filtyper"));
    AccessibleName::ofExtensionButton(tools);
    left->addWidget(tools);

    typeliste = new QTreeWidget(this);
    typeliste->setObjectName(QStringLiteral("typeliste"));
    typeliste->setAccessibleName(QStringLiteral("Filtyper"));
    typeliste->setColumnCount(2);
    typeliste->setHeaderLabels({ QStringLiteral("Tekst"), QStringLiteral("Type") });
    typeliste->setRootIsDecorated(false);
    typeliste->setColumnWidth(0, 180);
    typeliste->setColumnWidth(1, 60);
    typeliste->setStyleSheet(QStringLiteral("QTreeWidget::item { border: 1px solid palette(mid); }"));
    connect(typeliste, &QTreeWidget::itemSelectionChanged, this, &FilterPage::updateCommands);
    // A tick set or cleared is a change to save like any other: the page asks the user to tick.
    connect(typeliste, &QTreeWidget::itemChanged, this, [this] { saveknap->setEnabled(true); });
    left->addWidget(typeliste, 1);

    auto *entry = new QGridLayout;
    auto *captionLabel = new QLabel(QStringLiteral("Tekst"), this);
    auto *maskLabel = new QLabel(QStringLiteral("Type"), this);
    tekstedit = new QLineEdit(this);
    tekstedit->setAccessibleName(QStringLiteral("Tekst"));
    captionLabel->setBuddy(tekstedit);
    typeedit = new QLineEdit(this);
    typeedit->setAccessibleName(QStringLiteral("Type"));
    maskLabel->setBuddy(typeedit);
    aInsertNew = command(this, QString(), QStringLiteral("Indfør i listen"));
    connect(aInsertNew, &QAction::triggered, this, &FilterPage::insertNew);
    connect(typeedit, &QLineEdit::returnPressed, this, [this] {
        if (aInsertNew->isEnabled())
            insertNew();
    });
    insertknap
        = pictureButton(this, aInsertNew, QStyle::SP_DialogApplyButton, QStringLiteral("Indfør i listen"));
    entry->addWidget(captionLabel, 0, 0);
    entry->addWidget(maskLabel, 0, 1);
    entry->addWidget(tekstedit, 1, 0);
    entry->addWidget(typeedit, 1, 1);
    entry->addWidget(insertknap, 1, 2);
    left->addLayout(entry);

    auto *buttons = new QHBoxLayout;
    aSletValgte = command(this, QStringLiteral("Slet valgte"), QString());
    connect(aSletValgte, &QAction::triggered, this, &FilterPage::deleteSelected);
    deleteknap = pictureButton(this, aSletValgte, QStyle::SP_TrashIcon, QStringLiteral("Slet valgte"));
    standardKnap = new QPushButton(QStringLiteral("Standard"), this);
    standardKnap->setAutoDefault(false);
    Hint::set(
        standardKnap, QStringLiteral("Slet nuværende liste og hent standardlisten, der automatisk gemmes"));
    connect(standardKnap, &QPushButton::clicked, this, &FilterPage::standardKnapClick);
    saveknap = new QPushButton(QStringLiteral("Gem"), this);
    saveknap->setAutoDefault(false);
    saveknap->setEnabled(false);
    Hint::set(saveknap, QStringLiteral("Gem listen og luk"));
    connect(saveknap, &QPushButton::clicked, this, &FilterPage::GemTypeliste);
    buttons->addWidget(deleteknap);
    buttons->addWidget(standardKnap);
    buttons->addWidget(saveknap);
    buttons->addStretch();
    left->addLayout(buttons);

    Browser = new QTextBrowser(this);
    Browser->setAccessibleName(QStringLiteral("Information"));
    columns->addWidget(Browser, 1);
}

void FilterPage::loadInformationPage()
{
    // The data root's copy, then the installed one, then the one built into the program: there is always one.
    const QString page = ProgramFiles(context_.fields.programmappe, ProgramFiles::installedFolders())
                             .find(QStringLiteral("Information/Find i dokumenter2.html"));
    Browser->setSource(
        page.startsWith(u':') ? QUrl(QStringLiteral("qrc") + page) : QUrl::fromLocalFile(page));
}

void FilterPage::HentTypeliste()
{
    switch (file_->read()) {
    case SettingsFile::Status::Missing:
        makeTypeliste();
        return;
    case SettingsFile::Status::Unreadable:
        // The file stays as it is; the standard list serves this run.
        filliste_ = FileTypeList::standard();
        context_.inform(QStringLiteral("Information:\rFiltypelisten kunne ikke læses.\r") + file_->error()
            + QStringLiteral("\rStandardlisten bruges indtil videre."));
        break;
    case SettingsFile::Status::Read:
        filliste_ = FileTypeList::fromLines(file_->lines());
        break;
    }
    LoadTypeliste();
    saveknap->setEnabled(false);
    Q_EMIT savedListChanged();
}

void FilterPage::makeTypeliste()
{
    filliste_ = FileTypeList::standard();
    if (!file_->write(FileTypeList::toLines(filliste_)))
        context_.inform(QStringLiteral("Information:\rFiltypelisten kunne ikke gemmes.\r") + file_->error());
    LoadTypeliste();
    saveknap->setEnabled(false);
    Q_EMIT savedListChanged();
}

void FilterPage::LoadTypeliste()
{
    typeliste->clear();
    for (const FileTypeEntry &entry : std::as_const(filliste_))
        typelisteAdd(entry);
}

void FilterPage::typelisteAdd(const FileTypeEntry &entry)
{
    // Ticked before it joins the list, so that only the user's ticks count as changes.
    auto *item = new QTreeWidgetItem({ entry.caption, entry.mask });
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(0, entry.ticked ? Qt::Checked : Qt::Unchecked);
    typeliste->addTopLevelItem(item);
}

QList<FileTypeEntry> FilterPage::shownEntries() const
{
    QList<FileTypeEntry> entries;
    for (int row = 0; row < typeliste->topLevelItemCount(); ++row) {
        const QTreeWidgetItem *item = typeliste->topLevelItem(row);
        entries.append({ item->text(0), item->text(1), item->checkState(0) == Qt::Checked });
    }
    return entries;
}

void FilterPage::GemTypeliste()
{
    filliste_ = shownEntries();
    if (!file_->write(FileTypeList::toLines(filliste_))) {
        context_.inform(QStringLiteral("Information:\rFiltypelisten kunne ikke gemmes.\r") + file_->error());
        return;
    }
    saveknap->setEnabled(false);
    Q_EMIT savedListChanged();
}

void FilterPage::standardKnapClick()
{
    if (!context_.ask(QStringLiteral("Der vil muligvist blive fjernet typer, der er indført senere!\r"
                                     "Skal standardlisten hentes alligevel?"),
            AppContext::Safe::No))
        return;
    makeTypeliste();
}

int FilterPage::selectedRow() const
{
    const QList<QTreeWidgetItem *> selected = typeliste->selectedItems();
    return selected.isEmpty() ? -1 : typeliste->indexOfTopLevelItem(selected.first());
}

void FilterPage::moveSelected(int step)
{
    const int row = selectedRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= typeliste->topLevelItemCount())
        return;
    QTreeWidgetItem *item = typeliste->takeTopLevelItem(row);
    typeliste->insertTopLevelItem(target, item);
    typeliste->clearSelection();
    // Moving down keeps the entry selected, so it can be moved on; moving up leaves none selected.
    if (step > 0)
        item->setSelected(true);
    typeliste->setCurrentItem(step > 0 ? item : nullptr);
    saveknap->setEnabled(true);
}

void FilterPage::insertNew()
{
    if (tekstedit->text().isEmpty() || typeedit->text().isEmpty())
        return;
    typelisteAdd({ tekstedit->text(), FileTypeList::maskFromTyped(typeedit->text()), true });
    tekstedit->clear();
    typeedit->clear();
    tekstedit->setFocus();
    saveknap->setEnabled(true);
}

void FilterPage::deleteSelected()
{
    const int row = selectedRow();
    if (row <= 0)
        return;
    const QString caption = typeliste->topLevelItem(row)->text(0);
    if (!context_.ask(QStringLiteral("Skal filtypen:\r") + caption + QStringLiteral("\rslettes permanent?"),
            AppContext::Safe::No))
        return;
    delete typeliste->takeTopLevelItem(row);
    saveknap->setEnabled(true);
}

void FilterPage::updateCommands()
{
    const int row = selectedRow();
    Aop->setEnabled(row > 0);
    Aned->setEnabled(row >= 0 && row < typeliste->topLevelItemCount() - 1);
    aInsertNew->setEnabled(!tekstedit->text().isEmpty() && !typeedit->text().isEmpty());
    aSletValgte->setEnabled(row > 0);
}
