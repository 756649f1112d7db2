#include "documents/rtf/RtfWriter.h"

#include "documents/rtf/RtfHyperlinkField.h"
#include "documents/rtf/RtfListGlyphs.h"
#include "documents/rtf/RtfPictureResources.h"
#include "documents/rtf/RtfTextEncoder.h"
#include "documents/rtf/RtfUnits.h"

#include <QBuffer>
#include <QImage>
#include <QPixmap>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

#include <utility>

namespace {

// The width tables get when nothing says otherwise: a page's text width, 6.5 inches.
constexpr int kTextWidthTwips = 9360;
// Thin borders around every cell, as the table is shown.
constexpr char kCellBorders[]
    = "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10";

QByteArray number(int value)
{
    return QByteArray::number(value);
}

void appendLength(QByteArray &rtf, const char *word, qreal documentUnits)
{
    const int twips = RtfUnits::toTwips(documentUnits);
    if (twips != 0)
        rtf += word + number(twips);
}

const char *pnNumbering(QTextListFormat::Style style)
{
    switch (style) {
    case QTextListFormat::ListLowerAlpha:
        return "\\pnlcltr";
    case QTextListFormat::ListUpperAlpha:
        return "\\pnucltr";
    case QTextListFormat::ListLowerRoman:
        return "\\pnlcrm";
    case QTextListFormat::ListUpperRoman:
        return "\\pnucrm";
    default:
        return "\\pndec";
    }
}

// The right edge of each column in twips, from the table's width constraints.
QList<int> columnRightEdges(const QTextTable &table)
{
    const QList<QTextLength> constraints = table.format().columnWidthConstraints();
    const int columns = table.columns();
    QList<int> edges;
    int right = 0;
    for (int column = 0; column < columns; ++column) {
        const QTextLength length = constraints.value(column);
        int width = kTextWidthTwips / columns;
        if (length.type() == QTextLength::FixedLength)
            width = RtfUnits::toTwips(length.rawValue());
        else if (length.type() == QTextLength::PercentageLength)
            width = int(length.rawValue() * kTextWidthTwips / 100);
        right += qMax(1, width);
        edges.append(right);
    }
    return edges;
}

// Qt keeps an empty paragraph in front of a table that opens the document; it is no paragraph of the
// user's, and other word processors would show it as one.
bool isTableArtefact(const QTextBlock &first, QTextFrame::iterator at)
{
    ++at;
    return first.length() == 1 && !first.textList() && first.blockFormat() == QTextBlockFormat()
        && first.charFormat() == QTextCharFormat() && !at.atEnd()
        && qobject_cast<const QTextTable *>(at.currentFrame());
}

QImage imageOf(const QVariant &resource)
{
    switch (resource.typeId()) {
    case QMetaType::QImage:
        return resource.value<QImage>();
    case QMetaType::QPixmap:
        return resource.value<QPixmap>().toImage();
    case QMetaType::QByteArray:
        return QImage::fromData(resource.toByteArray());
    default:
        return {};
    }
}

} // namespace

QByteArray RtfWriter::write(const QTextDocument &document)
{
    return RtfWriter(document).document();
}

RtfWriter::RtfWriter(const QTextDocument &document)
    : m_document(document)
{
    m_fonts.indexOf(document.defaultFont().family()); // "\deff0"
}

QByteArray RtfWriter::document()
{
    writeFrame(*m_document.rootFrame());

    // The list table may add bullet fonts, so it is made before the font table is written.
    const QByteArray lists
        = m_lists.isEmpty() ? QByteArray() : m_lists.listTable(m_fonts) + m_lists.overrideTable();
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n";
    rtf += m_fonts.table() + "\r\n";
    rtf += m_colours.table() + "\r\n";
    rtf += lists;
    rtf += "{\\*\\generator Skrivora " SKRIVORA_VERSION ";}\r\n";
    rtf += m_body;
    rtf += "}\r\n";
    return rtf;
}

void RtfWriter::writeFrame(const QTextFrame &frame)
{
    for (auto it = frame.begin(); !it.atEnd(); ++it) {
        if (const QTextFrame *child = it.currentFrame()) {
            if (const auto *table = qobject_cast<const QTextTable *>(child))
                writeTable(*table);
            else
                writeFrame(*child);
            continue;
        }
        const QTextBlock block = it.currentBlock();
        if (block == m_document.begin() && isTableArtefact(block, it))
            continue;
        writeBlock(block, false, Ending::Paragraph);
    }
}

void RtfWriter::writeTable(const QTextTable &table)
{
    const QList<int> rightEdges = columnRightEdges(table);
    for (int row = 0; row < table.rows(); ++row) {
        writeRowDefinition(table, row, rightEdges);
        for (int column = 0; column < table.columns(); ++column) {
            const QTextTableCell cell = table.cellAt(row, column);
            if (cell.row() != row || cell.column() != column) {
                m_body += "\\pard\\intbl\\cell\r\n"; // covered by a merged cell
                continue;
            }
            // A table inside this cell gives its paragraphs to the cell.
            const QTextBlock last = cell.lastCursorPosition().block();
            for (QTextBlock block = cell.firstCursorPosition().block(); block.isValid();
                 block = block.next()) {
                const bool isLast = block == last;
                writeBlock(block, true, isLast ? Ending::Cell : Ending::Paragraph);
                if (isLast)
                    break;
            }
        }
        m_body += "\\row\r\n";
    }
}

