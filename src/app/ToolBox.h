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

private:
    AppContext &context_;
};
