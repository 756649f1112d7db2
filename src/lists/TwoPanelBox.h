#pragma once

#include "app/SettingsFile.h"
#include "app/ToolBox.h"

#include <memory>
#include <vector>

class FileListBox;
class QLabel;

// A list box with two panels side by side, at least 260 pixels wide each, and a status line along the
// bottom. Its size and position live in a settings file of its own; a failure to read that file is
// reported. Its enable rules run whenever the program goes idle.
class TwoPanelBox : public ToolBox {
    Q_OBJECT

public:
    static constexpr int kDefaultWidth = 580;
    static constexpr int kDefaultHeight = 480;
    static constexpr int kDefaultLeft = 40;
    static constexpr int kDefaultTop = 40;
    static constexpr int kPanelMinWidth = 260;
    static constexpr int kLeftPanelWidth = 310;

    // Sets every action's enabled state from the box's state.
    virtual void updateActions() = 0;

    QLabel *infoBar;

    // A label and a file list box carrying the names other code finds them by.
    static QLabel *namedLabel(const char *name, const QString &text, QWidget *parent);
    static FileListBox *namedListBox(const char *name, QWidget *parent);

protected:
    TwoPanelBox(AppContext &context, const QString &caption, const QString &settingsName);

    QWidget *leftPanel() const { return left_; }
    QWidget *rightPanel() const { return right_; }
    SettingsFile &settings() { return *settings_; }

    // Called at the end of the subclass's construction: a message shown while it is being built runs an
    // event loop, which must not reach its enable rules before its actions exist.
    void startIdleUpdates();
    void defaultGeometry();
    // Width, height, left, top: the first four lines of the settings file.
    std::vector<SettingsLine> geometryLines();
    QStringList geometryValues() const;
    // Reads the settings file: missing applies the defaults; a failure is reported and what was
    // applied before it stays.
    void readSettings(const std::function<void()> &defaults, const std::vector<SettingsLine> &lines);
    void writeSettings(const QStringList &lines);

    void resizeEvent(QResizeEvent *event) override;

    // True until the first resize after creation.
    bool opstart = true;

private:
    QWidget *left_;
    QWidget *right_;
    std::unique_ptr<SettingsFile> settings_;
};
