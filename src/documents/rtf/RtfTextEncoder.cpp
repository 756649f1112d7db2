#include "documents/rtf/RtfTextEncoder.h"

#include "documents/rtf/RtfSurrogates.h"
#include "platform/TextCodec.h"

#include <QHash>

namespace {

// Windows-1252 bytes from 0x80 to 0x9F by character, taken from the program's own code page table.
const QHash<char16_t, char> &windows1252HighBytes()
{
    static const QHash<char16_t, char> bytes = [] {
        QHash<char16_t, char> table;
        for (int byte = 0x80; byte < 0xA0; ++byte) {
            const char b = char(byte);
            table.insert(TextCodec::decodeWindows1252(QByteArrayView(&b, 1)).at(0).unicode(), b);
        }
        return table;
    }();
    return bytes;
}

void appendHex(char byte, QByteArray &rtf)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    const auto b = uchar(byte);
    rtf += "\\'";
    rtf += kDigits[b >> 4];
    rtf += kDigits[b & 0xF];
}

// The character a reader without Unicode shows: the base letter of an accented one where it is plain ASCII.
char fallbackFor(QChar c)
{
    const QString decomposed = c.decomposition();
    if (!decomposed.isEmpty() && decomposed[0].unicode() > 0x20 && decomposed[0].unicode() < 0x7F
        && decomposed[0] != u'\\' && decomposed[0] != u'{' && decomposed[0] != u'}')
        return char(decomposed[0].unicode());
    return '?';
}

} // namespace

void RtfTextEncoder::append(QStringView text, QByteArray &rtf)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const char16_t code = c.unicode();
        if (c.isSurrogate() && RtfSurrogates::isUnpaired(text, i))
            continue;
        switch (code) {
        case u'\\':
            rtf += "\\\\";
            continue;
        case u'{':
            rtf += "\\{";
            continue;
        case u'}':
            rtf += "\\}";
            continue;
        case u'\t':
            rtf += "\\tab ";
            continue;
        case u'\u2028':
            rtf += "\\line ";
            continue;
        case u'\u00A0':
            rtf += "\\~";
            continue;
        case u'\u00AD':
            rtf += "\\-";
            continue;
        case u'\u2011':
            rtf += "\\_";
            continue;
        default:
            break;
        }
        if (code < 0x20 || code == 0xFFFC || code == 0x2029)
            continue; // control characters and embedded objects have no text to write
        if (code < 0x80) {
            rtf += char(code);
        } else if (code <= 0xFF && code >= 0xA0) {
            appendHex(char(code), rtf);
        } else if (const auto high = windows1252HighBytes().constFind(code);
                   high != windows1252HighBytes().cend()) {
            appendHex(*high, rtf);
        } else {
            const char fallback = fallbackFor(c);
            rtf += "\\u";
            rtf += QByteArray::number(qint16(code)); // RTF numbers are signed 16-bit
            if (fallback >= '0' && fallback <= '9')
                rtf += ' '; // a digit would run on into the number
            rtf += fallback;
        }
    }
}
