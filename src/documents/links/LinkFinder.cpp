#include "documents/links/LinkFinder.h"

#include <QRegularExpression>

namespace {

const QRegularExpression &addressStart()
{
    static const QRegularExpression start(
        QStringLiteral(R"((?<![\w.@/-])(?:(?:https?|ftp|file)://|mailto:|www\.))"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return start;
}

bool endsAddress(QChar c)
{
    return c.isSpace() || c == u'<' || c == u'>' || c == u'"';
}

// Drops what ends the sentence rather than the address.
qsizetype trimmedEnd(QStringView text, qsizetype start, qsizetype end)
{
    while (end > start) {
        const QChar last = text[end - 1];
        if (QStringView(u".,;:!?'").contains(last)) {
            --end;
        } else if (last == u')' || last == u']' || last == u'}') {
            const QChar open = last == u')' ? u'(' : last == u']' ? u'[' : u'{';
            const QStringView address = text.sliced(start, end - start);
            if (address.count(open) >= address.count(last))
                break;
            --end;
        } else {
            break;
        }
    }
    return end;
}

} // namespace

QList<LinkFinder::Link> LinkFinder::links(QStringView text)
{
    QList<Link> found;
    // Nearly every paragraph has no address; this look costs less than the expression.
    if (!text.contains(u':') && !text.contains(QLatin1String("www."), Qt::CaseInsensitive))
        return found;
    QRegularExpressionMatchIterator matches = addressStart().globalMatch(text);
    qsizetype searchedTo = 0;
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        const qsizetype start = match.capturedStart();
        if (start < searchedTo)
            continue;
        qsizetype end = match.capturedEnd();
        while (end < text.size() && !endsAddress(text[end]))
            ++end;
        searchedTo = end;
        end = trimmedEnd(text, start, end);
        // A scheme or "www." with nothing after it is no address.
        if (end <= match.capturedEnd())
            continue;
        found.append({ int(start), int(end - start), text.sliced(start, end - start).toString() });
    }
    return found;
}

std::optional<LinkFinder::Link> LinkFinder::linkAt(QStringView text, int position)
{
    for (const Link &link : links(text)) {
        if (position >= link.start && position < link.end())
            return link;
    }
    return std::nullopt;
}
