#include "lists/Tfavoritform.h"

#include "app/AppContext.h"
#include "app/FrameInterface.h"
#include "app/Hint.h"
#include "app/IconAction.h"
#include "app/Options.h"
#include "app/StandardIcon.h"
#include "documents/TFunktioner.h"
#include "lists/FavoriteListName.h"
#include "lists/FileListBox.h"
#include "lists/MarkedRowDelegate.h"
#include "lists/ShowFolder.h"
#include "lists/TReopenFilerX.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kListExtension = QStringLiteral(".txt");
const QString kNoListName = QStringLiteral("Listenavn");

QToolButton *captionedButton(const char *name, const QString &caption, const QString &hint,
    QStyle::StandardPixmap picture, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setIcon(StandardIcon::of(picture));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    Hint::set(button, hint);
    return button;
}

QLineEdit *edit(const char *name, const QString &hint, const QString &placeholder, QWidget *parent)
{
    auto *line = new QLineEdit(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setPlaceholderText(placeholder);
    Hint::set(line, hint);
    line->setAccessibleName(hint);
    return line;
}

// The favourites box draws its rows itself, each with a square of the list's colour.
FileListBox *markedListBox(const char *name, const QColor &square, QWidget *parent)
{
    FileListBox *box = TwoPanelBox::namedListBox(name, parent);
    box->setItemDelegate(new MarkedRowDelegate(square, box));
    return box;
}

} // namespace

Tfavoritform::Tfavoritform(AppContext &context)
    : TwoPanelBox(context, QStringLiteral("Favoritter"), QStringLiteral("favoritUnit.txt"))
    , opretPanel(leftPanel())
    , favfilerPanel(rightPanel())
{
    opretPanel->setObjectName(QStringLiteral("opretPanel"));
    favfilerPanel->setObjectName(QStringLiteral("favfilerPanel"));
    buildListNamesPanel();
    buildFavouritesPanel();

    Listemappe = context.fields.OptMappe + QStringLiteral("/Favoritter");
    QDir().mkpath(Listemappe);
    Listemappe += u'/';
    optFilnavn = settings().path();
    HentOpt();

    FavFiler = new TReopenFilerX(context, this);
    FavFiler->setItemfile(listPath(FavFilerFilename));
    FavFiler->setListeBoks(favFilerListe);
    FavFiler->OnDblListeKlik = [this](const QString &, const QString &path) { openWhenExists(path); };
    FavFiler->OnListeKlik = [this](const QString &caption, const QString &path) {
        RenamFEdit->setText(caption);
        infoBar->setText(path);
    };
    FavFiler->Itemtype = TItemtype::itFil;
    LoadListe(FavFilerFilename, false);
    ListeForandret = false;

    connectActions();
    startIdleUpdates();
}

void Tfavoritform::buildListNamesPanel()
{
    auto *layout = new QVBoxLayout(opretPanel);
    layout->setContentsMargins(0, 0, 0, 0);
    Label1 = namedLabel("Label1", QStringLiteral("Favoritlister"), opretPanel);
    layout->addWidget(Label1);
    fillisten = markedListBox("fillisten", Qt::red, opretPanel);
    fillisten->setAccessibleName(Label1->text());
    layout->addWidget(fillisten, 1);

    auto *buttons = new QHBoxLayout;
    opdaterButton = captionedButton("opdaterButton", QStringLiteral("Opdater"),
        QStringLiteral("Opdater listen efter redigering"), QStyle::SP_BrowserReload, opretPanel);
    redigerButton = captionedButton("redigerButton", QStringLiteral("Rediger"),
        QStringLiteral("Omdøb eller slet listefiler"), QStyle::SP_DirOpenIcon, opretPanel);
    buttons->addWidget(opdaterButton);
    buttons->addWidget(redigerButton);
    buttons->addStretch();
    layout->addLayout(buttons);

    auto *newList = new QHBoxLayout;
    newList->setSpacing(1);
    gemEdit = edit("gemEdit", QStringLiteral("Indfør navn for ny filliste"),
        QStringLiteral("Indfør fillistenavn og tryk Gem"), opretPanel);
    newList->addWidget(gemEdit, 1);
    aGemNytNavn = IconAction::create(
        this, "aGemNytNavn", QStringLiteral("Gem indførte listenavn"), QStyle::SP_FileDialogNewFolder);
    IconAction::addButton(aGemNytNavn, newList);
    layout->addLayout(newList);
}

