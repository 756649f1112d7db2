#pragma once

#include "app/Options.h"

#include <QWidget>

#include <vector>

class AppContext;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QToolButton;
class RadioGroup;
class SettingsFile;
class StartupRegistration;

// The options box: the program's store of options. It is never shown as a window of its own; its three
// panels go onto the "Egenskaber" page of the menu book. The other windows read the options through
// Options, never through its controls.
class Toptform : public QWidget, public Options {
    Q_OBJECT

public:
    static const QStringList &standardFontNames();
    static const QStringList &standardFontSizes();
    // The design the box will apply when it is made with the settings folder given: read before any
    // window exists, so that the start applies the look once instead of restyling finished windows.
    static QString designAtStart(const QString &settingsFolder);

    explicit Toptform(AppContext &context);
    ~Toptform() override;

    void HentOpt();
    void GemOpt();
    void defaultOpt();
    void setProgSize(int aW, int aH);
    // The three panels that the menu book's "Egenskaber" page shows.
    QList<QWidget *> pagePanels() const;
    // Tooltips, status line and hint routing by the chosen hint mode.
    void bestemHints();
    // The twelve standard font names in place of the user's list; the stock list is emptied.
    void setStandardFonte();

    QString designName() const override { return designName_; }
    HintMode hintMode() const override;
    bool reopenDocuments() const override;
    bool showFoldersBoxAtStart() const override;
    bool showFavouritesBoxAtStart() const override;
    bool showDocumentBoxAtStart() const override;
    bool minimiseAtStart() const override;
    bool askBeforeOpen() const override;
    bool showTabStrip() const override;
    bool showMenuBar() const override;
    bool showMainMenuPanel() const override;
    bool trayIcon() const override;
    bool saveFavouritesWithoutAsking() const override;
    bool insertNewFirst() const override;
    int maxElements() const override { return maxElementer_; }
    Choice fontNameChoice() const override;
    Choice fontSizeChoice() const override;
    bool showToolPanel() const override;
    bool wideMargins() const override;
    RightClick rightClick() const override;

    QString optFilnavn;
    QString fontBoxFilename;
    QString lagerBoxFilename;

    QFrame *optPanel1;
    QFrame *optPanel2;
    QFrame *optPanel3;

    QComboBox *designBox;
    QLabel *widthLabel;
    QLabel *heightLabel;
    QToolButton *Button20;
    RadioGroup *hintBox;
    QCheckBox *CheckAskOpenDoc;
    QCheckBox *dokumentlinjeCheck;
    QCheckBox *windowsCheck;
    QCheckBox *hovedmenuCheck;
    QCheckBox *dokumentCheck;
    QCheckBox *bokseCheck2;
    QCheckBox *bokseCheck1;
    QCheckBox *bokseCheck3;
    QCheckBox *CheckVedLuk;
    QComboBox *fontnameBox;
    QComboBox *fontsizeBox;
    QToolButton *standardButton;
    QToolButton *redigerButton;
    RadioGroup *popupBox;
    QCheckBox *redCheck;
    QCheckBox *marginCheck;
    QLineEdit *maxFindEdit;
    QToolButton *maxOpKnap;
    QToolButton *maxNedKnap;
    QCheckBox *CheckInsertFirst;
    QCheckBox *trayCheck;
    QCheckBox *minimerCheck;
    QToolButton *SpeedButton1;
    StartupRegistration *startupRegistration;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildPanel1();
    void buildPanel2();
    void buildPanel3();
    void connectHandlers();
    void readFontNames();
    void applyDesignAtStart();

    void designBoxChange();
    void dokumentlinjeCheckClick();
    void windowsCheckClick();
    void hovedmenuCheckClick();
    void marginCheckClick();
    void maxOpKnapClick();
    void maxNedKnapClick();
    void redigerButtonClick();
    void trayCheckClick();

    void showMaxElementer();
    // Replaces the entries of fontnameBox and selects the name, or the first entry when it is gone.
    void replaceFontNames(const QStringList &names, const QString &keep);
    void writeList(SettingsFile &file, const QStringList &lines);
    // How each line of the options file is read into the controls and written from them.
    struct StoredLine;
    std::vector<StoredLine> storedLines();

    QString designName_;
    int maxElementer_ = 0;

    AppContext &context_;
    std::unique_ptr<SettingsFile> settings_;
    std::unique_ptr<SettingsFile> fontBoxFile_;
    std::unique_ptr<SettingsFile> lagerBoxFile_;
};
