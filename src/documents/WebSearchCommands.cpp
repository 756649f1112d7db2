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
    connect(googleUrl, &QAction::triggered, this,
        [this] { search(QStringLiteral("https://www.google.com/search?q=")); });
    connect(bingUrl, &QAction::triggered, this,
        [this] { search(QStringLiteral("https://www.bing.com/search?q=")); });
    connect(tubeUrl, &QAction::triggered, this,
        [this] { search(QStringLiteral("https://www.youtube.com/results?search_query=")); });
}

void WebSearchCommands::search(const QString &prefix)
{
    shell_.openAddress(prefix + SearchWord::searchText(word_()));
}