void Tfavoritform::buildFavouritesPanel()
{
    auto *layout = new QVBoxLayout(favfilerPanel);
    layout->setContentsMargins(0, 0, 0, 0);
    fillisteNavn = namedLabel("fillisteNavn", kNoListName, favfilerPanel);
    layout->addWidget(fillisteNavn);

    auto *strip = new QHBoxLayout;
    strip->setSpacing(1);
    Fabc = IconAction::create(
        this, "Fabc", QStringLiteral("Arranger listen alfabetisk"), QStyle::SP_FileDialogDetailedView);
    FLop = IconAction::create(this, "FLop", QStringLiteral("Flyt valgte op"), QStyle::SP_ArrowUp);
    FLned = IconAction::create(this, "FLned", QStringLiteral("Flyt valgte ned"), QStyle::SP_ArrowDown);
    FLsletValgte = IconAction::create(this, "FLsletValgte", QStringLiteral("Slet valgte element fra listen"),
        QStyle::SP_DialogDiscardButton);
    FLsletAlle = IconAction::create(
        this, "FLsletAlle", QStringLiteral("Slet alle elementer fra listen"), QStyle::SP_TrashIcon);
    FLopenEdit = IconAction::create(this, "FLopenEdit", QStringLiteral("Åben valgte dokument til redigering"),
        QStyle::SP_DialogOpenButton);
    FLVisMappe = IconAction::create(
        this, "FLVisMappe", QStringLiteral("Åben i Windows Stifinder"), QStyle::SP_DirOpenIcon);
    insertFil = IconAction::create(
        this, "insertFil", QStringLiteral("Insæt aktuelle fil i listen"), QStyle::SP_FileDialogNewFolder);
    aGemFilliste
        = IconAction::create(this, "aGemFilliste", QStringLiteral("Gem listen"), QStyle::SP_DialogSaveButton);
    for (QAction *action : { Fabc, FLop, FLned, FLsletValgte, FLsletAlle, FLopenEdit, FLVisMappe })
        IconAction::addButton(action, strip);
    strip->addStretch();
    for (QAction *action : { insertFil, aGemFilliste })
        IconAction::addButton(action, strip);
    layout->addLayout(strip);

    favFilerListe = markedListBox("favFilerListe", QColor(0, 255, 255), favfilerPanel);
    favFilerListe->setAccessibleName(QStringLiteral("Favoritter"));
    layout->addWidget(favFilerListe, 1);
    Label26 = namedLabel("Label26", QStringLiteral("Valgte element:"), favfilerPanel);
    layout->addWidget(Label26);

    auto *rename = new QHBoxLayout;
    rename->setSpacing(1);
    RenamFEdit = edit("RenamFEdit", QStringLiteral("Indfør ny tekst til valgte punkt"),
        QStringLiteral("Vælg et element i listen"), favfilerPanel);
    rename->addWidget(RenamFEdit, 1);
    FLRenameCaption = IconAction::create(this, "FLRenameCaption",
        QStringLiteral(
            "Indfør ny tekst og tryk her for at omdøbe til den nye tekst. Selve filen omdøbes ikke."),
        QStyle::SP_DialogApplyButton);
    IconAction::addButton(FLRenameCaption, rename);
    layout->addLayout(rename);
}

