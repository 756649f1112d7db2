#pragma once

#include <QHash>
#include <QObject>
#include <QStringList>

#include <functional>

class AppContext;
class FrameCommands;
class FrameInterface;
class MenuPanelController;
class QPrinter;
class QWidget;
struct SearchPageControls;

// What the frame's commands do, and when each may be used. The enable rules are evaluated whenever the
// event loop is about to wait (the program is idle), so a command's state never needs refreshing by hand.
class FrameCommandHandlers : public QObject {
    Q_OBJECT

public:
    using EnableRule = std::function<bool()>;
    using FileOpener = std::function<void(const QStringList &)>;

    FrameCommandHandlers(AppContext &context, FrameInterface &frame, const FrameCommands &commands,
        MenuPanelController &menu, const SearchPageControls &search, FileOpener openFiles, QObject *parent);
    ~FrameCommandHandlers() override;

    // Enables or disables every command that has a rule.
    void updateActions();
    // The command enables exactly when the rule holds, from the next update on.
    void setEnableRule(const QString &command, EnableRule rule);
    // The printer the program prints on, as the printer settings left it.
    QPrinter &printer();

private:
    void connectHandlers();
    void addEnableRules();
    void on(const char *command, std::function<void()> handler);

    void fileOpen();
    void winLukAlle();
    void closeAllBokse();
    void showBox(QWidget *box);
    QList<QWidget *> closableBoxes() const;
    bool hasDocuments() const;

    AppContext &context_;
    FrameInterface &frame_;
    const FrameCommands &commands_;
    MenuPanelController &menu_;
    const SearchPageControls &search_;
    FileOpener openFiles_;
    QHash<QString, EnableRule> rules_;
};
