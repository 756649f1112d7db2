#pragma once

#include "app/ToolBox.h"
#include "documents/TextTypeList.h"

#include <memory>

class QAction;
class QLineEdit;
class QPushButton;
class QToolButton;
class QTreeWidget;
class SettingsFile;

// The text file type box: the user's list of file types that open as text without a question. It edits
// the frame's type list and its file; shown modally, changes are kept only by "Gem og luk" or "Standard".
class Ttypeform : public ToolBox {
    Q_OBJECT

public:
    static constexpr int kWidth = 274;
    static constexpr int kMinimumHeight = 490;

    explicit Ttypeform(AppContext &context);
    ~Ttypeform() override;

    // The standard list replaces the type list and is written at once.
    void makeTypeliste();
    // Refills the rows from the type list, first reading the file into it when withLoad is true. Nothing
    // changes when the file does not exist.
    void LoadExtListe(bool withLoad);
    // The rows become the type list and are written.
    void GemExtListe();
    void typelisteAdd(const QString &name, const QString &mask, bool ticked);
    QList<TextTypeList::Entry> rows() const;

    QTreeWidget *typeliste;
    QLineEdit *tekstedit;
    QLineEdit *typeedit;
    QToolButton *insertknap;
    QPushButton *standardKnap;
    QToolButton *infoButton;
    QPushButton *lukKnap;
    QPushButton *saveknap;
    QAction *Aop;
    QAction *Aned;
    QAction *aDelete;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildControls();
    void showRows(const QList<TextTypeList::Entry> &entries);
    void insertknapClick();
    void moveSelected(int step);
    void deleteSelected();
    void standardKnapClick();
    void updateCommands();

    std::unique_ptr<SettingsFile> file_;
};
