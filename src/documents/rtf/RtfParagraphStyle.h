#pragma once

#include "documents/rtf/RtfListItem.h"

// Paragraph formatting as the reader hands it on. Lengths are in twips (1/1440 inch), RTF's own unit.
struct RtfParagraphStyle {
    enum class Alignment { Left, Centre, Right, Justify };

    Alignment alignment = Alignment::Left;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstLineIndent = 0; // relative to the left indent; negative for a hanging indent
    int spaceBefore = 0;
    int spaceAfter = 0;
    bool pageBreakBefore = false;
    bool inTable = false;
    RtfListItem list;

    bool operator==(const RtfParagraphStyle &) const = default;
};
