#include "lists/Tfilform.h"

#include "app/AccessibleName.h"
#include "app/AppContext.h"
#include "app/FrameInterface.h"
#include "app/IconAction.h"
#include "documents/TFunktioner.h"
#include "lists/FileListBox.h"
#include "lists/ShowFolder.h"
#include "lists/TReopenFilerX.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Both lists have buttons for the same work: a screen reader names the list too.
void nameAfterList(QAction *action, const QString &list)
{
    for (QToolButton *button : static_cast<QWidget *>(action->parent())->findChildren<QToolButton *>()) {
        if (button->defaultAction() == action)
            AccessibleName::withPlace(button, list);
    }
}

QVBoxLayout *panelColumn(QWidget *panel, QLabel *title)
{
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(title);
    return layout;
}

QHBoxLayout *buttonStrip(QVBoxLayout *column)
{
    auto *strip = new QHBoxLayout;
    strip->setSpacing(1);
    column->addLayout(strip);
    return strip;
}

} // namespace

Tfilform::Tfilform(AppContext &context)
    : TwoPanelBox(context, QStringLiteral("Åbne og lukkede dokumenter"), QStringLiteral("filUnit.txt"))
    , BgPanel1(leftPanel())
    , BgPanel2(rightPanel())
{
    BgPanel1->setObjectName(QStringLiteral("BgPanel1"));
    BgPanel2->setObjectName(QStringLiteral("BgPanel2"));
    buildClosedPanel();
    buildOpenPanel();

    FavFiler1 = new TReopenFilerX(context, this);
    FavFiler1->setItemfile(context.fields.OptMappe + QStringLiteral("/FavFiler1.txt"));
    FavFiler1->setListeBoks(ListBox1);
    FavFiler1->OnListeKlik = [this](const QString &, const QString &path) { infoBar->setText(path); };
    FavFiler1->OnDblListeKlik = [this](const QString &, const QString &path) {
        if (!QFileInfo(path).isFile())
            return;
        FavFiler1->DeleteItem(path);
        this->context().frame->funk()->openwin(path, {});
    };
    FavFiler1->Itemtype = TItemtype::itFil;
    ListeForandret1 = false;

    FavFiler2 = new TReopenFilerX(context, this);
    FavFiler2->setListeBoks(ListBox2);
    FavFiler2->OnListeKlik = [this](const QString &, const QString &path) { infoBar->setText(path); };
    FavFiler2->OnDblListeKlik = [this](const QString &, const QString &path) { openWhenExists(path); };
    FavFiler2->Itemtype = TItemtype::itFil;
    ListeForandret2 = false;

    connectActions();
    optFilnavn = settings().path();
    HentOpt();
    startIdleUpdates();
}

void Tfilform::buildClosedPanel()
{
    fillisteNavn = namedLabel("fillisteNavn", QStringLiteral("Lukkede dokumenter"), BgPanel1);
    QVBoxLayout *layout = panelColumn(BgPanel1, fillisteNavn);
    QHBoxLayout *strip = buttonStrip(layout);
    opdaterBox1 = IconAction::create(this, "opdaterBox1",
        QStringLiteral("Undersøg for ikke eksisterende filer"), QStyle::SP_BrowserReload);
    Fabc = IconAction::create(
        this, "Fabc", QStringLiteral("Arranger listen alfabetisk"), QStyle::SP_FileDialogDetailedView);
    FLVisMappe = IconAction::create(
        this, "FLVisMappe", QStringLiteral("Åben i Windows Stifinder"), QStyle::SP_DirOpenIcon);
    FLsletValgte = IconAction::create(this, "FLsletValgte", QStringLiteral("Slet valgte element fra listen"),
        QStyle::SP_DialogDiscardButton);
    FLsletAlle = IconAction::create(
        this, "FLsletAlle", QStringLiteral("Slet alle elementer fra listen"), QStyle::SP_TrashIcon);
    FLopenEdit = IconAction::create(this, "FLopenEdit", QStringLiteral("Åben valgte dokument til redigering"),
        QStyle::SP_DialogOpenButton);
    aHentFilliste = IconAction::create(
        this, "aHentFilliste", QStringLiteral("Hent den gemte filliste"), QStyle::SP_FileDialogBack);
    aGemFilliste
        = IconAction::create(this, "aGemFilliste", QStringLiteral("Gem listen"), QStyle::SP_DialogSaveButton);
    for (QAction *action : { opdaterBox1, Fabc, FLVisMappe, FLsletValgte, FLsletAlle, FLopenEdit })
        IconAction::addButton(action, strip);
    strip->addStretch();
    for (QAction *action : { aHentFilliste, aGemFilliste })
        IconAction::addButton(action, strip);
    ListBox1 = namedListBox("ListBox1", BgPanel1);
    ListBox1->setAccessibleName(fillisteNavn->text());
    for (QAction *action : { opdaterBox1, Fabc, FLVisMappe, FLopenEdit })
        nameAfterList(action, fillisteNavn->text());
    layout->addWidget(ListBox1, 1);
}

