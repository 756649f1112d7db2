#include "search/SearchPage.h"

#include "app/AppContext.h"
#include "app/FrameInterface.h"
#include "app/Hint.h"
#include "documents/TFunktioner.h"
#include "platform/Shell.h"
#include "search/SearchHitModel.h"
#include "search/UnsearchableMessage.h"
#include "search/text/TextSearchJob.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QAction *command(QWidget *owner, const QString &caption, const QString &hint)
{
    auto *action = new QAction(caption, owner);
    action->setToolTip(hint);
    action->setStatusTip(hint);
    return action;
}

QPushButton *commandButton(QWidget *parent, QAction *action)
{
    auto *button = new QPushButton(action->text(), parent);
    button->setAutoDefault(false);
    Hint::set(button, action->toolTip());
    button->setAccessibleName(action->text());
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    QObject::connect(
        action, &QAction::changed, button, [button, action] { button->setEnabled(action->isEnabled()); });
    button->setEnabled(action->isEnabled());
    return button;
}

} // namespace

SearchPage::SearchPage(AppContext &context, std::function<QString()> folder, QWidget *parent)
    : QWidget(parent)
    , hits(new SearchHitModel(this))
    , context_(context)
    , folder_(std::move(folder))
    , job_(new TextSearchJob({}, this))
{
    createCommands();
    buildControls();
    connect(job_, &TextSearchJob::counted, this, &SearchPage::counted);
    connect(job_, &TextSearchJob::rowsFound, this, &SearchPage::rowsFound);
    connect(job_, &TextSearchJob::filesSearched, this, &SearchPage::filesSearched);
    connect(job_, &TextSearchJob::finished, this, &SearchPage::finished);
    updateCommands();
}

SearchPage::~SearchPage() = default;

void SearchPage::createCommands()
{
    AfindBib = command(
        this, QStringLiteral("Find i bibliotek"), QStringLiteral("Find i alle filer i valgte bibliotek"));
    Afjern
        = command(this, QStringLiteral("Fjern valgte"), QStringLiteral("Fjern det i listen valgte element"));
    AsletAlt = command(this, QStringLiteral("Ryd listen"), QStringLiteral("Fjern alle fundne elementer"));
    AopenAll = command(this, QStringLiteral("Åben alle"), QStringLiteral("Åben alle valgte dokumenter"));
    AvisValgte = command(this, QStringLiteral("Åben"), QStringLiteral("Åben valgte dokument"));
    ArunValgte = command(this, QStringLiteral("Kør"), QStringLiteral("Kør valgte dokument hvis muligt"));
    AeditValgte = command(
        this, QStringLiteral("Rediger"), QStringLiteral("Åben valgte fil til redigering, hvis muligt"));
    aFind = command(this, QStringLiteral("Find"), QStringLiteral("Vis valgte i Stifinder"));
    connect(AfindBib, &QAction::triggered, this, &SearchPage::AfindBibExecute);
    connect(Afjern, &QAction::triggered, this, &SearchPage::AfjernExecute);
    connect(AsletAlt, &QAction::triggered, this, &SearchPage::AsletAltExecute);
    connect(AopenAll, &QAction::triggered, this, &SearchPage::AopenAllExecute);
    connect(AvisValgte, &QAction::triggered, this, &SearchPage::AvisValgteExecute);
    connect(ArunValgte, &QAction::triggered, this, [this] {
        const QString file = existingFileOfTheSelectedRow();
        if (!file.isEmpty())
            context_.frame->funk()->OpenFilen(file, false);
    });
    connect(AeditValgte, &QAction::triggered, this, [this] {
        const QString file = existingFileOfTheSelectedRow();
        if (!file.isEmpty())
            context_.frame->funk()->OpenFilen(file, true);
    });
    connect(aFind, &QAction::triggered, this, &SearchPage::aFindExecute);
}

