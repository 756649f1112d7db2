#pragma once

#include <QByteArrayView>

// The control words the reader acts on; every other word is read and ignored.
enum class RtfKeyword {
    Unknown,
    SkippedDestination, // a destination whose content is never shown (pictures, headers, document info, ...)
    // document
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodePage,
    DefaultFont,
    // tables
    FontTable,
    FontCharset,
    FontCodePage,
    ColourTable,
    Red,
    Green,
    Blue,
    ListTable,
    List,
    ListLevel,
    ListLevelText,
    LevelNumbering,
    ListId,
    ListOverrideTable,
    ListOverride,
    // character formatting
    Plain,
    Font,
    FontSize,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Hidden,
    Colour,
    Background,
    Superscript,
    Subscript,
    NoSuperSub,
    Raise,
    Lower,
    // paragraph formatting
    ParagraphDefaults,
    AlignLeft,
    AlignCentre,
    AlignRight,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstLineIndent,
    SpaceBefore,
    SpaceAfter,
    PageBreakBefore,
    ListOverrideNumber,
    ListLevelNumber,
    PnDefinition,
    PnBullet,
    PnBody,
    PnLevel,
    PnDecimal,
    PnUpperRoman,
    PnLowerRoman,
    PnUpperLetter,
    PnLowerLetter,
    PnTextBefore,
    PnTextAfter,
    // breaks and characters
    Paragraph,
    Line,
    Tab,
    Page,
    Cell,
    Row,
    Unicode,
    UnicodeSkip,
    Character,
    // fields
    Field,
    FieldInstruction,
    FieldResult,
    // "\*\ud": the Unicode twin of an "\upr" group; its content is read like any other
    UnicodeAlternative,
};

struct RtfKeywordInfo {
    RtfKeyword keyword = RtfKeyword::Unknown;
    char16_t character = 0; // for RtfKeyword::Character: the character the word stands for
};

class RtfKeywords {
public:
    static RtfKeywordInfo find(QByteArrayView word);
};