void RtfWriter::writeRowDefinition(const QTextTable &table, int row, const QList<int> &rightEdges)
{
    m_body += "\\trowd\\trgaph70\\trleft0";
    for (int column = 0; column < table.columns(); ++column) {
        const QTextTableCell cell = table.cellAt(row, column);
        if (cell.column() != column) {
            m_body += "\\clmrg";
        } else if (cell.row() != row) {
            m_body += "\\clvmrg";
        } else {
            if (cell.columnSpan() > 1)
                m_body += "\\clmgf";
            if (cell.rowSpan() > 1)
                m_body += "\\clvmgf";
        }
        m_body += kCellBorders;
        m_body += "\\cellx" + number(rightEdges[column]);
    }
    m_body += "\r\n";
}

void RtfWriter::writeBlock(const QTextBlock &block, bool inTable, Ending ending)
{
    const std::optional<RtfListCollector::Placement> placement = m_lists.place(block);
    const QTextFormat::PageBreakFlags breaks = block.blockFormat().pageBreakPolicy();
    const bool pageBreakBefore
        = std::exchange(m_pageBreakPending, false) || (breaks & QTextFormat::PageBreak_AlwaysBefore);
    m_pageBreakPending = breaks & QTextFormat::PageBreak_AlwaysAfter;

    writeParagraphFormat(block, inTable, placement);
    // At the start of a paragraph "\page" moves the paragraph and ends nothing; in a table it would end
    // the row, so there the paragraph says it itself.
    if (pageBreakBefore)
        m_body += inTable ? "\\pagebb" : "\\page";
    if (const QTextList *list = block.textList())
        writeListText(block, *list);

    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QTextCharFormat format = fragment.charFormat();
        switchLink(format.isAnchor() ? format.anchorHref() : QString());
        if (format.isImageFormat()) {
            for (qsizetype i = 0; i < fragment.text().size(); ++i)
                writePicture(format.toImageFormat());
            continue;
        }
        m_body += '{';
        writeCharFormat(format);
        m_body += ' ';
        RtfTextEncoder::append(fragment.text(), m_body);
        m_body += '}';
    }
    switchLink({});

    // The paragraph mark carries the block's own character format, which sizes an empty paragraph. Every
    // paragraph, the last included, ends with "\par", as word processors write it; the last of a table
    // cell ends with "\cell" instead.
    m_body += '{';
    writeCharFormat(block.charFormat());
    m_body += ending == Ending::Cell ? "\\cell}\r\n" : "\\par}\r\n";
}

void RtfWriter::writeParagraphFormat(
    const QTextBlock &block, bool inTable, const std::optional<RtfListCollector::Placement> &placement)
{
    const QTextBlockFormat format = block.blockFormat();
    m_body += "\\pard";
    if (inTable)
        m_body += "\\intbl";
    const Qt::Alignment alignment = format.alignment();
    if (alignment & Qt::AlignHCenter)
        m_body += "\\qc";
    else if (alignment & (Qt::AlignRight | Qt::AlignTrailing))
        m_body += "\\qr";
    else if (alignment & Qt::AlignJustify)
        m_body += "\\qj";

    if (placement) {
        // The older form goes first: one word processor lets whichever form comes last decide, and the list
        // table says more (levels, which list).
        writePnFallback(*block.textList());
        // The bullet hangs in the indent of its level, a quarter inch wide.
        m_body += "\\ls" + number(placement->override) + "\\ilvl" + number(placement->level);
        m_body += "\\fi-360\\li"
            + number(
                (placement->level + 1) * RtfUnits::kListIndentTwips + RtfUnits::toTwips(format.leftMargin()));
    } else {
        appendLength(m_body, "\\fi", format.textIndent());
        appendLength(m_body, "\\li", format.leftMargin());
    }
    appendLength(m_body, "\\ri", format.rightMargin());
    appendLength(m_body, "\\sb", format.topMargin());
    appendLength(m_body, "\\sa", format.bottomMargin());
}

void RtfWriter::writeListText(const QTextBlock &block, const QTextList &list)
{
    // The marker as text, for readers without lists.
    const QTextListFormat format = list.format();
    if (RtfListGlyphs::isBullet(format.style())) {
        const RtfListGlyphs::Glyph glyph = RtfListGlyphs::forStyle(format.style());
        m_body += "{\\listtext\\f" + number(m_fonts.indexOf(QString::fromLatin1(glyph.font), glyph.charset))
            + ' ' + RtfListGlyphs::byteText(glyph.byte) + "\\tab}";
        return;
    }
    m_body += "{\\listtext\\f0 ";
    RtfTextEncoder::append(list.itemText(block), m_body);
    m_body += "\\tab}";
}

