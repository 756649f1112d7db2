#pragma once

#include "app/DocumentListEvents.h"
#include "app/FileListTarget.h"
#include "lists/TwoPanelBox.h"

class FileListBox;
class QAction;
class QLabel;
class TReopenFilerX;

// The document box: on the left the documents closed since the start, on the right the open ones, kept
// current by the document windows. From here the user reopens a closed document, brings an open one
// forward, shows a document's folder, sorts, prunes and clears the lists, and saves and restores the
// closed list (FavFiler1.txt). Its size and position live in filUnit.txt.
class Tfilform : public TwoPanelBox, public FileListTarget, public DocumentListEvents {
    Q_OBJECT

public:
    explicit Tfilform(AppContext &context);

    void HentOpt();
    void GemOpt();
    void defaultOpt();
    void updateActions() override;

    // FileListTarget: the closed list
    void showForNewFiles(bool startNewList) override;
    void addFile(const QString &fileName, const QString &caption) override;

    // DocumentListEvents
    void documentOpened(const QString &fileName, const QString &caption) override;
    void documentSavedAs(const QString &fileName, const QString &caption) override;
    void documentClosed(const QString &fileName, const QString &caption) override;

    TReopenFilerX *FavFiler1; // closed documents, stored in FavFiler1.txt on the user's command
    TReopenFilerX *FavFiler2; // open documents, never stored
    bool ListeForandret1 = false;
    bool ListeForandret2 = false;
    // The folder last shown from this box.
    QString openMappeName;
    QString optFilnavn;

    QWidget *BgPanel1;
    QWidget *BgPanel2;
    QLabel *fillisteNavn;
    QLabel *Label2;
    FileListBox *ListBox1;
    FileListBox *ListBox2;

    QAction *opdaterBox1;
    QAction *Fabc;
    QAction *FLVisMappe;
    QAction *FLsletValgte;
    QAction *FLsletAlle;
    QAction *FLopenEdit;
    QAction *aHentFilliste;
    QAction *aGemFilliste;
    QAction *opdaterBox2;
    QAction *Fabc2;
    QAction *FLVisMappe2;
    QAction *FLopenEdit2;
    QAction *openDokument;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildClosedPanel();
    void buildOpenPanel();
    void connectActions();

    void FLopenEditExecute();
    void FLopenEdit2Execute();
    void FLsletValgteExecute();
    void prune(TReopenFilerX &list);
    void sort(TReopenFilerX &list, bool &changed);
    void openMappe(const QString &fileName);
    void openDokumentExecute();
    void openWhenExists(const QString &fileName);
};
