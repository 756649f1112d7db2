#pragma once

#include <QWidget>

class FrameCommands;
class QMenuBar;

// The row of seven page buttons at the top of the frame; each opens or closes its page of the menu book.
class MainMenuPanel : public QWidget {
    Q_OBJECT

public:
    MainMenuPanel(const FrameCommands &commands, QWidget *parent);

    // The same seven commands as top-level items of the menu bar, in the same order and words.
    static void fillMenuBar(QMenuBar *menuBar, const FrameCommands &commands);
};