void Tfavoritform::connectActions()
{
    connect(Fabc, &QAction::triggered, this, &Tfavoritform::FabcExecute);
    connect(FLop, &QAction::triggered, this, [this] { moveSelected(true); });
    connect(FLned, &QAction::triggered, this, [this] { moveSelected(false); });
    connect(FLsletValgte, &QAction::triggered, this, &Tfavoritform::FLsletValgteExecute);
    connect(FLsletAlle, &QAction::triggered, this, [this] {
        FavFiler->SletAlleItems();
        ListeForandret = true;
    });
    connect(FLopenEdit, &QAction::triggered, this,
        [this] { openWhenExists(FavFiler->GetFilnavn(FavFiler->selectedIndex())); });
    connect(FLVisMappe, &QAction::triggered, this, [this] {
        ShowFolder::show(context(), ShowFolder::folderOf(FavFiler->GetFilnavn(FavFiler->selectedIndex())));
    });
    connect(insertFil, &QAction::triggered, this, &Tfavoritform::insertFilExecute);
    connect(aGemFilliste, &QAction::triggered, this, [this] { saveCurrentList(); });
    connect(FLRenameCaption, &QAction::triggered, this, &Tfavoritform::FLRenameCaptionExecute);
    connect(aGemNytNavn, &QAction::triggered, this, &Tfavoritform::aGemNytNavnExecute);

    connect(opdaterButton, &QToolButton::clicked, this, &Tfavoritform::opdater);
    connect(redigerButton, &QToolButton::clicked, this, [this] { ShowFolder::show(context(), Listemappe); });
    auto loadChosenList = [this] {
        if (const QListWidgetItem *row = fillisten->item(fillisten->selectedRow()))
            LoadListe(row->text(), true);
    };
    connect(fillisten, &FileListBox::rowDoubleClicked, this, loadChosenList);
    connect(fillisten, &FileListBox::confirmKeyPressed, this, loadChosenList);
    connect(favFilerListe, &FileListBox::confirmKeyPressed, this, [this] {
        if (FavFiler->selectedIndex() >= 0)
            openWhenExists(FavFiler->GetFilnavn(FavFiler->selectedIndex()));
    });
    connect(favFilerListe, &FileListBox::mouseEntered, this, [this] {
        if (FavFiler->selectedIndex() >= 0)
            infoBar->setText(QFileInfo(FavFiler->GetFilnavn(FavFiler->selectedIndex())).path());
    });
    connect(favFilerListe, &FileListBox::mouseLeft, infoBar, &QLabel::clear);
    connect(RenamFEdit, &QLineEdit::returnPressed, this, [this] { runWhenEnabled(FLRenameCaption); });
    connect(gemEdit, &QLineEdit::returnPressed, this, [this] { runWhenEnabled(aGemNytNavn); });
}

void Tfavoritform::runWhenEnabled(QAction *action)
{
    updateActions();
    if (action->isEnabled())
        action->trigger();
}

void Tfavoritform::updateActions()
{
    const int selected = favFilerListe->selectedRow();
    const int rows = favFilerListe->count();
    Fabc->setEnabled(rows > 1);
    FLop->setEnabled(selected > 0);
    FLned->setEnabled(selected >= 0 && selected < rows - 1);
    FLsletValgte->setEnabled(selected >= 0);
    FLsletAlle->setEnabled(rows >= 1);
    FLopenEdit->setEnabled(selected >= 0);
    FLVisMappe->setEnabled(selected >= 0);
    insertFil->setEnabled(!context().fields.dokumentFilnavn.isEmpty());
    aGemFilliste->setEnabled(ListeForandret);
    FLRenameCaption->setEnabled(selected >= 0 && !RenamFEdit->text().isEmpty());
    aGemNytNavn->setEnabled(gemEdit->text().size() >= 2);
}

void Tfavoritform::defaultOpt()
{
    defaultGeometry();
    FavFilerFilename = QStringLiteral("Favoritter");
}

