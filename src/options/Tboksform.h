#pragma once

#include "app/FontListEditor.h"
#include "app/ToolBox.h"

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class SettingsFile;
class TFontnavne;

// The font names box: a modal dialog in which the user edits the font names the editors offer (Box),
// beside a store of names set aside (lagerBox). The options box hands it both lists and takes them back
// when the user confirms with "Gem og luk".
class Tboksform : public ToolBox, public FontListEditor {
    Q_OBJECT

public:
    static constexpr int kWidth = 600;
    static constexpr int kHeight = 480;

    explicit Tboksform(AppContext &context);
    ~Tboksform() override;

    static QStringList names(const QListWidget *list);
    static void setNames(QListWidget *list, const QStringList &names);
    bool editFontNames(QStringList &offered, std::optional<QStringList> &stored) override;
    void clearStoredFontNames() override;

    // "Der er valgt N antal fonte", N the names in Box.
    void showCount();
    // Enables each command by its rule.
    void updateActions();

    QString optFilnavn;

    QListWidget *Box;
    QListWidget *lagerBox;
    TFontnavne *fontBox;
    QToolButton *SpeedButton1;
    QPushButton *getFontnamesButton;
    QPushButton *indsertFontButton;
    QToolButton *tilLagerValgte;
    QToolButton *tilbageValgte;
    QToolButton *tilLagerAlle;
    QToolButton *tilbageAlle;
    QToolButton *flytOp;
    QToolButton *flytNed;
    QToolButton *gemKnap;
    QPlainTextEdit *Memo;
    QLabel *fontAntalLabel;
    QPushButton *annullerButton;
    QPushButton *okButton;

    QAction *AvalgteTilLager;
    QAction *AvalgteTilbage;
    QAction *AalleTilLager;
    QAction *AalleTilbage;
    QAction *AflytOp;
    QAction *AflytNed;
    QAction *sletFontFraListe;
    QAction *sorterListerne;

    // Closing by either button or by the window frame writes the height.
    void done(int result) override;

protected:
    void changeEvent(QEvent *event) override;

private:
    QAction *command(
        const QString &caption, const QString &hint, const QIcon &icon, std::function<void()> run);
    QToolButton *commandButton(QAction *action);
    void buildLayout();
    void HentOpt();
    void GemOpt();

    void moveSelected(QListWidget *from, QListWidget *to);
    void moveAll(QListWidget *from, QListWidget *to);
    void moveSelectedBy(int step);
    void removeSelected();
    void sortLists();
    void getFontNames();
    void insertFont();
    void preview(QListWidget *list);

    std::unique_ptr<SettingsFile> settings_;
};