void RtfWriter::writePnFallback(const QTextList &list)
{
    const QTextListFormat format = list.format();
    if (RtfListGlyphs::isBullet(format.style())) {
        const RtfListGlyphs::Glyph glyph = RtfListGlyphs::forStyle(format.style());
        m_body += "{\\*\\pn\\pnlvlblt\\pnf"
            + number(m_fonts.indexOf(QString::fromLatin1(glyph.font), glyph.charset))
            + "\\pnindent0{\\pntxtb " + RtfListGlyphs::byteText(glyph.byte) + "}}";
        return;
    }
    m_body += "{\\*\\pn\\pnlvlbody\\pnf0\\pnindent0\\pnstart1";
    m_body += pnNumbering(format.style());
    // Qt puts a "." after the number when the list says nothing else.
    const QString suffix
        = format.hasProperty(QTextFormat::ListNumberSuffix) ? format.numberSuffix() : u"."_qs;
    m_body += "{\\pntxtb ";
    RtfTextEncoder::append(format.numberPrefix(), m_body);
    m_body += "}{\\pntxta ";
    RtfTextEncoder::append(suffix, m_body);
    m_body += "}}";
}

void RtfWriter::writePicture(const QTextImageFormat &format)
{
    const RtfPictureResources::Stored stored = RtfPictureResources::find(m_document, format.name());
    if (stored.kind == RtfPictureResources::Stored::Kind::RtfGroup) {
        m_body += stored.bytes; // a format that cannot be shown goes back as it came
        return;
    }
    QByteArray bytes = stored.bytes;
    QSize pixels = stored.pixels;
    const char *blip = stored.kind == RtfPictureResources::Stored::Kind::Jpeg ? "\\jpegblip" : "\\pngblip";
    if (stored.kind == RtfPictureResources::Stored::Kind::None) {
        // Pasted or inserted, not read: written as PNG from the image itself.
        const QImage image = imageOf(m_document.resource(QTextDocument::ImageResource, QUrl(format.name())));
        if (image.isNull())
            return; // a picture whose image is gone has nothing to write
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        pixels = image.size();
    }
    // The size shown; a picture given only a width or a height keeps its proportions.
    qreal width = format.width();
    qreal height = format.height();
    if (width <= 0 && height <= 0) {
        width = pixels.width();
        height = pixels.height();
    } else if (width <= 0) {
        width = pixels.height() > 0 ? height * pixels.width() / pixels.height() : height;
    } else if (height <= 0) {
        height = pixels.width() > 0 ? width * pixels.height() / pixels.width() : width;
    }
    m_body += "{\\*\\shppict{\\pict";
    m_body += blip;
    m_body += "\\picw" + number(pixels.width()) + "\\pich" + number(pixels.height()) + "\\picwgoal"
        + number(RtfUnits::toTwips(width)) + "\\pichgoal" + number(RtfUnits::toTwips(height)) + "\r\n";
    const QByteArray hex = bytes.toHex();
    for (qsizetype line = 0; line < hex.size(); line += 128)
        m_body += hex.mid(line, 128) + "\r\n";
    m_body += "}}";
}

void RtfWriter::writeCharFormat(const QTextCharFormat &format)
{
    m_body += "\\f" + number(m_fonts.indexOf(fontFamily(format))) + "\\fs" + number(halfPoints(format));
    if (format.fontWeight() > QFont::Medium)
        m_body += "\\b";
    if (format.fontItalic())
        m_body += "\\i";
    if (format.fontUnderline())
        m_body += "\\ul";
    if (format.fontStrikeOut())
        m_body += "\\strike";
    if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        m_body += "\\super";
    else if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
        m_body += "\\sub";
    if (format.foreground().style() != Qt::NoBrush)
        m_body += "\\cf" + number(m_colours.indexOf(format.foreground().color().rgb()));
    if (format.background().style() != Qt::NoBrush)
        m_body += "\\highlight" + number(m_colours.indexOf(format.background().color().rgb()));
}

void RtfWriter::switchLink(const QString &address)
{
    if (address == m_openLink)
        return;
    if (!m_openLink.isEmpty())
        m_body += "}}";
    m_openLink = address;
    if (address.isEmpty())
        return;
    m_body += "{\\field{\\*\\fldinst{";
    RtfTextEncoder::append(RtfHyperlinkField::instruction(address), m_body);
    m_body += "}}{\\fldrslt";
}

QString RtfWriter::fontFamily(const QTextCharFormat &format) const
{
    const QStringList families = format.fontFamilies().toStringList();
    if (!families.isEmpty() && !families.first().isEmpty())
        return families.first();
    return m_document.defaultFont().family();
}

int RtfWriter::halfPoints(const QTextCharFormat &format) const
{
    qreal points = format.fontPointSize();
    if (points <= 0 && format.hasProperty(QTextFormat::FontPixelSize))
        points = format.intProperty(QTextFormat::FontPixelSize) * RtfUnits::kPointsPerDocumentUnit;
    if (points <= 0)
        points = m_document.defaultFont().pointSizeF();
    if (points <= 0)
        points = 12;
    return qMax(2, qRound(points * 2));
}
