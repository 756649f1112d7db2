#include "lists/Tmappefilform.h"

#include "app/AccessibleName.h"
#include "app/AppContext.h"
#include "app/FrameInterface.h"
#include "app/Hint.h"
#include "app/IconAction.h"
#include "documents/TFunktioner.h"
#include "lists/FolderTrail.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kPathRole = Qt::UserRole;
const QString kEveryFile = QStringLiteral("*.*");

QVBoxLayout *column(QWidget *panel)
{
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    return layout;
}

// The trail from the root down is always shown whole: no row folds, so no row draws a fold arrow.
class UnfoldingTree : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;

protected:
    void drawBranches(QPainter *, const QRect &, const QModelIndex &) const override { }
};

} // namespace

Tmappefilform::Tmappefilform(AppContext &context)
    : TwoPanelBox(context, QStringLiteral("Mapper og filer"), QStringLiteral("mappefilUnit.txt"))
    , dirPanel(leftPanel())
    , filPanel(rightPanel())
{
    dirPanel->setObjectName(QStringLiteral("dirPanel"));
    filPanel->setObjectName(QStringLiteral("filPanel"));
    dirPanel->setFixedWidth(kDirPanelWidth);
    infoBar->hide();
    buildFolderPanel();
    buildFilePanel();
    connect(&context.currentFolder, &CurrentFolder::changed, this, &Tmappefilform::folderChanged);
    optFilnavn = settings().path();
    HentOpt();
    startIdleUpdates();
}

void Tmappefilform::buildFolderPanel()
{
    QVBoxLayout *layout = column(dirPanel);
    dirBox = new UnfoldingTree(dirPanel);
    dirBox->setObjectName(QStringLiteral("dirBox"));
    dirBox->setAccessibleName(QStringLiteral("Mapper"));
    dirBox->setHeaderHidden(true);
    dirBox->setRootIsDecorated(false);
    dirBox->setItemsExpandable(false);
    dirBox->setIndentation(12);
    dirBox->setUniformRowHeights(true);
    dirBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(dirBox, &QTreeWidget::itemClicked, this, &Tmappefilform::chooseFolder);
    connect(dirBox, &QTreeWidget::itemActivated, this, &Tmappefilform::chooseFolder);
    layout->addWidget(dirBox, 1);

    diskBox = new QComboBox(dirPanel);
    diskBox->setObjectName(QStringLiteral("diskBox"));
    AccessibleName::unseenLabel(diskBox, QStringLiteral("Drev"));
    Hint::set(diskBox, QStringLiteral("Vælg drev"));
    connect(diskBox, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < drives_.size())
            goToExisting(drives_[index].mountPoint);
    });
    layout->addWidget(diskBox);
}

void Tmappefilform::buildFilePanel()
{
    QVBoxLayout *layout = column(filPanel);
    fileBox = new QListWidget(filPanel);
    fileBox->setObjectName(QStringLiteral("fileBox"));
    fileBox->setAccessibleName(QStringLiteral("Filer"));
    fileBox->setSelectionMode(QAbstractItemView::ExtendedSelection);
    fileBox->setUniformItemSizes(true);
    fileBox->installEventFilter(this);
    connect(fileBox, &QListWidget::itemSelectionChanged, this, &Tmappefilform::fileBoxChange);
    connect(fileBox, &QListWidget::currentItemChanged, this, &Tmappefilform::fileBoxChange);
    connect(fileBox, &QListWidget::itemDoubleClicked, this, &Tmappefilform::openFile);
    layout->addWidget(fileBox, 1);

    auto *row = new QHBoxLayout;
    row->setSpacing(1);
    fileEditBox = new QLineEdit(kEveryFile, filPanel);
    fileEditBox->setObjectName(QStringLiteral("fileEditBox"));
    fileEditBox->setReadOnly(true);
    fileEditBox->setPlaceholderText(QStringLiteral("Vælg en fil i listen"));
    fileEditBox->setAccessibleName(QStringLiteral("Valgte fil"));
    Hint::set(fileEditBox, QStringLiteral("Valgte dokument kan forsøges køres eller redigeres"));
    row->addWidget(fileEditBox, 1);
    run = IconAction::create(this, "run", QStringLiteral("Kør valgte fil"), QStyle::SP_MediaPlay);
    edit = IconAction::create(
        this, "edit", QStringLiteral("Rdiger valgte fil"), QStyle::SP_FileDialogDetailedView);
    connect(run, &QAction::triggered, this, &Tmappefilform::runButtonClick);
    connect(edit, &QAction::triggered, this, &Tmappefilform::editButtonClick);
    IconAction::addButton(run, row);
    IconAction::addButton(edit, row);
    runButton = findChild<QToolButton *>(QStringLiteral("runButton"));
    editButton = findChild<QToolButton *>(QStringLiteral("editButton"));
    runButton->setAccessibleName(run->toolTip());
    editButton->setAccessibleName(edit->toolTip());
    layout->addLayout(row);
}

void Tmappefilform::defaultOpt()
{
    defaultGeometry();
    context().currentFolder.setPath(context().platform.dataRoot);
}

void Tmappefilform::HentOpt()
{
    std::vector<SettingsLine> lines = geometryLines();
    lines.push_back(
        SettingsLine::text([this](const QString &folder) { context().currentFolder.setPath(folder); }));
    readSettings([this] { defaultOpt(); }, lines);
}

