#include "platform/TextCodec.h"

#include <algorithm>
#include <array>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Windows-1252 at 0x80..0x9F; the five bytes the code page leaves undefined map to the C1 control of the
// same value, so every byte decodes and encodes back to itself.
constexpr std::array<char16_t, 32> kHighControls = { 0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020,
    0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C,
    0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178 };

const QByteArray kUtf8Bom("\xEF\xBB\xBF", 3);
const QByteArray kUtf16LeBom("\xFF\xFE", 2);
const QByteArray kUtf16BeBom("\xFE\xFF", 2);

// How many bytes from `from` on are ASCII, checked sixteen at a time where the processor can: most text
// is mostly ASCII, and both decoders below pass such runs through without looking at each byte.
qsizetype asciiRun(const unsigned char *bytes, qsizetype from, qsizetype size)
{
    qsizetype i = from;
#if defined(__SSE2__)
    for (; i + 16 <= size; i += 16) {
        const int high = _mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i *>(bytes + i)));
        if (high != 0)
            return i + __builtin_ctz(unsigned(high)) - from;
    }
#endif
    while (i < size && bytes[i] < 0x80)
        ++i;
    return i - from;
}

// The mark has been taken off before these bytes; a U+FEFF among them (at the start of a piece of a
// streamed file, or a second one after the mark) is text, which Qt's decoders would otherwise drop.
constexpr QStringConverter::Flags kKeepEveryCharacter
    = QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

QString decodeUtf16(QByteArrayView bytes, QStringConverter::Encoding encoding)
{
    QStringDecoder decoder(encoding, kKeepEveryCharacter);
    return decoder(bytes);
}

} // namespace

void LineBreakCounts::add(QStringView text)
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\r') {
            if (i + 1 < n && text[i + 1] == u'\n') {
                note(LineEnding::CrLf);
                ++crlf;
                ++i;
            } else {
                note(LineEnding::Cr);
                ++cr;
            }
        } else if (c == u'\n') {
            note(LineEnding::Lf);
            ++lf;
        }
    }
}

void LineBreakCounts::note(LineEnding ending)
{
    if (stretches_.isEmpty() || stretches_.last().second != ending)
        stretches_.append({ total(), ending });
}

LineEndExceptions LineBreakCounts::exceptionsTo(LineEnding usual) const
{
    LineEndExceptions exceptions;
    for (qsizetype s = 0; s < stretches_.size(); ++s) {
        const auto [first, ending] = stretches_[s];
        if (ending == usual)
            continue;
        const qsizetype end = s + 1 < stretches_.size() ? stretches_[s + 1].first : total();
        for (qsizetype lineBreak = first; lineBreak < end; ++lineBreak)
            exceptions.append({ lineBreak, ending });
    }
    return exceptions;
}

LineEnding LineBreakCounts::dominant(LineEnding fallback) const
{
    if (!any())
        return fallback;
    if (crlf >= lf && crlf >= cr)
        return LineEnding::CrLf;
    return lf >= cr ? LineEnding::Lf : LineEnding::Cr;
}

QString TextCodec::decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    decodeWindows1252(bytes, reinterpret_cast<char16_t *>(text.data()));
    return text;
}

char16_t *TextCodec::decodeWindows1252(QByteArrayView bytes, char16_t *out)
{
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
#if defined(__SSE2__)
    // Every byte but 0x80..0x9F is its own code point: widen sixteen at a time and mend the few others.
    const __m128i zero = _mm_setzero_si128();
    const __m128i firstOwn = _mm_set1_epi8(char(0xA0));
    for (; i + 16 <= size; i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + i));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + i), _mm_unpacklo_epi8(chunk, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + i + 8), _mm_unpackhi_epi8(chunk, zero));
        // As signed bytes, 0x80..0x9F are the only ones below 0xA0.
        int mend = _mm_movemask_epi8(_mm_cmplt_epi8(chunk, firstOwn));
        while (mend != 0) {
            const int at = __builtin_ctz(unsigned(mend));
            out[i + at] = kHighControls[in[i + at] - 0x80];
            mend &= mend - 1;
        }
    }
#endif
    for (; i < size; ++i) {
        const unsigned char b = in[i];
        out[i] = (b >= 0x80 && b < 0xA0) ? kHighControls[b - 0x80] : char16_t(b);
    }
    return out + size;
}