void SearchPage::buildControls()
{
    auto *layout = new QVBoxLayout(this);

    auto *filterLabel = new QLabel(QStringLiteral("Filtype filter"), this);
    filterBoks = new QComboBox(this);
    filterBoks->setEditable(false);
    filterBoks->setAccessibleName(QStringLiteral("Filtype filter"));
    Hint::set(filterBoks, QStringLiteral("Filterboksen: Nye dokumenter er af valgte type"));
    filterLabel->setBuddy(filterBoks);
    layout->addWidget(filterLabel);
    layout->addWidget(filterBoks);

    auto *findLabel = new QLabel(QStringLiteral("Søg efter"), this);
    layout->addWidget(findLabel);
    auto *findRow = new QHBoxLayout;
    EditFind = new QComboBox(this);
    EditFind->setEditable(true);
    EditFind->setInsertPolicy(QComboBox::NoInsert);
    EditFind->setAccessibleName(QStringLiteral("Søg efter"));
    EditFind->lineEdit()->setAccessibleName(QStringLiteral("Søg efter"));
    findLabel->setBuddy(EditFind);
    connect(EditFind->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        updateCommands();
        if (AfindBib->isEnabled())
            AfindBib->trigger();
    });
    connect(EditFind, &QComboBox::editTextChanged, this, &SearchPage::updateCommands);
    Button1 = new QToolButton(this);
    Button1->setText(QStringLiteral("#"));
    Button1->setAccessibleName(QStringLiteral("Ryd find- listen"));
    Hint::set(Button1, QStringLiteral("Ryd find- listen"));
    connect(Button1, &QToolButton::clicked, this, [this] {
        const QString text = EditFind->currentText();
        EditFind->clear();
        EditFind->setEditText(text);
    });
    findRow->addWidget(EditFind, 1);
    findRow->addWidget(Button1);
    findRow->addWidget(commandButton(this, AfindBib));
    stopButton = new QPushButton(QStringLiteral("Stop"), this);
    stopButton->setAutoDefault(false);
    Hint::set(stopButton, QStringLiteral("Stop søgningen og behold de fund, der er vist"));
    stopButton->setAccessibleName(QStringLiteral("Stop"));
    connect(stopButton, &QPushButton::clicked, job_, &TextSearchJob::stop);
    findRow->addWidget(stopButton);
    layout->addLayout(findRow);

    auto *options = new QGridLayout;
    Check1 = new QCheckBox(QStringLiteral("Kun hele ord"), this);
    Check2 = new QCheckBox(QStringLiteral("Forskel på store og små bogstaver"), this);
    rekursivCheck = new QCheckBox(QStringLiteral("Rekursivt"), this);
    Hint::set(rekursivCheck, QStringLiteral("Søg også i mappers undermapper"));
    auto *foundLabel = new QLabel(QStringLiteral("Fundne:"), this);
    countdis = new QLabel(QStringLiteral("0"), this);
    countdis->setObjectName(QStringLiteral("countdis"));
    countdis->setAccessibleName(QStringLiteral("Fundne"));
    options->addWidget(Check1, 0, 0);
    options->addWidget(foundLabel, 0, 1);
    options->addWidget(countdis, 0, 2);
    options->addWidget(Check2, 1, 0);
    options->addWidget(rekursivCheck, 1, 1, 1, 2);
    options->setColumnStretch(3, 1);
    layout->addLayout(options);

    findis = new QTableView(this);
    findis->setObjectName(QStringLiteral("findis"));
    findis->setAccessibleName(QStringLiteral("Fundne forekomster"));
    findis->setModel(hits);
    findis->setShowGrid(true);
    findis->setSelectionBehavior(QAbstractItemView::SelectRows);
    findis->setSelectionMode(QAbstractItemView::ExtendedSelection);
    findis->setEditTriggers(QAbstractItemView::NoEditTriggers);
    findis->setWordWrap(false);
    findis->verticalHeader()->hide();
    findis->verticalHeader()->setDefaultSectionSize(findis->fontMetrics().height() + 4);
    findis->horizontalHeader()->setSectionsClickable(false);
    findis->horizontalHeader()->setStretchLastSection(true);
    findis->setColumnWidth(SearchHitModel::Dokument, 320);
    connect(findis, &QTableView::doubleClicked, this, [this] {
        if (!selectedRows().isEmpty())
            AvisValgteExecute();
    });
    connect(
        findis->selectionModel(), &QItemSelectionModel::selectionChanged, this, &SearchPage::updateCommands);
    layout->addWidget(findis, 1);

    auto *buttons = new QHBoxLayout;
    for (QAction *action : { Afjern, AsletAlt, AopenAll, AvisValgte, ArunValgte, AeditValgte, aFind })
        buttons->addWidget(commandButton(this, action));
    buttons->addStretch();
    layout->addLayout(buttons);

    mappeLabel = new QLabel(QStringLiteral("Mapper"), this);
    mappeLabel->setAccessibleName(QStringLiteral("Mapper"));
    filLabel = new QLabel(QStringLiteral("Filer"), this);
    filLabel->setAccessibleName(QStringLiteral("Filer"));
    findBar = new QProgressBar(this);
    findBar->setAccessibleName(QStringLiteral("Søgningens fremskridt"));
    findBar->setRange(0, 1);
    findBar->setValue(0);
    layout->addWidget(mappeLabel);
    layout->addWidget(filLabel);
    layout->addWidget(findBar);
}

void SearchPage::LoadFilterBoks(const QList<FileTypeList::Choice> &choices)
{
    filterBoks->clear();
    for (const FileTypeList::Choice &choice : choices)
        filterBoks->addItem(choice.text, choice.mask);
    filterBoks->setMaxVisibleItems(std::max<int>(1, int(choices.size())));
    if (!choices.isEmpty())
        filterBoks->setCurrentIndex(0);
}

bool SearchPage::isSearching() const
{
    return job_->isRunning();
}

