#include "search/Tfilmappeform.h"

#include "app/AppContext.h"
#include "app/FrameInterface.h"
#include "app/Hint.h"
#include "app/IconAction.h"
#include "app/Options.h"
#include "app/WhenIdle.h"
#include "documents/TFunktioner.h"
#include "lists/FileListBox.h"
#include "lists/ShowFolder.h"
#include "lists/TReopenFilerX.h"
#include "platform/widgets/FileDialogs.h"
#include "search/UnsearchableMessage.h"
#include "search/names/NameSearchJob.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kDefaultWidth = 460;
constexpr int kDefaultHeight = 560;

QList<TReopenRec> entriesOf(const QList<NameHit> &hits)
{
    QList<TReopenRec> entries;
    entries.reserve(hits.size());
    for (const NameHit &hit : hits)
        entries.append({ hit.caption, hit.path });
    return entries;
}

QLabel *heading(const char *name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

FileListBox *listBox(const char *name, const QString &accessibleName, QWidget *parent)
{
    auto *box = new FileListBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(accessibleName);
    return box;
}

} // namespace

Tfilmappeform::Tfilmappeform(AppContext &context)
    : ToolBox(context, QStringLiteral("Søg efter mapper og filer"))
    , job_(new NameSearchJob({}, this))
{
    buildControls();
    createLists();
    resize(kDefaultWidth, kDefaultHeight);
    connect(job_, &NameSearchJob::found, this, &Tfilmappeform::found);
    connect(job_, &NameSearchJob::finished, this, &Tfilmappeform::finished);
    WhenIdle::run(this, [this] { updateCommands(); });
    updateCommands();
}

Tfilmappeform::~Tfilmappeform() = default;

