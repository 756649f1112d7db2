#include "platform/TextStreamDecoder.h"

#include <algorithm>

namespace {

// The longest byte-order mark.
constexpr qsizetype kMarkLength = 3;

bool hasNonAscii(QByteArrayView bytes)
{
    return std::any_of(
        bytes.begin(), bytes.end(), [](char b) { return static_cast<unsigned char>(b) >= 0x80; });
}

} // namespace

TextStreamDecoder::TextStreamDecoder(LineEnding fallback)
    : fallback_(fallback)
{ }

TextStreamDecoder TextStreamDecoder::windows1252(LineEnding fallback)
{
    TextStreamDecoder decoder(fallback);
    decoder.phase_ = Phase::Decoding;
    decoder.encoding_ = TextEncoding::Windows1252;
    return decoder;
}

QString TextStreamDecoder::decode(QByteArrayView bytes)
{
    if (restart_)
        return {};
    held_.append(bytes);
    if (phase_ == Phase::BeforeMark) {
        if (held_.size() < kMarkLength)
            return {};
        takeMark();
    }
    return decodeHeld(false);
}

QString TextStreamDecoder::finish()
{
    if (restart_)
        return {};
    if (phase_ == Phase::BeforeMark)
        takeMark();
    return decodeHeld(true);
}

void TextStreamDecoder::takeMark()
{
    if (const auto mark = TextCodec::markAt(held_)) {
        encoding_ = mark->encoding;
        held_.remove(0, mark->length);
    }
    phase_ = Phase::Decoding;
}

QString TextStreamDecoder::decodeHeld(bool atEnd)
{
    qsizetype used = atEnd ? held_.size() : completeLength();
    const QByteArrayView whole(held_.constData(), used);
    QString text;
    if (encoding_ == TextEncoding::Utf8) {
        bool invalid = false;
        text = TextCodec::decodeUnmarked(whole, TextEncoding::Utf8, &invalid);
        if (invalid) {
            if (nonAsciiHandedOut_) {
                restart_ = true;
                held_.clear();
                return {};
            }
            // Everything so far was ASCII, which Windows-1252 reads alike: go on from here.
            encoding_ = TextEncoding::Windows1252;
            used = held_.size();
            text = TextCodec::decodeWindows1252(held_);
        } else if (!nonAsciiHandedOut_) {
            nonAsciiHandedOut_ = hasNonAscii(whole);
        }
    } else {
        text = TextCodec::decodeUnmarked(whole, encoding_);
    }
    held_.remove(0, used);
    return normalise(std::move(text), atEnd);
}

QString TextStreamDecoder::normalise(QString text, bool atEnd)
{
    if (heldCr_) {
        text.prepend(u'\r');
        heldCr_ = false;
    }
    if (!atEnd && text.endsWith(u'\r')) {
        text.chop(1);
        heldCr_ = true;
    }
    breaks_.add(text);
    if (text.contains(u'\r'))
        text = TextCodec::normaliseLineBreaks(std::move(text));
    return text;
}

qsizetype TextStreamDecoder::completeLength() const
{
    const qsizetype size = held_.size();
    switch (encoding_) {
    case TextEncoding::Windows1252:
        return size;
    case TextEncoding::Utf8:
    case TextEncoding::Utf8Bom:
        // Back over continuation bytes to the last lead byte; keep its character back when it is cut.
        for (qsizetype i = size - 1; i >= 0 && i >= size - 4; --i) {
            const auto b = static_cast<unsigned char>(held_[i]);
            if ((b & 0xC0) == 0x80)
                continue;
            const qsizetype length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
            return i + length > size ? i : size;
        }
        return size;
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE: {
        // The last whole unit waits too: an odd byte at the end of the file then reads as it does in
        // TextCodec::decode, and a high surrogate meets its partner.
        qsizetype whole = (size & ~qsizetype(1)) - 2;
        if (whole >= 2) {
            const auto first = static_cast<unsigned char>(held_[whole - 2]);
            const auto second = static_cast<unsigned char>(held_[whole - 1]);
            const char16_t unit = encoding_ == TextEncoding::Utf16LE ? char16_t(second << 8 | first)
                                                                     : char16_t(first << 8 | second);
            if (unit >= 0xD800 && unit <= 0xDBFF)
                whole -= 2;
        }
        return std::max<qsizetype>(whole, 0);
    }
    }
    Q_UNREACHABLE();
    return size;
}
