#include "search/text/ByteScreen.h"

#include "platform/TextCodec.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

char lowered(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c + 32) : c;
}

bool isLowerLetter(char c)
{
    return c >= 'a' && c <= 'z';
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

bool ByteScreen::runStandsAt(QByteArrayView bytes, qsizetype start) const
{
    for (qsizetype k = 0; k < run_.size(); ++k) {
        if (lowered(bytes[start + k]) != run_[k])
            return false;
    }
    return true;
}

qsizetype ByteScreen::findRun(QByteArrayView bytes, qsizetype from) const
{
    if (matchCase_)
        return bytes.indexOf(run_, from);
    const qsizetype lastStart = bytes.size() - run_.size();
    qsizetype start = std::max<qsizetype>(from, 0);
#if defined(__SSE2__)
    // Sixteen starts at a time are tried by the run's first and last characters, either case alike:
    // setting the bit of 0x20 lowers a letter and leaves no other byte equal to a lower-case one.
    const char first = run_.front();
    const char last = run_.back();
    const __m128i firstWanted = _mm_set1_epi8(first);
    const __m128i lastWanted = _mm_set1_epi8(last);
    const __m128i firstFold = _mm_set1_epi8(isLowerLetter(first) ? 0x20 : 0);
    const __m128i lastFold = _mm_set1_epi8(isLowerLetter(last) ? 0x20 : 0);
    const char *data = bytes.data();
    const qsizetype lastOffset = run_.size() - 1;
    for (; start + 16 <= lastStart + 1; start += 16) {
        const __m128i firsts
            = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i *>(data + start)), firstFold);
        const __m128i lasts = _mm_or_si128(
            _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + start + lastOffset)), lastFold);
        int candidates = _mm_movemask_epi8(
            _mm_and_si128(_mm_cmpeq_epi8(firsts, firstWanted), _mm_cmpeq_epi8(lasts, lastWanted)));
        while (candidates != 0) {
            const qsizetype at = start + __builtin_ctz(unsigned(candidates));
            if (runStandsAt(bytes, at))
                return at;
            candidates &= candidates - 1;
        }
    }
#endif
    for (; start <= lastStart; ++start) {
        if (runStandsAt(bytes, start))
            return start;
    }
    return -1;
}
