#include "documents/rtf/RtfStyleResolver.h"

#include "documents/rtf/RtfUnits.h"

RtfTextStyle RtfStyleResolver::text(const RtfCharacterState &character, int defaultFont) const
{
    RtfTextStyle style;
    const int fontIndex = character.font >= 0 ? character.font : defaultFont;
    if (const RtfFontTable::Font *font = m_fonts.font(fontIndex))
        style.fontFamily = font->name;
    style.pointSize = character.halfPoints / 2.0;
    style.bold = character.bold;
    style.italic = character.italic;
    style.underline = character.underline;
    style.strike = character.strike;
    style.position = character.position;
    style.colour = m_colours.colour(character.colour);
    if (character.background > 0)
        style.background = m_colours.colour(character.background); // "\highlight0" means none
    style.linkAddress = character.linkAddress;
    return style;
}

RtfParagraphStyle RtfStyleResolver::paragraph(const RtfParagraphState &paragraph, int pnRun) const
{
    RtfParagraphStyle style;
    style.alignment = paragraph.alignment;
    style.leftIndent = paragraph.leftIndent;
    style.rightIndent = paragraph.rightIndent;
    style.firstLineIndent = paragraph.firstLineIndent;
    style.spaceBefore = paragraph.spaceBefore;
    style.spaceAfter = paragraph.spaceAfter;
    style.inTable = paragraph.inTable;
    if (paragraph.listOverride > 0)
        style.list = m_lists.item(paragraph.listOverride, paragraph.listLevel);
    if (style.list.style == RtfListStyle::None)
        style.list = pnListItem(paragraph, pnRun);
    if (style.list.style != RtfListStyle::None) {
        // Each whole half inch of indent is a level (the older form states no level at all), so only indent
        // short of one more level is the paragraph's own: the same document always gives the same levels.
        const int levelByIndent = paragraph.leftIndent / RtfUnits::kListIndentTwips;
        style.list.level = qBound(1, qMax(style.list.level, levelByIndent), 9);
    }
    return style;
}

RtfListItem RtfStyleResolver::pnListItem(const RtfParagraphState &paragraph, int pnRun)
{
    const RtfPnState &pn = paragraph.pn;
    RtfListItem item;
    if (pn.kind == RtfPnState::Kind::None)
        return item;
    item.level = qMax(1, pn.level);
    if (pn.kind == RtfPnState::Kind::Bullet) {
        item.style = RtfListItem::bulletStyle(pn.textBefore);
    } else {
        item.style = pn.numbering;
        item.prefix = RtfListItem::markerText(pn.textBefore);
        item.suffix = RtfListItem::markerText(pn.textAfter);
    }
    item.identity = QStringLiteral("pn%1").arg(pnRun);
    return item;
}
