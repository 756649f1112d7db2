#include "documents/rtf/RtfDocumentBuilder.h"

#include "documents/rtf/RtfPictureResources.h"
#include "documents/rtf/RtfUnits.h"

#include <QTextDocument>
#include <QTextList>

namespace {

QTextListFormat::Style toListStyle(RtfListStyle style)
{
    switch (style) {
    case RtfListStyle::Circle:
        return QTextListFormat::ListCircle;
    case RtfListStyle::Square:
        return QTextListFormat::ListSquare;
    case RtfListStyle::Decimal:
        return QTextListFormat::ListDecimal;
    case RtfListStyle::LowerAlpha:
        return QTextListFormat::ListLowerAlpha;
    case RtfListStyle::UpperAlpha:
        return QTextListFormat::ListUpperAlpha;
    case RtfListStyle::LowerRoman:
        return QTextListFormat::ListLowerRoman;
    case RtfListStyle::UpperRoman:
        return QTextListFormat::ListUpperRoman;
    default:
        return QTextListFormat::ListDisc;
    }
}

Qt::Alignment toAlignment(RtfParagraphStyle::Alignment alignment)
{
    switch (alignment) {
    case RtfParagraphStyle::Alignment::Centre:
        return Qt::AlignHCenter;
    case RtfParagraphStyle::Alignment::Right:
        return Qt::AlignRight;
    case RtfParagraphStyle::Alignment::Justify:
        return Qt::AlignJustify;
    default:
        return Qt::AlignLeft;
    }
}

} // namespace

RtfDocumentBuilder::RtfDocumentBuilder(QTextDocument &document)
    : m_document(document)
    , m_cursor(&document)
    , m_lastFormat(toCharFormat(m_lastStyle))
{
    m_cursor.movePosition(QTextCursor::End);
}

void RtfDocumentBuilder::beginParagraph(bool inTable)
{
    if (inTable) {
        // A table goes right after the paragraph before it; the table builder finds the cell.
        m_table.beginCellParagraph(m_cursor);
        m_blockPending = false;
    } else if (m_table.isOpen()) {
        m_table.close(m_cursor); // into the paragraph Qt keeps after every table
        m_blockPending = false;
    } else if (m_blockPending) {
        m_cursor.insertBlock(QTextBlockFormat(), QTextCharFormat()); // plain, or it would join the list above
        m_blockPending = false;
    }
}

void RtfDocumentBuilder::appendText(QStringView text, const RtfTextStyle &style)
{
    m_cursor.insertText(text.toString(), charFormat(style));
}

void RtfDocumentBuilder::appendPicture(const RtfPicture &picture)
{
    m_cursor.insertImage(RtfPictureResources::add(m_document, picture));
}

void RtfDocumentBuilder::endCell()
{
    m_table.endCell();
}

void RtfDocumentBuilder::endRow(const RtfTableRow &row)
{
    m_table.endRow(row);
}

void RtfDocumentBuilder::endParagraph(const RtfParagraphStyle &paragraph, const RtfTextStyle &mark)
{
    m_cursor.setBlockFormat(toBlockFormat(paragraph));
    m_cursor.setBlockCharFormat(charFormat(mark));
    if (paragraph.list.style != RtfListStyle::None)
        joinList(paragraph.list);
    m_blockPending = true;
}

void RtfDocumentBuilder::joinList(const RtfListItem &item)
{
    // Qt revisits every item of a list each time one is added, so building one list of n items costs n²:
    // 20,000 bullets took 13 s. Bullets look the same in any number of lists, so they are split often;
    // numbered lists only when that long, where numbering then starts again.
    const int maxItems = item.isNumbered() ? 2000 : 100;
    // An item ends the lists below its level, so a sub-list after it numbers from the start again.
    int &deepest = m_deepestLevel[item.identity];
    for (int level = item.level + 1; level <= deepest; ++level) {
        for (int style = int(RtfListStyle::Disc); style <= int(RtfListStyle::UpperRoman); ++style)
            m_lists.remove(item.identity + u'/' + QString::number(level) + u'/' + QString::number(style));
    }
    deepest = item.level;
    const QString key
        = item.identity + u'/' + QString::number(item.level) + u'/' + QString::number(int(item.style));
    OpenList &open = m_lists[key];
    if (open.list && open.items < maxItems) {
        open.list->add(m_cursor.block());
        ++open.items;
        return;
    }
    QTextListFormat format;
    format.setStyle(toListStyle(item.style));
    format.setIndent(item.level);
    if (item.isNumbered()) {
        format.setNumberPrefix(item.prefix);
        format.setNumberSuffix(item.suffix);
    }
    open = { m_cursor.createList(format), 1 };
}

const QTextCharFormat &RtfDocumentBuilder::charFormat(const RtfTextStyle &style)
{
    if (!(style == m_lastStyle)) {
        m_lastStyle = style;
        m_lastFormat = toCharFormat(style);
    }
    return m_lastFormat;
}

QTextCharFormat RtfDocumentBuilder::toCharFormat(const RtfTextStyle &style)
{
    QTextCharFormat format;
    if (!style.fontFamily.isEmpty())
        format.setFontFamilies({ style.fontFamily });
    format.setFontPointSize(style.pointSize);
    if (style.bold)
        format.setFontWeight(QFont::Bold);
    if (style.italic)
        format.setFontItalic(true);
    if (style.underline)
        format.setFontUnderline(true);
    if (style.strike)
        format.setFontStrikeOut(true);
    if (style.position == RtfTextStyle::Position::Superscript)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (style.position == RtfTextStyle::Position::Subscript)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (style.colour)
        format.setForeground(QColor(*style.colour));
    if (style.background)
        format.setBackground(QColor(*style.background));
    if (!style.linkAddress.isEmpty()) {
        format.setAnchor(true);
        format.setAnchorHref(style.linkAddress);
    }
    return format;
}

QTextBlockFormat RtfDocumentBuilder::toBlockFormat(const RtfParagraphStyle &paragraph)
{
    QTextBlockFormat format;
    format.setAlignment(toAlignment(paragraph.alignment));
    if (paragraph.list.style != RtfListStyle::None) {
        // The list indents its items itself and hangs the bullet; only indent beyond that stays.
        const int beyondList = paragraph.leftIndent - paragraph.list.level * RtfUnits::kListIndentTwips;
        format.setLeftMargin(RtfUnits::fromTwips(qMax(0, beyondList)));
    } else {
        format.setLeftMargin(RtfUnits::fromTwips(qMax(0, paragraph.leftIndent)));
        format.setTextIndent(RtfUnits::fromTwips(paragraph.firstLineIndent));
    }
    format.setRightMargin(RtfUnits::fromTwips(qMax(0, paragraph.rightIndent))); // no text outside the page
    format.setTopMargin(RtfUnits::fromTwips(paragraph.spaceBefore));
    format.setBottomMargin(RtfUnits::fromTwips(paragraph.spaceAfter));
    if (paragraph.pageBreakBefore)
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    return format;
}
