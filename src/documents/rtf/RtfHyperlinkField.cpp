#include "documents/rtf/RtfHyperlinkField.h"

#include <QStringList>

namespace {

// Splits into words, a quoted argument being one word without its quotes.
QStringList arguments(QStringView instruction)
{
    QStringList words;
    qsizetype i = 0;
    const qsizetype n = instruction.size();
    while (i < n) {
        while (i < n && instruction[i].isSpace())
            ++i;
        if (i >= n)
            break;
        QString word;
        if (instruction[i] == u'"') {
            ++i;
            while (i < n && instruction[i] != u'"')
                word += instruction[i++];
            ++i;
        } else {
            while (i < n && !instruction[i].isSpace())
                word += instruction[i++];
        }
        words.append(word);
    }
    return words;
}

} // namespace

QString RtfHyperlinkField::address(QStringView instruction)
{
    const QStringList words = arguments(instruction);
    if (words.isEmpty() || words.first().compare(u"HYPERLINK", Qt::CaseInsensitive) != 0)
        return {};

    QString target;
    QString bookmark;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QString &word = words[i];
        if (word.startsWith(u'\\')) {
            // Switches with an argument: \l bookmark, \o tooltip, \t frame, \m map coordinates.
            if (word == u"\\l" && i + 1 < words.size())
                bookmark = words[i + 1];
            if (word != u"\\n" && word != u"\\h")
                ++i;
        } else if (target.isEmpty()) {
            target = word;
        }
    }
    if (!bookmark.isEmpty())
        target += u'#' + bookmark;
    return clean(target);
}

QString RtfHyperlinkField::instruction(const QString &address)
{
    return QStringLiteral("HYPERLINK \"") + clean(address) + u'"';
}

QString RtfHyperlinkField::clean(QString address)
{
    address.removeIf([](QChar c) { return c.unicode() < 0x20; });
    return address.replace(u'"', QStringLiteral("%22"));
}