namespace {

// The length of the UTF-8 sequence for one character beyond ASCII that starts at i, or 0 when the bytes
// there are no such sequence (invalid, overlong, a surrogate, beyond U+10FFFF, or cut off).
inline int sequenceAt(const unsigned char *in, qsizetype i, qsizetype size)
{
    const unsigned char lead = in[i];
    int continuation = 0;
    unsigned char low = 0x80; // the range of the byte after the lead, which rules out overlong forms,
    unsigned char high = 0xBF; // surrogates and code points beyond U+10FFFF
    if (lead >= 0xC2 && lead <= 0xDF) {
        continuation = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        continuation = 2;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        continuation = 3;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + continuation >= size || in[i + 1] < low || in[i + 1] > high)
        return 0;
    for (int k = 2; k <= continuation; ++k) {
        if ((in[i + k] & 0xC0) != 0x80)
            return 0;
    }
    return continuation + 1;
}

} // namespace

bool TextCodec::isValidUtf8(QByteArrayView bytes)
{
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype size = bytes.size();
#if defined(__SSE2__)
    const __m128i twoByteLeadAfter = _mm_set1_epi8(char(0xC1)); // as signed bytes: 0xC2..0xDF lie
    const __m128i twoByteLeadBefore = _mm_set1_epi8(char(0xE0)); // between these two
    const __m128i continuationBefore = _mm_set1_epi8(char(0xC0)); // and 0x80..0xBF below this one
#endif
    for (qsizetype i = 0; i < size;) {
#if defined(__SSE2__)
        // Latin text outside ASCII is mostly letters of two bytes: sixteen bytes that hold nothing else,
        // each lead followed by a continuation and each continuation preceded by a lead, pass at once.
        if (i + 16 <= size) {
            const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + i));
            const int high = _mm_movemask_epi8(chunk);
            if (high == 0) {
                i += 16;
                continue;
            }
            const int leads = _mm_movemask_epi8(_mm_and_si128(
                _mm_cmpgt_epi8(chunk, twoByteLeadAfter), _mm_cmplt_epi8(chunk, twoByteLeadBefore)));
            const int continuations = _mm_movemask_epi8(_mm_cmplt_epi8(chunk, continuationBefore));
            if ((high & ~(leads | continuations)) == 0 && continuations == ((leads << 1) & 0xFFFF)) {
                i += (leads & 0x8000) ? 15 : 16; // a lead in the last byte is checked with what follows
                continue;
            }
        }
#endif
        i += asciiRun(in, i, size);
        if (i >= size)
            break;
        const int length = sequenceAt(in, i, size);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

bool TextCodec::looksLikeDamagedUtf8(QByteArrayView bytes)
{
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype size = bytes.size();
    qsizetype valid = 0;
    qsizetype invalid = 0;
    for (qsizetype i = 0; i < size;) {
        i += asciiRun(in, i, size);
        if (i >= size)
            break;
        const int length = sequenceAt(in, i, size);
        ++(length > 0 ? valid : invalid);
        i += std::max(length, 1);
    }
    return invalid > 0 && valid > invalid;
}

std::optional<QByteArray> TextCodec::encodeWindows1252(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            bytes[i] = char(c);
            continue;
        }
        const auto *hit = std::find(kHighControls.begin(), kHighControls.end(), c);
        if (hit == kHighControls.end())
            return std::nullopt;
        bytes[i] = char(0x80 + (hit - kHighControls.begin()));
    }
    return bytes;
}

std::optional<ByteOrderMark> TextCodec::markAt(QByteArrayView bytes)
{
    if (bytes.startsWith(kUtf8Bom))
        return ByteOrderMark { TextEncoding::Utf8Bom, 3 };
    if (bytes.startsWith(kUtf16LeBom))
        return ByteOrderMark { TextEncoding::Utf16LE, 2 };
    if (bytes.startsWith(kUtf16BeBom))
        return ByteOrderMark { TextEncoding::Utf16BE, 2 };
    return std::nullopt;
}

QString TextCodec::decodeUnmarked(QByteArrayView bytes, TextEncoding encoding, bool *invalid)
{
    if (invalid)
        *invalid = false;
    switch (encoding) {
    case TextEncoding::Utf8: {
        QStringDecoder utf8(QStringConverter::Utf8, kKeepEveryCharacter);
        QString text = utf8(bytes);
        if (invalid)
            *invalid = utf8.hasError();
        return text;
    }
    case TextEncoding::Utf8Bom: {
        QStringDecoder utf8(QStringConverter::Utf8, kKeepEveryCharacter);
        return utf8(bytes);
    }
    case TextEncoding::Utf16LE:
        return decodeUtf16(bytes, QStringConverter::Utf16LE);
    case TextEncoding::Utf16BE:
        return decodeUtf16(bytes, QStringConverter::Utf16BE);
    case TextEncoding::Windows1252:
        return decodeWindows1252(bytes);
    }
    Q_UNREACHABLE();
    return {};
}

