#pragma once

#include <QString>

enum class RtfListStyle {
    None,
    Disc,
    Circle,
    Square,
    Decimal,
    LowerAlpha,
    UpperAlpha,
    LowerRoman,
    UpperRoman
};

// A paragraph's place in a bulleted or numbered list. Paragraphs with the same identity and level belong
// to one list, so numbering runs on across them.
struct RtfListItem {
    RtfListStyle style = RtfListStyle::None;
    int level = 1; // 1 for the outermost level
    QString prefix; // text before and after the number of a numbered item
    QString suffix;
    QString identity;

    bool isNumbered() const { return style >= RtfListStyle::Decimal; }
    bool operator==(const RtfListItem &) const = default;

    // The text around a number as a file can hold it: control characters and embedded objects have no
    // text a writer could put back, so a damaged file's are dropped here already.
    static QString markerText(QStringView text)
    {
        QString clean;
        for (const QChar c : text) {
            const char16_t code = c.unicode();
            if ((code >= 0x20 || code == u'\t') && code != 0xFFFC && code != 0x2029)
                clean += c;
        }
        return clean;
    }

    // Word processors draw bullets with a symbol font: "·" (0xB7) in Symbol is a disc, "o" in Courier New a
    // circle, "§" (0xA7) in Wingdings a square; private-use U+F0xx is the same symbol written as Unicode.
    static RtfListStyle bulletStyle(QStringView glyph)
    {
        for (const QChar c : glyph) {
            const char16_t code
                = c.unicode() >= 0xF000 && c.unicode() <= 0xF0FF ? c.unicode() - 0xF000 : c.unicode();
            if (code == u'o' || code == u'\u25CB' || code == u'\u25E6')
                return RtfListStyle::Circle;
            if (code == 0xA7 || code == u'\u25A0' || code == u'\u25AA')
                return RtfListStyle::Square;
            if (code > u' ')
                return RtfListStyle::Disc;
        }
        return RtfListStyle::Disc;
    }
};
