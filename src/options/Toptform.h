#pragma once

#include <QWidget>

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
// panels go onto the "Egenskaber" page of the menu book, and the other windows read its controls when
// they need an option.
class Toptform : public QWidget {
    Q_OBJECT

public:
    static const QStringList &standardFontNames();
    static const QStringList &fontSizes();

    explicit Toptform(AppContext &context);
    ~Toptform() override;

    void HentOpt();
    void GemOpt();
    void defaultOpt();
    void setProgSize(int aW, int aH);
    // Tooltips, status line and hint routing by the chosen hint mode.
    void bestemHints();
    // The twelve standard font names in place of the user's list; the stock list is emptied.
    void setStandardFonte();

    QString designName;
    int maxElementer = 0;
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

    AppContext &context_;
    std::unique_ptr<SettingsFile> settings_;
    std::unique_ptr<SettingsFile> fontBoxFile_;
    std::unique_ptr<SettingsFile> lagerBoxFile_;
};
