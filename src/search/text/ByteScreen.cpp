#include "search/text/ByteScreen.h"

#include "platform/TextCodec.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

char lowered(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c + 32) : c;
}

// Letters from common to rare in Danish and English text; anything else counts as rarer still.
int rarity(char c)
{
    static const QByteArray common("etranisdolgkmvupbhfcjywzxq");
    const qsizetype rank = common.indexOf(lowered(c));
    return rank < 0 ? 100 : int(rank);
}

// The first position from `from` holding either byte, or -1.
qsizetype findEither(QByteArrayView bytes, qsizetype from, char a, char b)
{
    const char *data = bytes.data();
    const qsizetype size = bytes.size();
    qsizetype i = from;
#if defined(__SSE2__)
    const __m128i va = _mm_set1_epi8(a);
    const __m128i vb = _mm_set1_epi8(b);
    for (; i + 16 <= size; i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i));
        const int hits
            = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(chunk, va), _mm_cmpeq_epi8(chunk, vb)));
        if (hits != 0)
            return i + __builtin_ctz(unsigned(hits));
    }
#endif
    for (; i < size; ++i) {
        if (data[i] == a || data[i] == b)
            return i;
    }
    return -1;
}

// U+017F (C5 BF) or U+212A (E2 84 AA) in UTF-8, found by their lead bytes in one pass.
bool holdsLongSOrKelvinSign(QByteArrayView bytes)
{
    for (qsizetype at = findEither(bytes, 0, '\xC5', '\xE2'); at >= 0;
         at = findEither(bytes, at + 1, '\xC5', '\xE2')) {
        const QByteArrayView rest = bytes.sliced(at);
        if (rest.startsWith("\xC5\xBF") || rest.startsWith("\xE2\x84\xAA"))
            return true;
    }
    return false;
}

} // namespace

ByteScreen::ByteScreen(QStringView needle, TextFinder::Options options)
    : matchCase_(options & TextFinder::MatchCase)
{
    if (needle.contains(u'\n') || needle.contains(u'\r'))
        return; // a line break may stand as CR in the bytes and as LF in the text
    qsizetype start = 0;
    for (qsizetype i = 0; i <= needle.size(); ++i) {
        if (i < needle.size() && needle[i].unicode() < 0x80)
            continue;
        if (i - start > run_.size())
            run_ = needle.sliced(start, i - start).toLatin1();
        start = i + 1;
    }
    if (!matchCase_)
        run_ = run_.toLower();
    for (qsizetype i = 0; i < run_.size(); ++i) {
        if (rarity(run_[i]) > rarity(run_[anchor_]))
            anchor_ = i;
    }
    foldedFromOutsideAscii_ = !matchCase_ && (run_.contains('s') || run_.contains('k'));
    runIsWholeNeedle_ = !run_.isEmpty() && run_.size() == needle.size();
}

bool ByteScreen::mayHold(QByteArrayView bytes) const
{
    if (run_.isEmpty() || findRun(bytes, 0) >= 0)
        return true;
    if (const auto mark = TextCodec::markAt(bytes); mark && mark->encoding != TextEncoding::Utf8Bom)
        return true;
    return mayFoldIntoRun(bytes);
}

bool ByteScreen::mayFoldIntoRun(QByteArrayView bytes) const
{
    return foldedFromOutsideAscii_ && holdsLongSOrKelvinSign(bytes);
}

qsizetype ByteScreen::findRun(QByteArrayView bytes, qsizetype from) const
{
    if (matchCase_)
        return bytes.indexOf(run_, from);
    const char anchor = run_[anchor_];
    const char otherCase = (anchor >= 'a' && anchor <= 'z') ? char(anchor - 32) : anchor;
    const qsizetype last = bytes.size() - run_.size() + anchor_;
    for (qsizetype at = findEither(bytes, from + anchor_, anchor, otherCase); at >= 0 && at <= last;
         at = findEither(bytes, at + 1, anchor, otherCase)) {
        const qsizetype start = at - anchor_;
        qsizetype k = 0;
        while (k < run_.size() && lowered(bytes[start + k]) == run_[k])
            ++k;
        if (k == run_.size())
            return start;
    }
    return -1;
}