void SearchPage::AfindBibExecute()
{
    if (job_->isRunning())
        return;
    if (filterBoks->currentIndex() < 0) {
        context_.inform(QStringLiteral("Information:\rDer er ingen filtyper i filterboksen.\r"
                                       "Afkryds mindst én filtype på siden \"Filtre\", og tryk på \"Gem\"."));
        return;
    }
    TextSearchRequest request;
    request.folder = folder_();
    request.mask = filterBoks->currentData().toString();
    request.text = EditFind->currentText();
    if (Check1->isChecked())
        request.options |= TextFinder::WholeWord;
    if (Check2->isChecked())
        request.options |= TextFinder::MatchCase;
    request.recursive = rekursivCheck->isChecked();
    recursive_ = request.recursive;

    hits->clear();
    countdis->clear();
    mappeLabel->clear();
    filLabel->clear();
    findBar->setRange(0, 1);
    findBar->setValue(0);
    if (recursive_)
        findBar->setRange(0, 0); // busy until the files are counted
    job_->start(request);
    updateCommands();
}

void SearchPage::counted(int folders, int files)
{
    mappeLabel->setText(QStringLiteral("Mapper: %1").arg(folders));
    filLabel->setText(QStringLiteral("Filer: %1").arg(files));
    findBar->setRange(0, std::max(1, files));
}

void SearchPage::rowsFound(const QList<TextSearchRow> &rows)
{
    hits->append(rows);
    countdis->setText(QString::number(hits->rowCount()));
}

void SearchPage::filesSearched(int count)
{
    if (recursive_ && findBar->maximum() > 0)
        findBar->setValue(std::min(count, findBar->maximum()));
}

void SearchPage::finished(const TextSearchSummary &summary)
{
    countdis->setText(QString::number(hits->rowCount()));
    if (recursive_ && findBar->maximum() == 0)
        findBar->setRange(0, 1);
    InsertInRulliste();
    updateCommands();
    if (summary.failed)
        context_.inform(QStringLiteral("Information:\rDer opstod en ukendt fejl."));
    else if (!summary.unsearchable.isEmpty())
        context_.inform(UnsearchableMessage::text(
            QStringLiteral("Disse filer kunne ikke gennemsøges:"), summary.unsearchable));
    Q_EMIT searchFinished(summary);
}

void SearchPage::InsertInRulliste()
{
    const QString text = EditFind->currentText();
    if (text.isEmpty())
        return;
    for (int i = 0; i < EditFind->count(); ++i) {
        if (EditFind->itemText(i) == text)
            return;
    }
    EditFind->addItem(text);
    EditFind->setEditText(text);
}

QList<int> SearchPage::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : findis->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

QString SearchPage::existingFileOfTheSelectedRow() const
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return {};
    const QString file = hits->hit(rows.first()).file;
    if (QFileInfo(file).isFile())
        return file;
    context_.inform(QStringLiteral("Filen blev ikke fundet."));
    return {};
}

void SearchPage::AfjernExecute()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    const int row = rows.first();
    hits->removeHit(row);
    countdis->setText(QString::number(hits->rowCount()));
    findis->clearSelection();
    if (hits->rowCount() > 0)
        findis->selectRow(std::min(row, hits->rowCount() - 1));
    updateCommands();
}

void SearchPage::AsletAltExecute()
{
    hits->clear();
    EditFind->setEditText(QString());
    countdis->setText(QStringLiteral("0"));
    updateCommands();
}

void SearchPage::AopenAllExecute()
{
    for (int row : selectedRows()) {
        const QString file = hits->hit(row).file;
        if (QFileInfo(file).isFile())
            context_.frame->funk()->openwin(file, TFunktioner::extensionOf(file));
    }
}

void SearchPage::AvisValgteExecute()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    const TextSearchRow hit = hits->hit(rows.first());
    const QString file = existingFileOfTheSelectedRow();
    if (file.isEmpty())
        return;
    context_.frame->funk()->openwin(file, TFunktioner::extensionOf(file));
    context_.frame->showSearchPage(hit.line);
}

void SearchPage::aFindExecute()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    QString folder = hits->hit(rows.first()).file;
    if (QFileInfo(folder).isFile())
        folder = QFileInfo(folder).absolutePath();
    if (QFileInfo(folder).isDir())
        context_.platform.shell.showFolder(folder);
    else
        context_.inform(QStringLiteral("Fejlinformation:\rMappen blev ikke fundet."));
}

void SearchPage::updateCommands()
{
    const int selected = int(findis->selectionModel()->selectedRows().size());
    const bool any = hits->rowCount() > 0;
    const bool searching = job_->isRunning();
    AfindBib->setEnabled(!EditFind->currentText().isEmpty() && !searching);
    stopButton->setEnabled(searching);
    Afjern->setEnabled(any && selected > 0 && !searching);
    AsletAlt->setEnabled(any && !searching);
    AopenAll->setEnabled(selected > 0);
    AvisValgte->setEnabled(selected == 1);
    ArunValgte->setEnabled(selected == 1);
    AeditValgte->setEnabled(selected == 1);
    aFind->setEnabled(selected == 1);
}