void Tfilmappeform::buildControls()
{
    auto *layout = new QVBoxLayout(this);

    auto *folderLabel = new QLabel(QStringLiteral("Søg i følgende mappe"), this);
    layout->addWidget(folderLabel);
    auto *folderRow = new QHBoxLayout;
    mappeEdit = new QLineEdit(this);
    mappeEdit->setObjectName(QStringLiteral("mappeEdit"));
    mappeEdit->setPlaceholderText(QStringLiteral("Indfør søgemappe"));
    mappeEdit->setAcceptDrops(false);
    mappeEdit->setAccessibleName(QStringLiteral("Søg i følgende mappe"));
    folderLabel->setBuddy(mappeEdit);
    browseButton = new QToolButton(this);
    browseButton->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    browseButton->setAutoRaise(true);
    browseButton->setAccessibleName(QStringLiteral("Vælg søgemappe"));
    Hint::set(browseButton, QStringLiteral("Vælg søgemappe"));
    connect(browseButton, &QToolButton::clicked, this, &Tfilmappeform::chooseFolder);
    getDir = IconAction::create(this, "getDir",
        QStringLiteral("Indfør mappen fra \"Filer og mapper\" boksen"), QStyle::SP_DirHomeIcon);
    connect(getDir, &QAction::triggered, this,
        [this] { mappeEdit->setText(this->context().currentFolder.path()); });
    folderRow->addWidget(mappeEdit, 1);
    folderRow->addWidget(browseButton);
    IconAction::addButton(getDir, folderRow);
    getDirButton = findChild<QToolButton *>(QStringLiteral("getDirButton"));
    getDirButton->setAccessibleName(Hint::shortPart(getDir->toolTip()));
    layout->addLayout(folderRow);

    findBar = new QProgressBar(this);
    findBar->setObjectName(QStringLiteral("findBar"));
    findBar->setAccessibleName(QStringLiteral("Søgningens fremskridt"));
    findBar->setTextVisible(false);
    findBar->setRange(0, 1);
    findBar->setValue(0);
    layout->addWidget(findBar);

    BarEdit = heading("BarEdit", QStringLiteral("Søg efter"), this);
    layout->addWidget(BarEdit);
    auto *findRow = new QHBoxLayout;
    findTekstEdit = new QLineEdit(this);
    findTekstEdit->setObjectName(QStringLiteral("findTekstEdit"));
    findTekstEdit->setPlaceholderText(QStringLiteral("Indfør søgeord"));
    findTekstEdit->setAccessibleName(QStringLiteral("Søg efter"));
    BarEdit->setBuddy(findTekstEdit);
    aSearch = IconAction::create(
        this, "aSearch", QStringLiteral("Søg efter mapper og filer"), QStyle::SP_FileDialogContentsView);
    connect(aSearch, &QAction::triggered, this, &Tfilmappeform::aSearchExecute);
    connect(findTekstEdit, &QLineEdit::returnPressed, this, [this] {
        updateCommands();
        if (aSearch->isEnabled())
            aSearch->trigger();
    });
    findTekstKnap = new QToolButton(this);
    findTekstKnap->setObjectName(QStringLiteral("findTekstKnap"));
    findTekstKnap->setDefaultAction(aSearch);
    findTekstKnap->setAutoRaise(true);
    findTekstKnap->setFixedSize(IconAction::kButtonSize, IconAction::kButtonSize);
    findTekstKnap->setAccessibleName(aSearch->toolTip());
    stopButton = new QPushButton(QStringLiteral("Stop"), this);
    stopButton->setObjectName(QStringLiteral("stopButton"));
    stopButton->setAutoDefault(false);
    stopButton->setAccessibleName(QStringLiteral("Stop"));
    Hint::set(stopButton, QStringLiteral("Stop søgningen og behold de fund, der er vist"));
    connect(stopButton, &QPushButton::clicked, job_, &NameSearchJob::stop);
    findRow->addWidget(findTekstEdit, 1);
    findRow->addWidget(findTekstKnap);
    findRow->addWidget(stopButton);
    layout->addLayout(findRow);

    splitter = new QSplitter(Qt::Vertical, this);
    splitter->setChildrenCollapsible(false);
    auto *folderArea = new QWidget(splitter);
    auto *folderColumn = new QVBoxLayout(folderArea);
    folderColumn->setContentsMargins(0, 0, 0, 0);
    mapperOverskrift = heading("mapperOverskrift", QStringLiteral("Mapper"), folderArea);
    mappeBoxen = listBox("mappeBoxen", QStringLiteral("Fundne mapper"), folderArea);
    mapperOverskrift->setBuddy(mappeBoxen);
    folderColumn->addWidget(mapperOverskrift);
    folderColumn->addWidget(mappeBoxen, 1);
    auto *fileArea = new QWidget(splitter);
    auto *fileColumn = new QVBoxLayout(fileArea);
    fileColumn->setContentsMargins(0, 0, 0, 0);
    filerOverskrift = heading("filerOverskrift", QStringLiteral("Filer"), fileArea);
    filBoxen = listBox("filBoxen", QStringLiteral("Fundne filer"), fileArea);
    filerOverskrift->setBuddy(filBoxen);
    fileColumn->addWidget(filerOverskrift);
    fileColumn->addWidget(filBoxen, 1);
    splitter->addWidget(folderArea);
    splitter->addWidget(fileArea);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 2);
    layout->addWidget(splitter, 1);
}

void Tfilmappeform::createLists()
{
    AppContext &context = this->context();
    auto showPath = [&context](const QString &, const QString &path) { context.frame->UdskrivInfo(path); };
    findDir = new TReopenFilerX(context, this);
    findDir->Itemtype = TItemtype::itBibliotek;
    findDir->setListeBoks(mappeBoxen);
    findDir->OnListeKlik = showPath;
    findDir->OnDblListeKlik
        = [&context](const QString &, const QString &path) { ShowFolder::show(context, path); };

    findFiler = new TReopenFilerX(context, this);
    findFiler->Itemtype = TItemtype::itFil;
    findFiler->setListeBoks(filBoxen);
    findFiler->OnListeKlik = showPath;
    findFiler->OnDblListeKlik = [&context](const QString &, const QString &path) {
        if (QFileInfo(path).isFile())
            context.frame->funk()->openwin(path, TFunktioner::extensionOf(path));
    };
}