void Tmappefilform::GemOpt()
{
    writeSettings(geometryValues() << context().currentFolder.path());
}

void Tmappefilform::closeEvent(QCloseEvent *event)
{
    GemOpt();
    // Closing only hides the box; the dialog's own handling would count it as cancelled.
    QWidget::closeEvent(event);
}

void Tmappefilform::showEvent(QShowEvent *event)
{
    TwoPanelBox::showEvent(event);
    showDrives();
    // A folder gone meanwhile gives way to the nearest one above, which is then shown; any other folder
    // is listed afresh, as it is now.
    const QString folder = context().currentFolder.path();
    if (FolderTrail::nearestExisting(folder) != folder)
        goToExisting(folder);
    else
        showFolder();
}

// Coming back to the box finds the folder as it is now: gone, it gives way to the nearest folder above.
void Tmappefilform::changeEvent(QEvent *event)
{
    TwoPanelBox::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        showDrives();
        goToExisting(context().currentFolder.path());
    }
}

void Tmappefilform::folderChanged()
{
    if (isVisible())
        showFolder();
}

void Tmappefilform::goToExisting(const QString &path)
{
    const QString existing = FolderTrail::nearestExisting(path);
    if (existing != context().currentFolder.path())
        context().currentFolder.setPath(existing);
}

void Tmappefilform::chooseFolder(QTreeWidgetItem *item)
{
    if (item)
        goToExisting(item->data(0, kPathRole).toString());
}

void Tmappefilform::showDrives()
{
    const QList<DriveList::Drive> drives = DriveList::mounted();
    if (drives != drives_) {
        drives_ = drives;
        const QSignalBlocker quiet(diskBox);
        diskBox->clear();
        for (const DriveList::Drive &drive : drives_)
            diskBox->addItem(drive.caption, drive.mountPoint);
    }
    const QSignalBlocker quiet(diskBox);
    diskBox->setCurrentIndex(DriveList::driveOf(drives_, context().currentFolder.path()));
}

void Tmappefilform::showFolder()
{
    const QString folder = context().currentFolder.path();
    dirBox->clear();
    QTreeWidgetItem *current = nullptr; // the last folder of the trail so far
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    for (const FolderTrail::Row &row : FolderTrail::rows(folder, FolderTrail::subfolders(folder))) {
        auto *item = current ? new QTreeWidgetItem(current) : new QTreeWidgetItem(dirBox);
        item->setText(0, row.caption);
        item->setIcon(0, row.onTrail ? open : closed);
        item->setData(0, kPathRole, row.path);
        if (row.onTrail)
            current = item;
    }
    dirBox->expandAll();
    if (current) {
        dirBox->setCurrentItem(current);
        dirBox->scrollToItem(current);
    }
    const QSignalBlocker quiet(diskBox);
    diskBox->setCurrentIndex(DriveList::driveOf(drives_, folder));
    listFiles(folder);
}

void Tmappefilform::listFiles(const QString &folder)
{
    fileBox->clear();
    const QFileInfoList files
        = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &file : files) {
        auto *item = new QListWidgetItem(icons_.icon(file), file.fileName(), fileBox);
        item->setData(kPathRole, file.absoluteFilePath());
    }
    fileBoxChange();
}

void Tmappefilform::fileBoxChange()
{
    const QListWidgetItem *focused = fileBox->currentItem();
    // The mask stands for "no file" and makes way for the placeholder.
    const QString name = focused && focused->isSelected() ? focused->text() : kEveryFile;
    fileEditBox->setText(name == kEveryFile ? QString() : name);
}

QString Tmappefilform::selectedFile() const
{
    const QListWidgetItem *focused = fileBox->currentItem();
    return focused && focused->isSelected() ? focused->data(kPathRole).toString() : QString();
}

QStringList Tmappefilform::selectedFiles() const
{
    QStringList files;
    for (int row = 0; row < fileBox->count(); ++row) {
        const QListWidgetItem *item = fileBox->item(row);
        if (item->isSelected())
            files << item->data(kPathRole).toString();
    }
    return files;
}

void Tmappefilform::openFile()
{
    TFunktioner *funk = context().frame->funk();
    for (const QString &file : selectedFiles())
        funk->openwin(file, TFunktioner::extensionOf(file));
}

void Tmappefilform::runButtonClick()
{
    const QString file = selectedFile();
    if (QFileInfo::exists(file))
        context().frame->funk()->runFilname(file, 0);
}

void Tmappefilform::editButtonClick()
{
    const QString file = selectedFile();
    if (!QFileInfo::exists(file))
        return;
    TFunktioner *funk = context().frame->funk();
    if (funk->extKontrol(file))
        funk->openwin(file, TFunktioner::extensionOf(file));
    else
        funk->runFilname(file, 1);
}

bool Tmappefilform::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == fileBox && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            if (QFileInfo::exists(selectedFile()))
                openFile();
            return true;
        }
    }
    return TwoPanelBox::eventFilter(watched, event);
}

void Tmappefilform::updateActions()
{
    const bool file = !selectedFile().isEmpty();
    run->setEnabled(file);
    edit->setEnabled(file);
}
