#include "documents/spelling/WordFinder.h"

namespace {

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c.isMark();
}

bool isJoiner(QChar c)
{
    return c == u'-' || c == u'\'' || c == u'\u2019' || c == u'.';
}

} // namespace

QList<WordFinder::Word> WordFinder::words(QStringView text)
{
    QList<Word> found;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        if (!isWordCharacter(text[i])) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < n) {
            if (isWordCharacter(text[i]))
                ++i;
            else if (isJoiner(text[i]) && i + 1 < n && isWordCharacter(text[i + 1]))
                i += 2;
            else
                break;
        }
        found.append({ int(start), int(i - start) });
    }
    return found;
}

std::optional<WordFinder::Word> WordFinder::wordAt(QStringView text, int position)
{
    for (const Word &word : words(text)) {
        if (word.start > position)
            break;
        if (position <= word.end())
            return word;
    }
    return std::nullopt;
}
