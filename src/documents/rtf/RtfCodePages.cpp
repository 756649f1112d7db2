#include "documents/rtf/RtfCodePages.h"

#include "platform/TextCodec.h"

#include <algorithm>

namespace {

struct CharsetCodePage {
    int charset;
    int codePage;
};

// The Windows charsets of "\fcharsetN" and the code pages they stand for. Symbol fonts keep their glyphs at
// the Windows-1252 positions.
constexpr CharsetCodePage kCodePages[] = {
    { 0, 1252 },
    { 2, 1252 },
    { 77, 10000 },
    { 128, 932 },
    { 129, 949 },
    { 134, 936 },
    { 136, 950 },
    { 161, 1253 },
    { 162, 1254 },
    { 163, 1258 },
    { 177, 1255 },
    { 178, 1256 },
    { 186, 1257 },
    { 204, 1251 },
    { 222, 874 },
    { 238, 1250 },
    { 254, 437 },
    { 255, 850 },
};

} // namespace

int RtfCodePages::forCharset(int charset)
{
    for (const CharsetCodePage &entry : kCodePages) {
        if (entry.charset == charset)
            return entry.codePage;
    }
    return 0; // 1 (the default charset) and unknown ones
}

QStringDecoder *RtfCodePages::decoderFor(int codePage)
{
    auto hit = m_decoders.find(codePage);
    if (hit == m_decoders.end()) {
        const QByteArray number = QByteArray::number(codePage);
        QStringDecoder decoder = codePage == 65001
            ? QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless)
            : QStringDecoder("windows-" + number, QStringDecoder::Flag::Stateless);
        if (!decoder.isValid())
            decoder = QStringDecoder("cp" + number, QStringDecoder::Flag::Stateless);
        hit = m_decoders.emplace(codePage, std::move(decoder)).first;
    }
    return hit->second.isValid() ? &hit->second : nullptr;
}

QString RtfCodePages::decode(QByteArrayView bytes, int codePage)
{
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
    if (ascii)
        return QString::fromLatin1(bytes); // the code pages RTF names all agree with ASCII
    if (codePage != kWindows1252) {
        if (QStringDecoder *decoder = decoderFor(codePage))
            return decoder->decode(bytes);
    }
    return TextCodec::decodeWindows1252(bytes);
}
