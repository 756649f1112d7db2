#pragma once

#include "app/FileListTarget.h"
#include "lists/TwoPanelBox.h"

class FileListBox;
class QAction;
class QLabel;
class QLineEdit;
class QToolButton;
class TReopenFilerX;

// The favourites box: named lists of favourite files, each a list file in the "Favoritter" folder. One
// list at a time is current and shown on the right; the names of all lists are on the left. Its size,
// position and the current list's name live in favoritUnit.txt.
class Tfavoritform : public TwoPanelBox, public FileListTarget {
    Q_OBJECT

public:
    explicit Tfavoritform(AppContext &context);

    void HentOpt();
    void GemOpt();
    void defaultOpt();
    void updateActions() override;

    // Fills the list of list names from the folder, in name order.
    void LoadFillister();
    // Makes the named list current, after asking about unsaved changes; `messages` tells the user when
    // the list does not exist.
    void LoadListe(const QString &name, bool messages);
    // Saves the current list under the name shown (aGemFilliste); false, the user told why, when it was
    // not saved.
    bool saveCurrentList();
    // Re-reads the list names after list files were renamed or deleted outside the box.
    void opdater();

    // FileListTarget: the current list
    void showForNewFiles(bool startNewList) override;
    void addFile(const QString &fileName, const QString &caption) override;

    TReopenFilerX *FavFiler;
    QString FavFilerFilename;
    // The lists' folder, with a closing separator.
    QString Listemappe;
    bool ListeForandret = false;
    int fillistenIndex = -1;
    QString optFilnavn;

    QWidget *opretPanel;
    QWidget *favfilerPanel;
    QLabel *Label1;
    FileListBox *fillisten;
    QToolButton *opdaterButton;
    QToolButton *redigerButton;
    QLineEdit *gemEdit;
    QLabel *fillisteNavn;
    FileListBox *favFilerListe;
    QLabel *Label26;
    QLineEdit *RenamFEdit;

    QAction *Fabc;
    QAction *FLop;
    QAction *FLned;
    QAction *FLsletValgte;
    QAction *FLsletAlle;
    QAction *FLopenEdit;
    QAction *FLVisMappe;
    QAction *insertFil;
    QAction *aGemFilliste;
    QAction *FLRenameCaption;
    QAction *aGemNytNavn;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildListNamesPanel();
    void buildFavouritesPanel();
    void connectActions();
    QString listPath(const QString &name) const;

    void FabcExecute();
    void moveSelected(bool up);
    void FLsletValgteExecute();
    void insertFilExecute();
    void FLRenameCaptionExecute();
    void aGemNytNavnExecute();
    void openWhenExists(const QString &fileName);
    void runWhenEnabled(QAction *action);
};