void Tfilform::buildOpenPanel()
{
    Label2 = namedLabel("Label2", QStringLiteral("Åbne dokumenter"), BgPanel2);
    QVBoxLayout *layout = panelColumn(BgPanel2, Label2);
    QHBoxLayout *strip = buttonStrip(layout);
    opdaterBox2 = IconAction::create(this, "opdaterBox2",
        QStringLiteral("Undersøg for ikke eksisterende filer"), QStyle::SP_BrowserReload);
    Fabc2 = IconAction::create(
        this, "Fabc2", QStringLiteral("Arranger listen alfabetisk"), QStyle::SP_FileDialogDetailedView);
    FLVisMappe2 = IconAction::create(
        this, "FLVisMappe2", QStringLiteral("Åben i Windows Stifinder"), QStyle::SP_DirOpenIcon);
    FLopenEdit2 = IconAction::create(this, "FLopenEdit2",
        QStringLiteral("Åben valgte dokument til redigering"), QStyle::SP_DialogOpenButton);
    openDokument = IconAction::create(
        this, "openDokument", QStringLiteral("Åben et eksisterende dokument"), QStyle::SP_FileIcon);
    for (QAction *action : { opdaterBox2, Fabc2, FLVisMappe2, FLopenEdit2 })
        IconAction::addButton(action, strip);
    strip->addStretch();
    IconAction::addButton(openDokument, strip);
    ListBox2 = namedListBox("ListBox2", BgPanel2);
    ListBox2->setAccessibleName(Label2->text());
    for (QAction *action : { opdaterBox2, Fabc2, FLVisMappe2, FLopenEdit2 })
        nameAfterList(action, Label2->text());
    layout->addWidget(ListBox2, 1);
}

void Tfilform::connectActions()
{
    connect(opdaterBox1, &QAction::triggered, this, [this] { prune(*FavFiler1); });
    connect(Fabc, &QAction::triggered, this, [this] { sort(*FavFiler1, ListeForandret1); });
    connect(FLVisMappe, &QAction::triggered, this,
        [this] { openMappe(FavFiler1->GetFilnavn(FavFiler1->selectedIndex())); });
    connect(FLsletValgte, &QAction::triggered, this, &Tfilform::FLsletValgteExecute);
    connect(FLsletAlle, &QAction::triggered, this, [this] {
        FavFiler1->SletAlleItems();
        ListeForandret1 = true;
    });
    connect(FLopenEdit, &QAction::triggered, this, &Tfilform::FLopenEditExecute);
    connect(aHentFilliste, &QAction::triggered, this, [this] {
        if (FavFiler1->HentReopenFiler())
            ListeForandret1 = false;
    });
    connect(aGemFilliste, &QAction::triggered, this, [this] {
        if (FavFiler1->GemReopenFiler())
            ListeForandret1 = false;
    });
    connect(opdaterBox2, &QAction::triggered, this, [this] { prune(*FavFiler2); });
    connect(Fabc2, &QAction::triggered, this, [this] { sort(*FavFiler2, ListeForandret2); });
    connect(FLVisMappe2, &QAction::triggered, this,
        [this] { openMappe(FavFiler2->GetFilnavn(FavFiler2->selectedIndex())); });
    connect(FLopenEdit2, &QAction::triggered, this, &Tfilform::FLopenEdit2Execute);
    connect(openDokument, &QAction::triggered, this, &Tfilform::openDokumentExecute);

    auto runWhenEnabled = [this](QAction *action) {
        updateActions();
        if (action->isEnabled())
            action->trigger();
    };
    connect(ListBox1, &FileListBox::confirmKeyPressed, this, [=, this] { runWhenEnabled(FLopenEdit); });
    connect(ListBox2, &FileListBox::confirmKeyPressed, this, [=, this] { runWhenEnabled(FLopenEdit2); });
    connect(ListBox1, &FileListBox::mouseLeft, infoBar, &QLabel::clear);
    connect(ListBox2, &FileListBox::mouseLeft, infoBar, &QLabel::clear);
}

