#pragma once

#include <QObject>

class QMenu;
class QPoint;
class QToolButton;
class QWidget;
class SpellingMenu;

// Which right-click menu an editor shows: the window's own "Funktioner" menu, or the spelling menu. The
// switch button's caption and hint always name the menu it switches to.
class RightClickMenuSwitch : public QObject {
    Q_OBJECT

public:
    // Starts with the window's own menu when functionsMenu is true.
    RightClickMenuSwitch(QToolButton &button, QMenu &functions, SpellingMenu &spelling, bool functionsMenu);

    bool usesFunctionsMenu() const { return functionsMenu_; }
    // The button's press: the other menu.
    void puButtonClick();
    // A right-click at a point of the viewport while the window's own menu is in use.
    void showFunctionsMenu(QWidget &viewport, const QPoint &position);

Q_SIGNALS:
    void switched();

private:
    void apply();

    QToolButton &button_;
    QMenu &functions_;
    SpellingMenu &spelling_;
    bool functionsMenu_;
};
