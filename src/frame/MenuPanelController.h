#pragma once

#include <QList>
#include <QPointer>

#include <functional>

class FrameClientArea;
class MenuBook;
class QMenuBar;
class QWidget;

// Opens, switches and closes the menu book's pages, and shows or hides the row of page buttons and the
// menu bar, as the page commands, "Menupanelet" and "Hovedmenu" do.
class MenuPanelController {
public:
    using PanelSource = std::function<QList<QWidget *>()>;

    // optionPanels gives the options' panels, moved onto the "Egenskaber" page at its first opening.
    MenuPanelController(MenuBook &book, FrameClientArea &client, QWidget &mainMenuPanel,
        QPointer<QMenuBar> &menuBar, const unsigned &topHeight, PanelSource optionPanels);

    // Opens the page, switches to it, or closes the book when it shows that page already.
    void setMenuPanel(int page);
    // Shows or hides the book with its current page, in its current place.
    void aMenuPanel();
    // Hides the book, removes the menu bar for the rest of the run and shows or hides the page buttons.
    void aHovedmenu();
    void hideBook();
    // Hides the book when it shows the "Egenskaber" page.
    void hideOptionsPage();

private:
    void place();

    MenuBook &book_;
    FrameClientArea &client_;
    QWidget &mainMenuPanel_;
    QPointer<QMenuBar> &menuBar_;
    const unsigned &topHeight_; // the frame's menuBogHeight
    PanelSource optionPanels_;
};
