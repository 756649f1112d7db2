#pragma once

#include "app/WebSearch.h"

#include <QObject>

#include <functional>

class QAction;
class QWidget;
class Shell;

// The three web searches of a document window (Google, Bing, YouTube): each opens its address with the
// search word of the window in the user's web browser.
class WebSearchCommands : public QObject {
    Q_OBJECT

public:
    // The word is asked for when a search runs (the window's getTheWord).
    WebSearchCommands(QWidget &window, Shell &shell, std::function<QString()> word);

    QAction *googleUrl;
    QAction *bingUrl;
    QAction *tubeUrl;

private:
    void search(WebSearch::Engine engine);

    Shell &shell_;
    std::function<QString()> word_;
};