void Tfavoritform::HentOpt()
{
    std::vector<SettingsLine> lines = geometryLines();
    lines.push_back(SettingsLine::text([this](const QString &name) { FavFilerFilename = name; }));
    readSettings([this] { defaultOpt(); }, lines);
}

void Tfavoritform::GemOpt()
{
    writeSettings(geometryValues() << FavFilerFilename);
}

// Empty for a name no file can have: such a name from the settings file must not lead outside the folder.
QString Tfavoritform::listPath(const QString &name) const
{
    return FavoriteListName::problem(name).isEmpty() ? Listemappe + name + kListExtension : QString();
}

void Tfavoritform::showEvent(QShowEvent *event)
{
    TwoPanelBox::showEvent(event);
    LoadFillister();
    fillistenIndex = -1;
    for (int row = 0; row < fillisten->count(); ++row) {
        if (fillisten->item(row)->text().compare(FavFilerFilename, Qt::CaseInsensitive) == 0) {
            fillistenIndex = row;
            break;
        }
    }
    fillisten->selectRowQuietly(fillistenIndex);
}

void Tfavoritform::LoadFillister()
{
    fillisten->clear();
    QDir folder(Listemappe);
    folder.setNameFilters({ u'*' + kListExtension });
    QDir::Filters filter = QDir::Files | QDir::Hidden | QDir::System;
#ifndef Q_OS_WIN
    // Only names that end exactly in ".txt" are lists: the list of that name is opened as name + ".txt".
    filter |= QDir::CaseSensitive;
#endif
    folder.setFilter(filter);
    // The file manager of the system the box comes from lists by name; a bare folder listing here
    // would come in no useful order.
    folder.setSorting(QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &file : folder.entryInfoList())
        fillisten->addItem(file.completeBaseName());
}

void Tfavoritform::LoadListe(const QString &name, bool messages)
{
    if (ListeForandret
        && context().ask(
            QStringLiteral("Nuværende liste er forandret.\rSkal den gemmes?"), AppContext::Safe::Yes)
        && !saveCurrentList())
        return;
    const QString path = listPath(name);
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        if (messages)
            context().inform(QStringLiteral("Filen: ") + name + kListExtension + u'\r'
                + QStringLiteral("kunne ikke findes."));
        return;
    }
    // An unreadable list file stays untouched and the current list stays current.
    const QString previous = FavFiler->Itemfile();
    FavFiler->setItemfile(path);
    if (!FavFiler->HentReopenFiler()) {
        FavFiler->setItemfile(previous);
        return;
    }
    fillisteNavn->setText(name);
    FavFilerFilename = name;
    RenamFEdit->clear();
    ListeForandret = false;
}

bool Tfavoritform::saveCurrentList()
{
    const QString name = fillisteNavn->text();
    if (const QString problem = FavoriteListName::problem(name); !problem.isEmpty()) {
        context().inform(problem);
        return false;
    }
    FavFilerFilename = name;
    FavFiler->setItemfile(listPath(name));
    if (!FavFiler->GemReopenFiler())
        return false;
    ListeForandret = false;
    return true;
}

void Tfavoritform::opdater()
{
    LoadFillister();
    if (fillisten->count() == 0 || !fillisten->findItems(FavFilerFilename, Qt::MatchFixedString).isEmpty())
        return;
    // The current list's file has gone.
    if (fillistenIndex >= 0 && fillistenIndex < fillisten->count()) {
        FavFilerFilename = fillisten->item(fillistenIndex)->text();
        fillisteNavn->setText(FavFilerFilename);
        return;
    }
    FavFilerFilename.clear();
    fillisteNavn->clear();
    FavFiler->DeleteAlleItems();
    context().inform(QStringLiteral("Den valgte listefil eksisterer ikke længere.\rVælg en ny listefil."));
}

