#include "lists/TReopenFilerX.h"

#include "app/AppContext.h"
#include "app/FileMessages.h"
#include "app/Options.h"
#include "app/SettingsFile.h"
#include "lists/FileListBox.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>

namespace {

QString nameWithoutFolderAndExtension(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? name : name.left(dot);
}

} // namespace

TReopenFilerX::TReopenFilerX(AppContext &context, QObject *owner)
    : QObject(owner)
    , context_(context)
    , file_(std::make_unique<SettingsFile>(QString()))
{ }

TReopenFilerX::~TReopenFilerX() = default;

void TReopenFilerX::setItemfile(const QString &path)
{
    if (path == itemfile_)
        return;
    itemfile_ = path;
    // A new file starts in the system encoding; the old one's encoding stays with the old file.
    file_ = std::make_unique<SettingsFile>(path);
}

void TReopenFilerX::setListeBoks(FileListBox *box)
{
    if (listeBoks_)
        disconnect(listeBoks_, nullptr, this, nullptr);
    listeBoks_ = box;
    if (box) {
        connect(box, &FileListBox::rowSelected, this, &TReopenFilerX::OnClickListe);
        connect(box, &FileListBox::rowDoubleClicked, this, &TReopenFilerX::OnDblClickListe);
    }
}

bool TReopenFilerX::HentReopenFiler()
{
    const SettingsFile::Status status = itemfile_.isEmpty() ? SettingsFile::Status::Missing : file_->read();
    if (status == SettingsFile::Status::Unreadable) {
        context_.inform(FileMessages::readFailure(itemfile_, file_->error()));
        return false;
    }
    if (status == SettingsFile::Status::Read && !ReopenList::holdsOnlyText(file_->lines())) {
        context_.inform(QStringLiteral("Filen:\r") + QDir::toNativeSeparators(itemfile_)
            + QStringLiteral("\rer ikke en filliste og blev ikke indlæst."));
        return false;
    }
    list_.clear();
    if (status == SettingsFile::Status::Read) {
        list_.replaceAll(ReopenList::fromLines(
            file_->lines(), Itemtype, [](const QString &path) { return QFileInfo(path).isFile(); }));
        // A damaged file is not written over with what could be read of it; a save the user asks for is.
        if (!file_->damaged())
            GemReopenFiler();
    }
    MakeListeMenu();
    return true;
}

bool TReopenFilerX::GemReopenFiler()
{
    if (itemfile_.isEmpty())
        return true;
    if (file_->write(list_.toLines()))
        return true;
    context_.inform(FileMessages::writeFailure(itemfile_, file_->error()));
    return false;
}

QString TReopenFilerX::duplicateQuestion(int Snummer, const QString &FNavn)
{
    QString first;
    if (Snummer == 1)
        first = QStringLiteral("Listen over lukkede dokumenter:\r");
    else if (Snummer == 2)
        first = QStringLiteral("Listen med åbne dokumenter:\r");
    else
        first = QStringLiteral("Favoritlisten:\r");
    return first + nameWithoutFolderAndExtension(FNavn) + QStringLiteral(" findes allerede i listen.") + u'\r'
        + QStringLiteral("Skal den indføres alligevel?");
}

bool TReopenFilerX::insertFirst() const
{
    return context_.options && context_.options->insertNewFirst();
}

bool TReopenFilerX::InsertItem(const QString &FNavn, const QString &MenuCaption, int Snummer)
{
    if (Itemtype == TItemtype::itFil && !QFileInfo(FNavn).isFile())
        return false;
    QString caption = MenuCaption;
    if (list_.indexOfPath(FNavn) >= 0) {
        if (Snummer > 0 && !context_.ask(duplicateQuestion(Snummer, FNavn), AppContext::Safe::No))
            return false;
        // Looked up again: the question ran an event loop.
        const int existing = list_.indexOfPath(FNavn);
        if (existing >= 0) {
            caption = list_.at(existing).Caption;
            list_.removeAt(existing);
        }
    }
    if (insertFirst())
        list_.prepend({ caption, FNavn });
    else
        list_.append({ caption, FNavn });
    MakeListeMenu();
    return true;
}

