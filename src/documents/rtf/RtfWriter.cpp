#include "documents/rtf/RtfWriter.h"

#include "documents/rtf/RtfHyperlinkField.h"
#include "documents/rtf/RtfTextEncoder.h"
#include "documents/rtf/RtfUnits.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

namespace {

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

struct BulletGlyph {
    const char *font;
    RtfFontCollector::Charset charset;
    char byte;
};

// The glyphs word processors use, so each reader draws the same bullet.
BulletGlyph bulletGlyph(QTextListFormat::Style style)
{
    switch (style) {
    case QTextListFormat::ListCircle:
        return { "Courier New", RtfFontCollector::Charset::Ansi, 'o' };
    case QTextListFormat::ListSquare:
        return { "Wingdings", RtfFontCollector::Charset::Symbol, '\xA7' };
    default:
        return { "Symbol", RtfFontCollector::Charset::Symbol, '\xB7' };
    }
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

bool isBullet(QTextListFormat::Style style)
{
    return style == QTextListFormat::ListDisc || style == QTextListFormat::ListCircle
        || style == QTextListFormat::ListSquare;
}

QByteArray glyphText(char byte)
{
    return uchar(byte) < 0x80 ? QByteArray(1, byte) : "\\'" + QByteArray::number(uchar(byte), 16);
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
    bool pageBreakBefore = false;
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
        const QTextFormat::PageBreakFlags breaks = block.blockFormat().pageBreakPolicy();
        writeBlock(block, pageBreakBefore || (breaks & QTextFormat::PageBreak_AlwaysBefore));
        pageBreakBefore = breaks & QTextFormat::PageBreak_AlwaysAfter;
    }

    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n";
    rtf += m_fonts.table() + "\r\n";
    rtf += m_colours.table() + "\r\n";
    rtf += "{\\*\\generator Skrivora " SKRIVORA_VERSION ";}\r\n";
    rtf += m_body;
    rtf += "}\r\n";
    return rtf;
}

void RtfWriter::writeBlock(const QTextBlock &block, bool pageBreakBefore)
{
    writeParagraphFormat(block);
    if (pageBreakBefore)
        m_body += "\\page"; // at the start of the paragraph it moves the paragraph, and ends nothing
    if (const QTextList *list = block.textList())
        writeListMarker(block, *list);

    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QTextCharFormat format = fragment.charFormat();
        switchLink(format.isAnchor() ? format.anchorHref() : QString());
        m_body += '{';
        writeCharFormat(format);
        m_body += ' ';
        RtfTextEncoder::append(fragment.text(), m_body);
        m_body += '}';
    }
    switchLink({});

    // The paragraph mark carries the block's own character format, which sizes an empty paragraph. Every
    // paragraph, the last included, ends with "\par", as word processors write it.
    m_body += '{';
    writeCharFormat(block.charFormat());
    m_body += "\\par}\r\n";
}

void RtfWriter::writeParagraphFormat(const QTextBlock &block)
{
    const QTextBlockFormat format = block.blockFormat();
    m_body += "\\pard";
    const Qt::Alignment alignment = format.alignment();
    if (alignment & Qt::AlignHCenter)
        m_body += "\\qc";
    else if (alignment & (Qt::AlignRight | Qt::AlignTrailing))
        m_body += "\\qr";
    else if (alignment & Qt::AlignJustify)
        m_body += "\\qj";

    if (const QTextList *list = block.textList()) {
        // The bullet hangs in the indent of its level, a quarter inch wide.
        const int level = qMax(1, list->format().indent());
        m_body += "\\fi-360\\li"
            + number(level * RtfUnits::kListIndentTwips + RtfUnits::toTwips(format.leftMargin()));
    } else {
        appendLength(m_body, "\\fi", format.textIndent());
        appendLength(m_body, "\\li", format.leftMargin());
    }
    appendLength(m_body, "\\ri", format.rightMargin());
    appendLength(m_body, "\\sb", format.topMargin());
    appendLength(m_body, "\\sa", format.bottomMargin());
}

void RtfWriter::writeListMarker(const QTextBlock &block, const QTextList &list)
{
    const QTextListFormat format = list.format();
    if (isBullet(format.style())) {
        const BulletGlyph glyph = bulletGlyph(format.style());
        const QByteArray font = number(m_fonts.indexOf(QString::fromLatin1(glyph.font), glyph.charset));
        const QByteArray text = glyphText(glyph.byte);
        m_body += "{\\pntext\\f" + font + ' ' + text + "\\tab}{\\*\\pn\\pnlvlblt\\pnf" + font
            + "\\pnindent0{\\pntxtb " + text + "}}";
        return;
    }
    // "{\pntext}" holds the number as readers without list support show it.
    m_body += "{\\pntext\\f0 ";
    RtfTextEncoder::append(list.itemText(block), m_body);
    m_body += "\\tab}{\\*\\pn\\pnlvlbody\\pnf0\\pnindent0\\pnstart1";
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
