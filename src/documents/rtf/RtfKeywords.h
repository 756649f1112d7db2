#pragma once

#include "documents/rtf/RtfLoss.h"

#include <QByteArrayView>

// The control words the reader acts on; every other word is read and ignored.
enum class RtfKeyword {
    Unknown,
    SkippedDestination, // a destination whose content is never shown (headers, document info, ...)
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
    // pictures
    Picture,
    ShapePicture, // "\*\shppict": wraps the picture that readers of pictures show
    PicturePng,
    PictureJpeg,
    PictureWidth,
    PictureHeight,
    PictureGoalWidth,
    PictureGoalHeight,
    PictureScaleX,
    PictureScaleY,
    // objects and shapes: only their result is shown
    Object,
    ObjectResult,
    Shape,
    ShapeResult,
    // tables
    InTable,
    RowDefaults,
    RowLeft,
    CellRightEdge,
    CellMergeLeft,
    CellMergeAbove,
    NestedCell,
    NestedRow,
    // "\*\ud": the Unicode twin of an "\upr" group; its content is read like any other
    UnicodeAlternative,
};

struct RtfKeywordInfo {
    RtfKeyword keyword = RtfKeyword::Unknown;
    char16_t character = 0; // for RtfKeyword::Character: the character the word stands for
    RtfLosses loss = {}; // for RtfKeyword::SkippedDestination: what the document loses by skipping it
};

class RtfKeywords {
public:
    static RtfKeywordInfo find(QByteArrayView word);
};
