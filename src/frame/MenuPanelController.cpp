#include "frame/MenuPanelController.h"

#include "frame/FrameClientArea.h"
#include "frame/MenuBook.h"

#include <QLineEdit>
#include <QMenuBar>

MenuPanelController::MenuPanelController(MenuBook &book, FrameClientArea &client, QWidget &mainMenuPanel,
    QPointer<QMenuBar> &menuBar, const unsigned &topHeight, PanelSource optionPanels)
    : book_(book)
    , client_(client)
    , mainMenuPanel_(mainMenuPanel)
    , menuBar_(menuBar)
    , topHeight_(topHeight)
    , optionPanels_(std::move(optionPanels))
{
    client_.placeBook(FrameClientArea::BookPlace::Top, MenuBook::kDesignHeight);
}

void MenuPanelController::setMenuPanel(int page)
{
    if (book_.isHidden()) {
        aMenuPanel();
        book_.setCurrentIndex(page);
    } else if (book_.currentIndex() == page) {
        aMenuPanel();
    } else {
        book_.setCurrentIndex(page);
    }
    place();
}

void MenuPanelController::place()
{
    if (book_.currentIndex() == MenuBook::Egenskaber) {
        client_.placeBook(FrameClientArea::BookPlace::Fill, 0);
        if (optionPanels_)
            book_.adoptOptionPanels(optionPanels_());
        return;
    }
    client_.placeBook(FrameClientArea::BookPlace::Top, int(topHeight_));
    if (book_.currentIndex() == MenuBook::Soeg && !book_.isHidden())
        book_.searchControls().ordEdit->setFocus();
}

void MenuPanelController::aMenuPanel()
{
    if (!book_.isHidden()) {
        hideBook();
        return;
    }
    if (book_.currentIndex() < 0)
        book_.setCurrentIndex(MenuBook::Fil);
    book_.show();
    // The page buttons stay above the book: the frame's layout keeps them at the very top.
}

void MenuPanelController::aHovedmenu()
{
    hideBook();
    delete menuBar_;
    mainMenuPanel_.setVisible(mainMenuPanel_.isHidden());
}

void MenuPanelController::hideBook()
{
    book_.hide();
}

void MenuPanelController::hideOptionsPage()
{
    if (!book_.isHidden() && book_.currentIndex() == MenuBook::Egenskaber)
        hideBook();
}
