#pragma once

#include "search/FileTypeList.h"

#include <QWidget>

#include <memory>

class AppContext;
class QAction;
class QLineEdit;
class QPushButton;
class QTextBrowser;
class QToolButton;
class QTreeWidget;
class SettingsFile;

// The find-text box's page "Filtre": the user's list of file types in "Filtertyper.txt", with moving,
// adding and deleting, "Gem" and "Standard", and the box's information page beside it. The filter box
// of the search page offers what was last saved here, never unsaved changes.
class FilterPage : public QWidget {
    Q_OBJECT

public:
    FilterPage(AppContext &context, QWidget *parent);
    ~FilterPage() override;

    // Reads the list file, writing the standard list when there is none, and shows it.
    void HentTypeliste();
    // The standard list replaces the list and its file.
    void makeTypeliste();
    // The saved list as the filter box offers it.
    QList<FileTypeList::Choice> choices() const { return FileTypeList::choices(filliste_); }
    QList<FileTypeEntry> shownEntries() const;
    void updateCommands();

    QTreeWidget *typeliste;
    QLineEdit *tekstedit;
    QLineEdit *typeedit;
    QToolButton *insertknap;
    QToolButton *deleteknap;
    QPushButton *standardKnap;
    QPushButton *saveknap;
    QTextBrowser *Browser;
    QAction *Aop;
    QAction *Aned;
    QAction *aInsertNew;
    QAction *aSletValgte;

Q_SIGNALS:
    // The saved list changed: the filter box is to be filled again.
    void savedListChanged();

private:
    void buildControls();
    void LoadTypeliste();
    void typelisteAdd(const FileTypeEntry &entry);
    void GemTypeliste();
    void standardKnapClick();
    void moveSelected(int step);
    void insertNew();
    void deleteSelected();
    int selectedRow() const;
    void loadInformationPage();

    AppContext &context_;
    std::unique_ptr<SettingsFile> file_;
    QList<FileTypeEntry> filliste_; // the list as last read or saved
};