void Tfavoritform::FabcExecute()
{
    if (!context().ask(
            QStringLiteral(
                "Hvis listen sorteres, kan handlingen ikke annulleres.\rSkal listen sorteres alfabetisk?"),
            AppContext::Safe::No))
        return;
    if (FavFiler->sorterABC(0)) {
        infoBar->setText(QStringLiteral("Listen blev sorteret alfabetisk"));
        ListeForandret = true;
    } else {
        infoBar->setText(QStringLiteral("Listen blev ikke ændret"));
    }
}

void Tfavoritform::moveSelected(bool up)
{
    const int position = FavFiler->selectedIndex();
    if (!(up ? FavFiler->flytOp(position) : FavFiler->flytNed(position)))
        return;
    FavFiler->MakeListeMenu();
    FavFiler->selectIndex(up ? position - 1 : position + 1);
    ListeForandret = true;
}

void Tfavoritform::FLsletValgteExecute()
{
    int position = FavFiler->selectedIndex();
    FavFiler->DeleteItem(position);
    if (position >= FavFiler->Antal())
        --position;
    if (position >= 0 && position < FavFiler->Antal())
        FavFiler->selectIndex(position);
    ListeForandret = true;
}

void Tfavoritform::insertFilExecute()
{
    const QString &fileName = context().fields.dokumentFilnavn;
    if (FavFiler->InsertItem(fileName, QFileInfo(fileName).fileName(), 3))
        ListeForandret = true;
}

void Tfavoritform::FLRenameCaptionExecute()
{
    const int position = FavFiler->selectedIndex();
    const QString caption = RenamFEdit->text();
    if (FavFiler->GetCaption(position) == caption) {
        context().inform(QStringLiteral("Elementet har allerede det indførte elementnavn!\r"
                                        "Hvis det skal omdøbes, så indfør det nye navn først."));
        return;
    }
    FavFiler->SetCaption(position, caption);
    ListeForandret = true;
    RenamFEdit->clear();
}

void Tfavoritform::aGemNytNavnExecute()
{
    const QString name = gemEdit->text();
    if (const QString problem = FavoriteListName::problem(name); !problem.isEmpty()) {
        context().inform(problem);
        return;
    }
    if (FavoriteListName::inUse(Listemappe, name)) {
        context().inform(
            QStringLiteral("Dette listenavn er allerede i brug.\rIndfør et andet navn for den nye liste."));
        return;
    }
    if (ListeForandret
        && context().ask(
            QStringLiteral("Nuværende liste er ikke gemt.\rSkal listen gemmes?"), AppContext::Safe::Yes)
        && !saveCurrentList())
        return;
    // Entries the user keeps become the new list's entries.
    FavFiler->SletAlleItems();
    fillisteNavn->setText(name);
    saveCurrentList();
    opdater();
    gemEdit->clear();
}

void Tfavoritform::openWhenExists(const QString &fileName)
{
    if (QFileInfo(fileName).isFile())
        context().frame->funk()->openwin(fileName, {});
}

void Tfavoritform::closeEvent(QCloseEvent *event)
{
    if (ListeForandret) {
        const bool withoutAsking = context().options && context().options->saveFavouritesWithoutAsking();
        if (withoutAsking
            || context().ask(QStringLiteral("Favoritlisten er forandret men ikke gemt.\rSkal den gemmes?"),
                AppContext::Safe::Yes)) {
            // The list goes to the file it came from; a list that never had a file is saved by its name.
            const bool saved
                = FavFiler->Itemfile().isEmpty() ? saveCurrentList() : FavFiler->GemReopenFiler();
            if (saved)
                ListeForandret = false;
        }
    }
    GemOpt();
    // Closing only hides the box; the dialog's own handling would count it as cancelled.
    QWidget::closeEvent(event);
}

void Tfavoritform::showForNewFiles(bool startNewList)
{
    show();
    if (startNewList)
        FavFiler->DeleteAlleItems();
}

void Tfavoritform::addFile(const QString &fileName, const QString &caption)
{
    FavFiler->InsertItem(fileName, caption, 3);
    ListeForandret = true;
}
