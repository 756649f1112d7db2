#pragma once

#include "lists/ReopenList.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class AppContext;
class FileListBox;
class SettingsFile;

// A file list of the program: ordered entries (caption, path) mirrored in a list box and stored in a
// list file, two lines per entry. It asks before taking in a path it already holds, reads the options'
// "insert first" choice at every insertion, and checks that an entry's file or folder still exists
// before it hands a click on its row to the owner. Failures to read or write the list file are told to
// the user; the list in memory then stays as it was.
class TReopenFilerX : public QObject {
    Q_OBJECT

public:
    // Capnavn receives the entry's caption, Filnavn its path.
    using TOnListeKlik = std::function<void(const QString &Capnavn, const QString &Filnavn)>;
    using TOnDblListeKlik = TOnListeKlik;

    TReopenFilerX(AppContext &context, QObject *owner);
    ~TReopenFilerX() override;

    // The list file; empty means the list is never written.
    const QString &Itemfile() const { return itemfile_; }
    void setItemfile(const QString &path);
    FileListBox *ListeBoks() const { return listeBoks_; }
    void setListeBoks(FileListBox *box);
    int Antal() const { return list_.Antal(); }
    const QList<TReopenRec> &entries() const { return list_.entries(); }

    TItemtype Itemtype = TItemtype::itBibliotek;
    TOnListeKlik OnListeKlik;
    TOnDblListeKlik OnDblListeKlik;

    // Replaces the list by the list file's entries, leaving out vanished files in an itFil list, and
    // writes the result back (not over a damaged file). False when the file could not be read: the list
    // stays as it was.
    bool HentReopenFiler();
    // Writes the whole list to the list file; false (after telling the user) when that failed.
    bool GemReopenFiler();
    // Snummer chooses the duplicate question: 1 closed documents, 2 open documents, other positive
    // values the favourites, 0 none. True when an entry was added.
    bool InsertItem(const QString &FNavn, const QString &MenuCaption, int Snummer);
    // Entries a search found, each path met once: no duplicate question and no look for the same path, so
    // two files whose names differ only in case both stay. They go to the end, or in front as the options
    // say, and the list box gets their rows without a rebuild, so a long list fills in linear time.
    void addFound(const QList<TReopenRec> &found);
    void DeleteItem(const QString &FNavn, bool Opdater = true);
    void DeleteItem(int Index);
    QString GetCaption(int Index) const;
    QString GetFilnavn(int Index) const;
    void SetCaption(int Index, const QString &NewCaption);
    // These two leave rebuilding the list box to the caller.
    bool flytOp(int aIndex) { return list_.flytOp(aIndex); }
    bool flytNed(int aIndex) { return list_.flytNed(aIndex); }
    bool sorterABC(int aIndex);
    void MakeListeMenu();
    // Empties the list without touching the list box.
    void DeleteAllItems() { list_.clear(); }
    void DeleteAlleItems();
    // Asks first; nothing happens on an empty list.
    void SletAlleItems();

    // The list box's selected row, -1 for none (also when there is no list box).
    int selectedIndex() const;
    // Selects a row without it counting as the user's click.
    void selectIndex(int index);

    static QString duplicateQuestion(int Snummer, const QString &FNavn);

private:
    void OnClickListe();
    void OnDblClickListe();
    void handleRowEvent(const TOnListeKlik &event, const QString &messageEnd);
    bool insertFirst() const;

    AppContext &context_;
    ReopenList list_;
    QString itemfile_;
    std::unique_ptr<SettingsFile> file_;
    FileListBox *listeBoks_ = nullptr;
};
