#pragma once

#include <QDialog>

class AppContext;

// A tool window of the main window: created once at start-up, then only shown and hidden. Closing it
// hides it.
class ToolBox : public QDialog {
    Q_OBJECT

public:
    void setVisible(bool visible) override;

protected:
    ToolBox(AppContext &context, const QString &caption);
    AppContext &context() const { return context_; }
    // Called once, just before the box is first shown. A box that most runs never open builds its
    // controls here rather than in its constructor, so the start does not pay for them.
    virtual void buildAtFirstShow() { }
    // Escape closes the box as its close box does, so whatever the box does on closing is not skipped.
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void takeFrameShortcuts();

    AppContext &context_;
    bool controlsBuilt_ = false;
    bool frameShortcutsTaken_ = false;
};