DecodedText TextCodec::decode(QByteArrayView bytes, LineEnding fallback)
{
    DecodedText result;
    if (const auto mark = markAt(bytes)) {
        result.encoding = mark->encoding;
        result.text = decodeUnmarked(bytes.sliced(mark->length), mark->encoding);
    } else {
        // Checking first decodes a Windows-1252 file once instead of twice.
        const bool utf8 = isValidUtf8(bytes);
        result.encoding = utf8 ? TextEncoding::Utf8 : TextEncoding::Windows1252;
        result.text = utf8 ? decodeUnmarked(bytes, TextEncoding::Utf8) : decodeWindows1252(bytes);
    }
    LineBreakCounts breaks;
    breaks.add(result.text);
    result.lineEnding = breaks.dominant(fallback);
    result.lineEndExceptions = breaks.exceptionsTo(result.lineEnding);
    result.hadLineBreaks = breaks.any();
    if (result.hadLineBreaks)
        result.text = normaliseLineBreaks(std::move(result.text));
    return result;
}

EncodedText TextCodec::encode(const QString &text, TextEncoding encoding, LineEnding lineEnding)
{
    const QString withBreaks
        = lineEnding == LineEnding::Lf ? text : QString(text).replace(u'\n', lineBreak(lineEnding));
    switch (encoding) {
    case TextEncoding::Windows1252:
        if (auto bytes = encodeWindows1252(withBreaks))
            return { *bytes, encoding };
        return { kUtf8Bom + withBreaks.toUtf8(), TextEncoding::Utf8Bom };
    case TextEncoding::Utf8:
        return { withBreaks.toUtf8(), encoding };
    case TextEncoding::Utf8Bom:
        return { kUtf8Bom + withBreaks.toUtf8(), encoding };
    case TextEncoding::Utf16LE: {
        QStringEncoder encoder(QStringConverter::Utf16LE);
        return { kUtf16LeBom + QByteArray(encoder(withBreaks)), encoding };
    }
    case TextEncoding::Utf16BE: {
        QStringEncoder encoder(QStringConverter::Utf16BE);
        return { kUtf16BeBom + QByteArray(encoder(withBreaks)), encoding };
    }
    }
    Q_UNREACHABLE();
    return {};
}

TextEncoding TextCodec::systemEncoding()
{
#ifdef Q_OS_WIN
    return TextEncoding::Windows1252;
#else
    return TextEncoding::Utf8;
#endif
}

LineEnding TextCodec::platformLineEnding()
{
#ifdef Q_OS_WIN
    return LineEnding::CrLf;
#else
    return LineEnding::Lf;
#endif
}

QString TextCodec::lineBreak(LineEnding lineEnding)
{
    switch (lineEnding) {
    case LineEnding::CrLf:
        return QStringLiteral("\r\n");
    case LineEnding::Lf:
        return QStringLiteral("\n");
    case LineEnding::Cr:
        return QStringLiteral("\r");
    }
    Q_UNREACHABLE();
    return {};
}

QString TextCodec::withLineEnds(const QString &text, LineEnding usual, const LineEndExceptions &exceptions)
{
    if (exceptions.isEmpty())
        return usual == LineEnding::Lf ? text : QString(text).replace(u'\n', lineBreak(usual));
    QString result;
    result.reserve(text.size() + text.size() / 16);
    qsizetype lineBreak = 0;
    qsizetype next = 0; // the next exception to look at
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(u'\n'); at >= 0; at = text.indexOf(u'\n', from)) {
        result.append(QStringView(text).sliced(from, at - from));
        LineEnding ending = usual;
        if (next < exceptions.size() && exceptions[next].lineBreak == lineBreak)
            ending = exceptions[next++].ending;
        result.append(TextCodec::lineBreak(ending));
        from = at + 1;
        ++lineBreak;
    }
    result.append(QStringView(text).sliced(from));
    return result;
}

QString TextCodec::normaliseLineBreaks(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

NamedCharset::NamedCharset(const QByteArray &name)
    : encoder_(name.constData())
    , decoder_(name.constData())
{ }

std::optional<QByteArray> NamedCharset::encode(QStringView text)
{
    encoder_.resetState();
    QByteArray bytes = encoder_(text);
    if (encoder_.hasError())
        return std::nullopt;
    return bytes;
}

QString NamedCharset::decode(QByteArrayView bytes)
{
    decoder_.resetState();
    return decoder_(bytes);
}
