#pragma once

#include <QDialog>

class AppContext;

// A tool window of the main window: created once at start-up, then only shown and hidden. Closing it
// hides it.
class ToolBox : public QDialog {
    Q_OBJECT

protected:
    ToolBox(AppContext &context, const QString &caption);
    AppContext &context() const { return context_; }
    // Escape closes the box as its close box does, so whatever the box does on closing is not skipped.
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void takeFrameShortcuts();

    AppContext &context_;
    bool frameShortcutsTaken_ = false;
};
