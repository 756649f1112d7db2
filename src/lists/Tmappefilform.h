#pragma once

#include "lists/DriveList.h"
#include "lists/FileTypeIcons.h"
#include "lists/TwoPanelBox.h"

class QAction;
class QComboBox;
class QLineEdit;
class QListWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

// The folders-and-files box: a drive chooser and the folder list on the left, the folder's files on the
// right, and buttons to run or edit the selected file. Its folder is the program's current folder, which
// the document windows move to the active document's folder and the search boxes start from. Its size,
// position and folder live in mappefilUnit.txt, written each time it closes.
class Tmappefilform : public TwoPanelBox {
    Q_OBJECT

public:
    static constexpr int kDirPanelWidth = 278;

    explicit Tmappefilform(AppContext &context);

    void HentOpt();
    void GemOpt();
    void defaultOpt();
    void updateActions() override;

    // The focused row's file when that row is selected, by its full path; empty for none.
    QString selectedFile() const;
    // Every selected row's file, top row first.
    QStringList selectedFiles() const;
    void openFile();

    QWidget *dirPanel;
    QWidget *filPanel;
    QTreeWidget *dirBox;
    QComboBox *diskBox;
    QListWidget *fileBox;
    QLineEdit *fileEditBox;
    QToolButton *runButton;
    QToolButton *editButton;
    QAction *run;
    QAction *edit;
    QString optFilnavn;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildFolderPanel();
    void buildFilePanel();
    void folderChanged();
    void showFolder();
    void showDrives();
    void listFiles(const QString &folder);
    void chooseFolder(QTreeWidgetItem *item);
    void goToExisting(const QString &path);
    void fileBoxChange();
    void runButtonClick();
    void editButtonClick();

    QList<DriveList::Drive> drives_;
    FileTypeIcons icons_;
};
