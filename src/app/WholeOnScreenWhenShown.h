#pragma once

#include <QObject>

class QWidget;

// Brings a main window wholly onto the screen it is most on once it is shown. Only then are the window
// manager's title bar and borders known: placed before, by its inner size, the window hung off the bottom
// of the screen by the height of its title bar, its status line out of sight. Acts once, then goes.
class WholeOnScreenWhenShown : public QObject {
    Q_OBJECT

public:
    static void watch(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit WholeOnScreenWhenShown(QWidget *window);

    QWidget *window_;
};