void Tfilmappeform::showEvent(QShowEvent *event)
{
    ToolBox::showEvent(event);
    if (mappeEdit->text().isEmpty())
        mappeEdit->setText(context().currentFolder.path());
    // F7 and then the name: the keys go into the search field.
    findTekstEdit->setFocus();
}

bool Tfilmappeform::isSearching() const
{
    return job_->isRunning();
}

void Tfilmappeform::updateCommands()
{
    const bool searching = job_->isRunning();
    aSearch->setEnabled(!searching && !findTekstEdit->text().isEmpty() && !mappeEdit->text().isEmpty());
    stopButton->setEnabled(searching);
}

void Tfilmappeform::chooseFolder()
{
    // The chooser's prompt names the folder the field holds now.
    const QString folder = context().platform.fileDialogs.chooseFolder(this,
        mappeEdit->text().isEmpty() ? QStringLiteral("Vælg søgemappe") : mappeEdit->text(),
        mappeEdit->text());
    if (!folder.isEmpty())
        mappeEdit->setText(QDir::toNativeSeparators(folder));
}

void Tfilmappeform::ClearAlt()
{
    findDir->DeleteAlleItems();
    findFiler->DeleteAlleItems();
    mapperOverskrift->setText(QStringLiteral("Mapper"));
    filerOverskrift->setText(QStringLiteral("Filer"));
    BarEdit->setText(QStringLiteral("Søg efter"));
    findBar->setRange(0, 1);
    findBar->setValue(0);
}

void Tfilmappeform::aSearchExecute()
{
    if (job_->isRunning())
        return;
    ClearAlt();
    NameSearchRequest request;
    request.text = findTekstEdit->text();
    request.folder = mappeEdit->text();
    request.limit = context().options ? context().options->maxElements() : request.limit;
    if (!QFileInfo(request.folder).isDir()) {
        context().inform(QStringLiteral("Information:\rMappen eksisterer ikke."));
        return;
    }
    BarEdit->setText(QStringLiteral("Undersøger..."));
    // The total is known only when the one walk is done; until then the bar shows that work goes on.
    findBar->setRange(0, 0);
    job_->start(request);
    updateCommands();
}

void Tfilmappeform::found(const QList<NameHit> &folders, const QList<NameHit> &files)
{
    if (!folders.isEmpty())
        findDir->addFound(entriesOf(folders));
    if (!files.isEmpty())
        findFiler->addFound(entriesOf(files));
}

void Tfilmappeform::finished(const NameSearchSummary &summary)
{
    updateCommands();
    if (const QString text = summary.foldersHeading(); !text.isEmpty())
        mapperOverskrift->setText(text);
    if (const QString text = summary.filesHeading(); !text.isEmpty())
        filerOverskrift->setText(text);
    const QString progress = summary.progressText();
    if (summary.stopped || progress.isEmpty()) {
        // A stopped walk has not counted the whole tree, and an empty one has nothing to count.
        findBar->setRange(0, 1);
        findBar->setValue(0);
        BarEdit->setText(
            summary.stopped ? QStringLiteral("Søgningen blev stoppet") : QStringLiteral("Søg efter"));
    } else {
        findBar->setRange(0, summary.progressTotal);
        findBar->setValue(summary.progressPosition);
        BarEdit->setText(progress);
    }
    if (summary.failed)
        context().inform(QStringLiteral("Information:\rDer opstod en ukendt fejl."));
    else if (!summary.unreadable.isEmpty())
        context().inform(UnsearchableMessage::text(
            QStringLiteral("Disse mapper kunne ikke gennemsøges:"), summary.unreadable));
    Q_EMIT searchFinished(summary);
}
