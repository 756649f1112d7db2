#include "documents/WebSearchCommands.h"

#include "documents/DocumentCommand.h"
#include "documents/SearchWord.h"
#include "platform/Shell.h"

#include <QAction>
#include <QWidget>

WebSearchCommands::WebSearchCommands(QWidget &window, Shell &shell, std::function<QString()> word)
    : QObject(&window)
    , shell_(shell)
    , word_(std::move(word))
{
    googleUrl = DocumentCommand::create(&window, QStringLiteral("Google"),
        QStringLiteral("Søg med Google: Ctrl+Shift+G"), QKeySequence(QStringLiteral("Ctrl+Shift+G")));
    bingUrl = DocumentCommand::create(&window, QStringLiteral("Bing"),
        QStringLiteral("Søg med Microsoft Bing: Ctrl+Shift+B"), QKeySequence(QStringLiteral("Ctrl+Shift+B")));
    tubeUrl = DocumentCommand::create(&window, QStringLiteral("Søg på YouTube"),
        QStringLiteral("Søg med YouTube: Ctrl+Shift+T"), QKeySequence(QStringLiteral("Ctrl+Shift+T")));
    window.addActions({ googleUrl, bingUrl, tubeUrl });
    connect(googleUrl, &QAction::triggered, this, [this] { search(WebSearch::Engine::Google); });
    connect(bingUrl, &QAction::triggered, this, [this] { search(WebSearch::Engine::Bing); });
    connect(tubeUrl, &QAction::triggered, this, [this] { search(WebSearch::Engine::YouTube); });
}

void WebSearchCommands::search(WebSearch::Engine engine)
{
    shell_.openAddress(WebSearch::address(engine, SearchWord::searchText(word_())));
}
