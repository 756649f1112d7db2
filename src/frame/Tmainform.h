#pragma once

#include "app/DocumentInfoWidgets.h"
#include "app/FrameInterface.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class AppContext;
class DateCommands;
class DocumentArea;
class DocumentWindow;
class DocumentTabStrip;
class FrameClientArea;
class FrameCommandHandlers;
class FrameCommands;
struct FrameFields;
class MenuBook;
class MenuPanelController;
class OpenDocumentsRecord;
class RecoveryOffer;
class RecoveryService;
struct RecoveryCopy;
class QLabel;
class QMenuBar;
class QStatusBar;
class QSystemTrayIcon;
class QTabWidget;
class SettingsFile;
class StatusTipRouter;
class TDatoer;
class TFunktioner;

// The frame: the main window holding the document windows, the menu book, the tab strip and the status
// line. It settles the folder tree when created, opens the documents of the command line and of the last
// run at its first show, and writes the settings of every window when it closes.
class Tmainform : public QMainWindow, public FrameInterface {
    Q_OBJECT

public:
    static constexpr int kDefaultWidth = 800;
    static constexpr int kDefaultHeight = 600;
    static constexpr int kDefaultLeft = 640;
    static constexpr int kDefaultTop = 240;

    explicit Tmainform(AppContext &context);
    ~Tmainform() override;

    // The Danish message when the settings folder could not be made; the program cannot go on then.
    const QString &storageFailure() const { return storageFailure_; }
    // Files named on the command line, opened at the first show.
    void setCommandLineFiles(const QStringList &files) { commandLineFiles_ = files; }

    void HentOpt();
    void GemOpt();
    void defaultOpt();
    void TrayIconRestoreApp();
    // Files the user chose or dropped: each goes to the opening service, in the given order, unless the
    // options ask first and the user chose another action in the open-action box.
    void openFiles(const QStringList &files);
    // Asks every document, then writes every window's settings; false when a document stopped it.
    bool closeProgram();
    // The program is being ended from outside (a termination signal, the end of the session): every
    // document with changes gets its recovery copy before any question is asked.
    void writeRecoveryCopiesNow();
    RecoveryService *recovery() const { return recovery_; }

    // Opens, switches to or closes a page of the menu book (0 "Fil" to 6 "Bokse").
    void setMenuPanel(int page);
    MenuBook *menuBook() const { return menuBook_; }
    // Enables and disables the commands by their rules; runs by itself whenever the program is idle.
    void updateActions();

    // FrameInterface
    QWidget *frameWidget() override { return this; }
    QAction *command(const QString &name) override;
    QList<QAction *> commands() override;
    TFunktioner *funk() override { return funk_.get(); }
    DateService &Datoer() override;
    DocumentArea *documents() override { return documents_; }
    const DocumentInfoWidgets &infoWidgets() override { return info_; }
    const SearchPageControls &searchControls() override;
    const DatePageControls &dateControls() override;
    QPrinter &printer() override;
    void UdskrivInfo(const QString &text) override;
    void HintInfo(const QString &hint) override;
    void setStandardSize() override;
    void hideOptionsPage() override;
    void hideMenuBook() override;
    void showSearchPage(const QString &text) override;
    void setTabStripVisible(bool visible) override;
    void setStatusLineVisible(bool visible) override;
    void setTrayIconEnabled(bool enabled) override;
    void setHintRouting(bool toHintInfo) override;
    void removeMainMenu() override;
    void doHandling(int actionNo) override;
    void udskrivFilInfo() override;
    void InsertTab() override;
    void SetTCindex() override;
    void fokusTab(const QWidget *window) override;
    void RenameTab(const QWidget *window, const QString &newCapNavn) override;
    void CloseTab(const QWidget *window) override;
    void setTabLoading(const QWidget *window, bool loading) override;
    void showStatusNotice(const QString &text) override;

    QWidget *hovedmenuPanel;
    QTabWidget *menuBog;
    DocumentTabStrip *tc;
    QStatusBar *bundPanel;
    QLabel *Info;
    QPointer<QMenuBar> MainMenu;
    QSystemTrayIcon *TrayIcon;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void buildLayout();
    void connectCommands();
    void showMatchCount(int count);
    void buildDocumentInfo();
    // Null when the kind cannot be shown.
    DocumentWindow *createDocumentWindow(bool rich);
    void offerRecovery();
    DocumentWindow *openRecovered(const RecoveryCopy &copy);
    void activateTab(DocumentWindow *window);
    void showFileNameOfTab(const DocumentWindow *window);
    void FormShow();
    void showStartupBoxes();

    void FormCloseQuery();
    // The documents that were open, in window order, with their names as they closed.
    void FormClose(const QList<QPointer<DocumentWindow>> &closedDocuments);
    void writeDokumentfil(const QList<QPointer<DocumentWindow>> &documents);
    void recordOpenDocuments();
    void updateProgramSizeAction();
    void restoreFromTray();
    QRect storedGeometry() const;

    AppContext &context_;
    FrameFields &fields_;
    QString storageFailure_;
    QStringList commandLineFiles_;
    bool firstShowDone_ = false;
    bool closed_ = false;
    std::unique_ptr<SettingsFile> settings_;
    std::unique_ptr<TFunktioner> funk_;
    DocumentArea *documents_;
    FrameCommands *commands_;
    DocumentInfoWidgets info_;
    MenuBook *menuBook_;
    FrameClientArea *client_;
    std::unique_ptr<MenuPanelController> menuPanel_;
    FrameCommandHandlers *handlers_;
    StatusTipRouter *hintRouter_;
    TDatoer *Datoer_ = nullptr;
    DateCommands *dateCommands_ = nullptr;
    OpenDocumentsRecord *openDocuments_;
    RecoveryService *recovery_ = nullptr;
    std::unique_ptr<RecoveryOffer> recoveryOffer_;
};
