#pragma once

#include "documents/rtf/RtfColourTable.h"
#include "documents/rtf/RtfFontTable.h"
#include "documents/rtf/RtfGroupState.h"
#include "documents/rtf/RtfListTable.h"

// Turns formatting as RTF states it, indices into the document's tables, into the styles a sink receives.
class RtfStyleResolver {
public:
    RtfStyleResolver(const RtfFontTable &fonts, const RtfColourTable &colours, const RtfListTable &lists)
        : m_fonts(fonts)
        , m_colours(colours)
        , m_lists(lists)
    { }

    RtfTextStyle text(const RtfCharacterState &character, int defaultFont) const;
    // pnRun tells separate lists in the older form apart: it changes at every paragraph outside one.
    RtfParagraphStyle paragraph(const RtfParagraphState &paragraph, int pnRun) const;

private:
    static RtfListItem pnListItem(const RtfParagraphState &paragraph, int pnRun);

    const RtfFontTable &m_fonts;
    const RtfColourTable &m_colours;
    const RtfListTable &m_lists;
};
