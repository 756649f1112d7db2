#pragma once

#include "documents/rtf/RtfFontCollector.h"

#include <QByteArray>
#include <QTextListFormat>

// The bullet glyphs word processors use, so each reader draws the same bullet: "·" in Symbol for a disc,
// "o" in Courier New for a circle, "§" in Wingdings for a square.
namespace RtfListGlyphs {

struct Glyph {
    const char *font;
    RtfFontCollector::Charset charset;
    char byte; // in the font's own charset
    const char *levelText; // as a list level spells it: the private-use character word processors write
};

inline bool isBullet(QTextListFormat::Style style)
{
    return style == QTextListFormat::ListDisc || style == QTextListFormat::ListCircle
        || style == QTextListFormat::ListSquare;
}

inline Glyph forStyle(QTextListFormat::Style style)
{
    switch (style) {
    case QTextListFormat::ListCircle:
        return { "Courier New", RtfFontCollector::Charset::Ansi, 'o', "o" };
    case QTextListFormat::ListSquare:
        return { "Wingdings", RtfFontCollector::Charset::Symbol, '\xA7', "\\u-3929 ?" };
    default:
        return { "Symbol", RtfFontCollector::Charset::Symbol, '\xB7', "\\u-3913 ?" };
    }
}

inline QByteArray byteText(char byte)
{
    return uchar(byte) < 0x80 ? QByteArray(1, byte) : "\\'" + QByteArray::number(uchar(byte), 16);
}

} // namespace RtfListGlyphs
