#include "documents/find/TextFinder.h"

#include <algorithm>
#include <utility>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

char32_t foldCase(char32_t c)
{
    if (c < 0x80)
        return (c >= u'A' && c <= u'Z') ? c + 32 : c;
    return QChar::toCaseFolded(c);
}

// The code point at `position` and how many units it takes; a lone surrogate stands for itself.
char32_t codePointAt(QStringView text, qsizetype position, int *units)
{
    const char16_t unit = text[position].unicode();
    if (QChar::isHighSurrogate(unit) && position + 1 < text.size()
        && QChar::isLowSurrogate(text[position + 1].unicode())) {
        *units = 2;
        return QChar::surrogateToUcs4(unit, text[position + 1].unicode());
    }
    *units = 1;
    return unit;
}

// The code point that ends just before `position`.
char32_t codePointBefore(QStringView text, qsizetype position)
{
    const char16_t unit = text[position - 1].unicode();
    if (QChar::isLowSurrogate(unit) && position >= 2 && QChar::isHighSurrogate(text[position - 2].unicode()))
        return QChar::surrogateToUcs4(text[position - 2].unicode(), unit);
    return unit;
}

// A combining mark belongs to the letter it sits on, so it continues a word as that letter would.
bool isWordCharacter(char32_t c)
{
    return QChar::isLetterOrNumber(c) || QChar::isMark(c);
}

QString foldedText(QStringView text)
{
    QString folded;
    folded.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        int units = 1;
        const char32_t c = codePointAt(text, i, &units);
        // Case folding never moves a character to another plane, so the length stays.
        if (units == 2)
            folded.append(QChar::fromUcs4(foldCase(c)));
        else
            folded.append(QChar(char16_t(foldCase(c))));
        i += units;
    }
    return folded;
}

// Every BMP unit whose folding differs from itself, sorted by what it folds to. Built once; about 1,400
// pairs.
const std::vector<std::pair<char16_t, char16_t>> &unfoldTable()
{
    static const std::vector<std::pair<char16_t, char16_t>> table = [] {
        std::vector<std::pair<char16_t, char16_t>> pairs;
        for (char32_t c = 0; c < 0x10000; ++c) {
            if (QChar::isSurrogate(c))
                continue;
            const char32_t folded = foldCase(c);
            if (folded != c)
                pairs.emplace_back(char16_t(folded), char16_t(c));
        }
        std::sort(pairs.begin(), pairs.end());
        return pairs;
    }();
    return table;
}

// The units that can stand where the folded unit `anchor` stands in a case-blind match. Folding keeps a
// high surrogate as it is (a case pair never spans two blocks of 1,024), so a high surrogate anchors
// alone; a low surrogate cannot anchor.
QString anchorVariants(char16_t anchor, bool matchCase)
{
    if (matchCase || QChar::isHighSurrogate(anchor))
        return QString(QChar(anchor));
    if (QChar::isLowSurrogate(anchor))
        return {};
    QString variants { QChar(anchor) };
    const auto &table = unfoldTable();
    auto range = std::equal_range(table.begin(), table.end(), std::pair<char16_t, char16_t>(anchor, 0),
        [](const auto &a, const auto &b) { return a.first < b.first; });
    for (auto it = range.first; it != range.second; ++it)
        variants.append(QChar(it->second));
    return variants;
}

bool isVariant(char16_t unit, QStringView variants)
{
    for (QChar v : variants) {
        if (v.unicode() == unit)
            return true;
    }
    return false;
}

// The first position in [from, to) holding one of the variants, or -1; every position when there are
// none.
qsizetype scanForward(const char16_t *data, qsizetype from, qsizetype to, QStringView variants)
{
    if (variants.isEmpty())
        return from < to ? from : -1;
    qsizetype i = from;
#if defined(__SSE2__)
    if (variants.size() <= 4) {
        const __m128i v0 = _mm_set1_epi16(short(variants[0].unicode()));
        const __m128i v1
            = _mm_set1_epi16(short(variants[std::min<qsizetype>(1, variants.size() - 1)].unicode()));
        const __m128i v2
            = _mm_set1_epi16(short(variants[std::min<qsizetype>(2, variants.size() - 1)].unicode()));
        const __m128i v3
            = _mm_set1_epi16(short(variants[std::min<qsizetype>(3, variants.size() - 1)].unicode()));
        for (; i + 8 <= to; i += 8) {
            const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i));
            const __m128i hits
                = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(chunk, v0), _mm_cmpeq_epi16(chunk, v1)),
                    _mm_or_si128(_mm_cmpeq_epi16(chunk, v2), _mm_cmpeq_epi16(chunk, v3)));
            const int mask = _mm_movemask_epi8(hits);
            if (mask != 0)
                return i + __builtin_ctz(unsigned(mask)) / 2;
        }
    }
#endif
    for (; i < to; ++i) {
        if (isVariant(data[i], variants))
            return i;
    }
    return -1;
}

