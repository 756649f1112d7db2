#pragma once

#include "documents/rtf/RtfListItem.h"
#include "documents/rtf/RtfParagraphStyle.h"
#include "documents/rtf/RtfTextStyle.h"

#include <QString>

// Where the text of a group goes. Destinations whose content is never shown are skipped by the tokenizer
// and have no entry here.
enum class RtfDestination {
    Document, // shown text, also the result of a field
    Discarded, // text dropped, control words still read (a field's own level, the list tables)
    FontTable,
    ColourTable,
    ListTable,
    ListLevelText,
    ListOverrideTable,
    Field,
    FieldInstruction,
    PnDefinition, // the "\*\pn" group of a bullet or numbered paragraph in the older form
    PnTextBefore,
    PnTextAfter,
    Picture, // hex digits or "\bin" bytes of a picture
    Embedded, // an object or shape: only its result group is shown
};

// Character properties as RTF states them: indices into the font and colour tables.
struct RtfCharacterState {
    int font = -1; // -1: the document's default font ("\deff")
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    RtfTextStyle::Position position = RtfTextStyle::Position::Normal;
    int colour = 0; // 0: automatic
    int background = 0;
    QString linkAddress; // belongs to the enclosing field, so "\plain" keeps it
};

// The older bullet and numbering form, "{\*\pn ...}" written inside each paragraph.
struct RtfPnState {
    enum class Kind { None, Bullet, Numbered };
    Kind kind = Kind::None;
    int level = 0; // "\pnlvlN"; 0 when the level follows from the indent
    RtfListStyle numbering = RtfListStyle::Decimal;
    QString textBefore;
    QString textAfter;
};

struct RtfParagraphState {
    RtfParagraphStyle::Alignment alignment = RtfParagraphStyle::Alignment::Left;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstLineIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    bool pageBreakBefore = false;
    int listOverride = 0; // "\lsN"; 0: none
    int listLevel = 0; // "\ilvlN"
    bool inTable = false; // "\intbl"
    RtfPnState pn;
};

struct RtfGroupState {
    RtfDestination destination = RtfDestination::Document;
    RtfCharacterState character;
    RtfParagraphState paragraph;
    int unicodeSkip = 1; // "\ucN": fallback characters that follow each "\uN"
    bool opensField = false;
    bool opensPicture = false;
};