void Tfilform::updateActions()
{
    const bool closedSelected = ListBox1->selectedRow() >= 0;
    const bool openSelected = ListBox2->selectedRow() >= 0;
    opdaterBox1->setEnabled(closedSelected);
    Fabc->setEnabled(ListBox1->count() > 1);
    FLVisMappe->setEnabled(closedSelected);
    FLsletValgte->setEnabled(closedSelected);
    FLsletAlle->setEnabled(ListBox1->count() >= 1);
    FLopenEdit->setEnabled(closedSelected);
    aHentFilliste->setEnabled(ListBox1->count() == 0 && ListBox2->count() == 0);
    aGemFilliste->setEnabled(ListeForandret1);
    opdaterBox2->setEnabled(openSelected);
    Fabc2->setEnabled(ListBox2->count() > 1);
    FLVisMappe2->setEnabled(openSelected);
    FLopenEdit2->setEnabled(openSelected);
    openDokument->setEnabled(true);
}

void Tfilform::defaultOpt()
{
    defaultGeometry();
}

void Tfilform::HentOpt()
{
    readSettings([this] { defaultOpt(); }, geometryLines());
}

void Tfilform::GemOpt()
{
    writeSettings(geometryValues());
}

void Tfilform::closeEvent(QCloseEvent *event)
{
    GemOpt();
    // Closing only hides the box; the dialog's own handling would count it as cancelled.
    QWidget::closeEvent(event);
}

void Tfilform::documentOpened(const QString &fileName, const QString &caption)
{
    FavFiler2->InsertItem(fileName, caption, 2);
}

void Tfilform::documentSavedAs(const QString &fileName, const QString &caption)
{
    FavFiler2->InsertItem(fileName, caption, 2);
    ListeForandret2 = true;
}

void Tfilform::documentClosed(const QString &fileName, const QString &caption)
{
    FavFiler1->InsertItem(fileName, caption, 1);
    FavFiler2->DeleteItem(fileName);
    ListeForandret1 = true;
    ListeForandret2 = true;
}

void Tfilform::openWhenExists(const QString &fileName)
{
    if (QFileInfo(fileName).isFile())
        context().frame->funk()->openwin(fileName, {});
}

void Tfilform::FLopenEditExecute()
{
    const int position = FavFiler1->selectedIndex();
    const QString fileName = FavFiler1->GetFilnavn(position);
    if (QFileInfo(fileName).isFile()) {
        FavFiler1->DeleteItem(fileName);
        context().frame->funk()->openwin(fileName, {});
    }
    if (ListBox1->count() > 0)
        FavFiler1->selectIndex(position < ListBox1->count() ? position : 0);
    ListBox1->setFocus();
}

void Tfilform::FLopenEdit2Execute()
{
    const int position = FavFiler2->selectedIndex();
    openWhenExists(FavFiler2->GetFilnavn(position));
    if (ListBox2->count() > 0)
        FavFiler2->selectIndex(position + 1 < ListBox2->count() ? position + 1 : 0);
    ListBox2->setFocus();
}

void Tfilform::FLsletValgteExecute()
{
    int position = FavFiler1->selectedIndex();
    FavFiler1->DeleteItem(position);
    if (position >= FavFiler1->Antal())
        --position;
    if (position >= 0 && position < FavFiler1->Antal())
        FavFiler1->selectIndex(position);
    ListeForandret1 = true;
}

void Tfilform::prune(TReopenFilerX &list)
{
    for (int i = list.Antal() - 1; i >= 0; --i) {
        if (!QFileInfo(list.GetFilnavn(i)).isFile())
            list.DeleteItem(i);
    }
}

void Tfilform::sort(TReopenFilerX &list, bool &changed)
{
    if (list.sorterABC(0)) {
        infoBar->setText(QStringLiteral("Listen blev sorteret alfabetisk"));
        changed = true;
    } else {
        infoBar->setText(QStringLiteral("Listen blev ikke ændret"));
    }
}

// A file that has gone shows the folder remembered from the last time.
void Tfilform::openMappe(const QString &fileName)
{
    if (QFileInfo(fileName).isFile())
        openMappeName = ShowFolder::folderOf(fileName);
    ShowFolder::show(context(), openMappeName);
}

void Tfilform::openDokumentExecute()
{
    if (!openMappeName.isEmpty() && QFileInfo(openMappeName).isDir())
        context().fields.openDialogFolder = openMappeName;
    context().frame->command(QStringLiteral("fileOpen"))->trigger();
}

void Tfilform::showForNewFiles(bool startNewList)
{
    show();
    if (startNewList) {
        FavFiler1->DeleteAlleItems();
        ListeForandret1 = true;
    }
}

void Tfilform::addFile(const QString &fileName, const QString &caption)
{
    // The closed list has changed since it was saved, so saving it is offered.
    if (FavFiler1->InsertItem(fileName, caption, 1))
        ListeForandret1 = true;
}
