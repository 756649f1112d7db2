#pragma once

#include "app/ToolBox.h"
#include "search/names/NameSearchTypes.h"

class FileListBox;
class NameSearchJob;
class QAction;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSplitter;
class QToolButton;
class TReopenFilerX;

// The folder and file search box: the folders and files below a folder whose names hold a text, folders
// above and files below. A click shows a find's path on the status line, a double click opens a folder in
// the file manager or a file in the program. The search runs off the user-interface thread; the lists
// fill as it goes and "Stop" ends it with the finds so far. The finds stay until the next search.
class Tfilmappeform : public ToolBox {
    Q_OBJECT

public:
    explicit Tfilmappeform(AppContext &context);
    ~Tfilmappeform() override;

    void updateCommands();
    bool isSearching() const;

    TReopenFilerX *findDir; // found folders
    TReopenFilerX *findFiler; // found files

    QLineEdit *mappeEdit;
    QToolButton *browseButton;
    QToolButton *getDirButton;
    QProgressBar *findBar;
    QLabel *BarEdit;
    QLineEdit *findTekstEdit;
    QToolButton *findTekstKnap;
    QPushButton *stopButton;
    QLabel *mapperOverskrift;
    FileListBox *mappeBoxen;
    QSplitter *splitter;
    QLabel *filerOverskrift;
    FileListBox *filBoxen;

    QAction *aSearch;
    QAction *getDir;

Q_SIGNALS:
    // A search ended; the lists hold its finds.
    void searchFinished(const NameSearchSummary &summary);

protected:
    // An empty folder field starts from the program's current folder.
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void createLists();
    void chooseFolder();
    void aSearchExecute();
    void ClearAlt();
    void found(const QList<NameHit> &folders, const QList<NameHit> &files);
    void finished(const NameSearchSummary &summary);

    NameSearchJob *job_;
};