// The last position in [from, to) holding one of the variants, or -1; every position when there are
// none.
qsizetype scanBackward(const char16_t *data, qsizetype from, qsizetype to, QStringView variants)
{
    if (variants.isEmpty())
        return from < to ? to - 1 : -1;
    qsizetype i = to;
#if defined(__SSE2__)
    if (variants.size() <= 4) {
        const __m128i v0 = _mm_set1_epi16(short(variants[0].unicode()));
        const __m128i v1
            = _mm_set1_epi16(short(variants[std::min<qsizetype>(1, variants.size() - 1)].unicode()));
        const __m128i v2
            = _mm_set1_epi16(short(variants[std::min<qsizetype>(2, variants.size() - 1)].unicode()));
        const __m128i v3
            = _mm_set1_epi16(short(variants[std::min<qsizetype>(3, variants.size() - 1)].unicode()));
        for (; i - 8 >= from; i -= 8) {
            const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i - 8));
            const __m128i hits
                = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(chunk, v0), _mm_cmpeq_epi16(chunk, v1)),
                    _mm_or_si128(_mm_cmpeq_epi16(chunk, v2), _mm_cmpeq_epi16(chunk, v3)));
            const int mask = _mm_movemask_epi8(hits);
            if (mask != 0)
                return i - 8 + (31 - __builtin_clz(unsigned(mask))) / 2;
        }
    }
#endif
    for (; i > from; --i) {
        if (isVariant(data[i - 1], variants))
            return i - 1;
    }
    return -1;
}

} // namespace

TextFinder::TextFinder(QStringView needle, Options options)
    : needle_(options & MatchCase ? needle.toString() : foldedText(needle))
    , options_(options)
{
    if (needle_.isEmpty())
        return;
    const bool matchCase = options & MatchCase;
    firstVariants_ = anchorVariants(needle_.front().unicode(), matchCase);
    lastVariants_ = anchorVariants(needle_.back().unicode(), matchCase);
}

bool TextFinder::isWholeWord(QStringView text, qsizetype start, qsizetype length)
{
    if (start > 0 && isWordCharacter(codePointBefore(text, start)))
        return false;
    const qsizetype end = start + length;
    int units = 1;
    return end >= text.size() || !isWordCharacter(codePointAt(text, end, &units));
}

bool TextFinder::matchesAt(QStringView text, qsizetype position) const
{
    const qsizetype length = needle_.size();
    if (options_ & MatchCase)
        return text.sliced(position, length) == needle_;
    const char16_t *wanted = reinterpret_cast<const char16_t *>(needle_.constData());
    for (qsizetype n = 0; n < length;) {
        const char16_t unit = text[position + n].unicode();
        if (unit < 0x80) {
            if (char16_t(foldCase(unit)) != wanted[n])
                return false;
            ++n;
            continue;
        }
        int units = 1;
        const char32_t folded = foldCase(codePointAt(text.first(position + length), position + n, &units));
        if (units == 2) {
            if (QChar::highSurrogate(folded) != wanted[n] || QChar::lowSurrogate(folded) != wanted[n + 1])
                return false;
        } else if (char16_t(folded) != wanted[n]) {
            return false;
        }
        n += units;
    }
    return true;
}

bool TextFinder::accepts(QStringView text, qsizetype position) const
{
    return matchesAt(text, position)
        && (!(options_ & WholeWord) || isWholeWord(text, position, needle_.size()));
}

qsizetype TextFinder::findForward(QStringView text, qsizetype from, qsizetype to) const
{
    const qsizetype length = needle_.size();
    if (to < 0 || to > text.size())
        to = text.size();
    from = std::max<qsizetype>(from, 0);
    if (length == 0 || to - from < length)
        return -1;
    const auto *data = reinterpret_cast<const char16_t *>(text.data());
    const qsizetype lastStart = to - length;
    for (qsizetype p = from; p <= lastStart; ++p) {
        p = scanForward(data, p, lastStart + 1, firstVariants_);
        if (p < 0)
            return -1;
        if (accepts(text, p))
            return p;
    }
    return -1;
}

qsizetype TextFinder::findBackward(QStringView text, qsizetype from, qsizetype to) const
{
    const qsizetype length = needle_.size();
    if (to < 0 || to > text.size())
        to = text.size();
    from = std::max<qsizetype>(from, 0);
    if (length == 0 || to - from < length)
        return -1;
    const auto *data = reinterpret_cast<const char16_t *>(text.data());
    // The anchor is the needle's last unit, so each candidate is where an occurrence would end.
    for (qsizetype end = to; end >= from + length; --end) {
        const qsizetype last = scanBackward(data, from + length - 1, end, lastVariants_);
        if (last < 0)
            return -1;
        const qsizetype p = last + 1 - length;
        if (accepts(text, p))
            return p;
        end = last + 1;
    }
    return -1;
}
