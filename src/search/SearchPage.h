#pragma once

#include "search/FileTypeList.h"
#include "search/text/TextSearchTypes.h"

#include <QWidget>

#include <functional>

class AppContext;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;
class QToolButton;
class SearchHitModel;
class TextSearchJob;

// The find-text box's page "Søg": the filter box, the search field with its history, the options, the
// result list with its commands, and the search itself, which runs off the user-interface thread while
// the list, the counts and the progress bar follow it.
class SearchPage : public QWidget {
    Q_OBJECT

public:
    // `folder` gives the search folder as the box's folder field holds it.
    SearchPage(AppContext &context, std::function<QString()> folder, QWidget *parent);
    ~SearchPage() override;

    // Fills the filter box with what the type list offers and selects the first item.
    void LoadFilterBoks(const QList<FileTypeList::Choice> &choices);
    void updateCommands();
    bool isSearching() const;

    QComboBox *filterBoks;
    QComboBox *EditFind;
    QToolButton *Button1;
    QCheckBox *Check1;
    QCheckBox *Check2;
    QCheckBox *rekursivCheck;
    QLabel *countdis;
    QTableView *findis;
    QLabel *mappeLabel;
    QLabel *filLabel;
    QProgressBar *findBar;
    QPushButton *stopButton;
    SearchHitModel *hits;

    QAction *AfindBib;
    QAction *Afjern;
    QAction *AsletAlt;
    QAction *AopenAll;
    QAction *AvisValgte;
    QAction *ArunValgte;
    QAction *AeditValgte;
    QAction *aFind;

Q_SIGNALS:
    // A search ended; the list holds its rows.
    void searchFinished(const TextSearchSummary &summary);

private:
    void buildControls();
    void createCommands();
    void AfindBibExecute();
    void counted(int folders, int files);
    void rowsFound(const QList<TextSearchRow> &rows);
    void filesSearched(int count);
    void finished(const TextSearchSummary &summary);
    void InsertInRulliste();
    QList<int> selectedRows() const;
    // The single selected row's file when it exists; otherwise tells the user and gives nothing.
    QString existingFileOfTheSelectedRow() const;
    void AfjernExecute();
    void AsletAltExecute();
    void AopenAllExecute();
    void AvisValgteExecute();
    void aFindExecute();

    AppContext &context_;
    std::function<QString()> folder_;
    TextSearchJob *job_;
    bool recursive_ = false; // of the search running or last run
};
