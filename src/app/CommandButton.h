#pragma once

#include <QToolButton>

class QAction;

// A flat button that runs a command and follows its enabled state, hint and picture. A button may carry
// its own caption (broken over lines, or shorter than the command's) in place of the command's. A screen
// reader reads the caption on one line, or the hint of a picture-only command.
class CommandButton : public QToolButton {
    Q_OBJECT

public:
    CommandButton(QAction *command, QWidget *parent, const QString &caption = {});

protected:
    void actionEvent(QActionEvent *event) override;

private:
    void showCaption();

    QString caption_;
};