void TReopenFilerX::addFound(const QList<TReopenRec> &found)
{
    const bool first = insertFirst();
    QStringList captions;
    captions.reserve(found.size());
    for (const TReopenRec &entry : found) {
        if (first) {
            list_.prepend(entry);
            captions.prepend(entry.Caption);
        } else {
            list_.append(entry);
            captions.append(entry.Caption);
        }
    }
    if (!listeBoks_)
        return;
    if (first)
        listeBoks_->insertItems(0, captions);
    else
        listeBoks_->addItems(captions);
}

void TReopenFilerX::DeleteItem(const QString &FNavn, bool Opdater)
{
    const int index = list_.indexOfPath(FNavn);
    if (index >= 0)
        list_.removeAt(index);
    if (Opdater)
        MakeListeMenu();
}

void TReopenFilerX::DeleteItem(int Index)
{
    if (!list_.isValid(Index))
        return;
    list_.removeAt(Index);
    MakeListeMenu();
}

QString TReopenFilerX::GetCaption(int Index) const
{
    return list_.isValid(Index) ? list_.at(Index).Caption : QString();
}

QString TReopenFilerX::GetFilnavn(int Index) const
{
    return list_.isValid(Index) ? list_.at(Index).Filnavn : QString();
}

void TReopenFilerX::SetCaption(int Index, const QString &NewCaption)
{
    if (!list_.isValid(Index))
        return;
    list_.setCaption(Index, NewCaption);
    MakeListeMenu();
}

bool TReopenFilerX::sorterABC(int aIndex)
{
    const bool changed = list_.sortFrom(aIndex);
    if (Antal() >= 2 && aIndex < Antal() - 1)
        MakeListeMenu();
    return changed;
}

void TReopenFilerX::MakeListeMenu()
{
    if (!listeBoks_)
        return;
    listeBoks_->clear();
    QStringList captions;
    captions.reserve(Antal());
    for (const TReopenRec &entry : list_.entries())
        captions << entry.Caption;
    listeBoks_->addItems(captions);
    listeBoks_->selectRowQuietly(-1);
}

void TReopenFilerX::DeleteAlleItems()
{
    DeleteAllItems();
    MakeListeMenu();
}

void TReopenFilerX::SletAlleItems()
{
    if (Antal() == 0)
        return;
    if (!context_.ask(QStringLiteral("Skal alle indførte elementer i listen fjernes?"), AppContext::Safe::No))
        return;
    DeleteAllItems();
    MakeListeMenu();
}

int TReopenFilerX::selectedIndex() const
{
    return listeBoks_ ? listeBoks_->selectedRow() : -1;
}

void TReopenFilerX::selectIndex(int index)
{
    if (listeBoks_)
        listeBoks_->selectRowQuietly(index);
}

void TReopenFilerX::OnClickListe()
{
    handleRowEvent(OnListeKlik, QStringLiteral("."));
}

// The double click's messages are the same texts without the closing full stop.
void TReopenFilerX::OnDblClickListe()
{
    handleRowEvent(OnDblListeKlik, QString());
}

void TReopenFilerX::handleRowEvent(const TOnListeKlik &event, const QString &messageEnd)
{
    const int row = selectedIndex();
    if (!list_.isValid(row))
        return;
    // A copy: the owner's handler may change the list.
    const TReopenRec entry = list_.at(row);
    const QString advice
        = QStringLiteral("\rSlet eventuelt elementet fra listen eller opdater listen hvis muligt");
    if (Itemtype == TItemtype::itBibliotek && !QFileInfo(entry.Filnavn).isDir()) {
        context_.inform(QStringLiteral("Mappen blev ikke fundet.") + advice + messageEnd);
        return;
    }
    if (Itemtype == TItemtype::itFil && !QFileInfo(entry.Filnavn).isFile()) {
        context_.inform(QStringLiteral("Filen blev ikke fundet.") + advice + messageEnd);
        return;
    }
    if (event)
        event(entry.Caption, entry.Filnavn);
}
