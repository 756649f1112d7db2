#include "app/WebSearch.h"

#include <QUrl>

namespace WebSearch {

namespace {

QString prefix(Engine engine)
{
    switch (engine) {
    case Engine::Google:
        return QStringLiteral("https://www.google.com/search?q=");
    case Engine::Bing:
        return QStringLiteral("https://www.bing.com/search?q=");
    case Engine::YouTube:
        return QStringLiteral("https://www.youtube.com/results?search_query=");
    }
    return {};
}

} // namespace

QString address(Engine engine, const QString &text)
{
    // A selection across paragraphs holds the editor's paragraph separators; the search gets line breaks.
    QString plain = text;
    plain.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
    return prefix(engine) + QString::fromLatin1(QUrl::toPercentEncoding(plain));
}

} // namespace WebSearch
