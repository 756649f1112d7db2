#include "platform/TextCodec.h"

#include <algorithm>
#include <array>

namespace {

// Windows-1252 at 0x80..0x9F; the five bytes the code page leaves undefined map to the C1 control of the
// same value, so every byte decodes and encodes back to itself.
constexpr std::array<char16_t, 32> kHighControls = { 0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020,
    0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C,
    0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178 };

const QByteArray kUtf8Bom("\xEF\xBB\xBF", 3);
const QByteArray kUtf16LeBom("\xFF\xFE", 2);
const QByteArray kUtf16BeBom("\xFE\xFF", 2);

QString decodeUtf16(QByteArrayView bytes, QStringConverter::Encoding encoding)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
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
                ++crlf;
                ++i;
            } else {
                ++cr;
            }
        } else if (c == u'\n') {
            ++lf;
        }
    }
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
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = (b >= 0x80 && b < 0xA0) ? kHighControls[b - 0x80] : char16_t(b);
    }
    return text;
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
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        QString text = utf8(bytes);
        if (invalid)
            *invalid = utf8.hasError();
        return text;
    }
    case TextEncoding::Utf8Bom:
        return QString::fromUtf8(bytes);
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
        bool invalid = false;
        result.text = decodeUnmarked(bytes, TextEncoding::Utf8, &invalid);
        result.encoding = invalid ? TextEncoding::Windows1252 : TextEncoding::Utf8;
        if (invalid)
            result.text = decodeWindows1252(bytes);
    }
    LineBreakCounts breaks;
    breaks.add(result.text);
    result.lineEnding = breaks.dominant(fallback);
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
