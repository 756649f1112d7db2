#include "documents/SearchWord.h"

namespace SearchWord {

bool isWordCharacter(QChar c)
{
    const char16_t u = c.unicode();
    return u == u'-' || (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z')
        || u == u'Æ' || u == u'Ø' || u == u'Å' || u == u'æ' || u == u'ø' || u == u'å';
}

QString getTheWord(const QString &selection, const QString &line, int caretColumn)
{
    if (!selection.isEmpty())
        return selection.endsWith(u' ') ? selection.chopped(1) : selection;
    int start = std::clamp(caretColumn, 0, int(line.size()));
    int end = start;
    while (start > 0 && isWordCharacter(line[start - 1]))
        --start;
    while (end < line.size() && isWordCharacter(line[end]))
        ++end;
    return line.mid(start, end - start);
}

QString searchText(const QString &word)
{
    return word.isEmpty() ? QStringLiteral("Der mangler et søgeord") : word;
}

} // namespace SearchWord
