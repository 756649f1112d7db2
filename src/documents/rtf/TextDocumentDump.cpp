#include "documents/rtf/TextDocumentDump.h"

#include "documents/rtf/RtfUnits.h"

#include <QJsonArray>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include <cmath>

namespace {

double points(qreal documentUnits)
{
    return std::round(documentUnits * RtfUnits::kPointsPerDocumentUnit * 100) / 100;
}

QString alignmentName(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignHCenter)
        return QStringLiteral("center");
    if (alignment & (Qt::AlignRight | Qt::AlignTrailing))
        return QStringLiteral("right");
    if (alignment & Qt::AlignJustify)
        return QStringLiteral("justify");
    return QStringLiteral("left");
}

QString listStyleName(QTextListFormat::Style style)
{
    switch (style) {
    case QTextListFormat::ListCircle:
        return QStringLiteral("circle");
    case QTextListFormat::ListSquare:
        return QStringLiteral("square");
    case QTextListFormat::ListDecimal:
        return QStringLiteral("decimal");
    case QTextListFormat::ListLowerAlpha:
        return QStringLiteral("lower-alpha");
    case QTextListFormat::ListUpperAlpha:
        return QStringLiteral("upper-alpha");
    case QTextListFormat::ListLowerRoman:
        return QStringLiteral("lower-roman");
    case QTextListFormat::ListUpperRoman:
        return QStringLiteral("upper-roman");
    default:
        return QStringLiteral("disc");
    }
}

QString positionName(QTextCharFormat::VerticalAlignment alignment)
{
    switch (alignment) {
    case QTextCharFormat::AlignSuperScript:
        return QStringLiteral("superscript");
    case QTextCharFormat::AlignSubScript:
        return QStringLiteral("subscript");
    default:
        return QStringLiteral("normal");
    }
}

QJsonValue colourName(const QBrush &brush)
{
    return brush.style() == Qt::NoBrush ? QJsonValue() : QJsonValue(brush.color().name());
}

QJsonObject runJson(const QTextFragment &fragment, const QFont &defaultFont)
{
    const QTextCharFormat format = fragment.charFormat();
    const QStringList families = format.fontFamilies().toStringList();
    const qreal size = format.fontPointSize() > 0 ? format.fontPointSize() : defaultFont.pointSizeF();
    return {
        { QStringLiteral("text"), fragment.text() },
        { QStringLiteral("bold"), format.fontWeight() > QFont::Medium },
        { QStringLiteral("italic"), format.fontItalic() },
        { QStringLiteral("underline"), format.fontUnderline() },
        { QStringLiteral("strike"), format.fontStrikeOut() },
        { QStringLiteral("font"), families.isEmpty() ? defaultFont.family() : families.first() },
        { QStringLiteral("size"), size },
        { QStringLiteral("position"), positionName(format.verticalAlignment()) },
        { QStringLiteral("colour"), colourName(format.foreground()) },
        { QStringLiteral("background"), colourName(format.background()) },
        { QStringLiteral("link"), format.isAnchor() ? QJsonValue(format.anchorHref()) : QJsonValue() },
    };
}

QJsonObject paragraphJson(const QTextBlock &block, const QFont &defaultFont)
{
    const QTextBlockFormat format = block.blockFormat();
    QJsonValue list;
    if (const QTextList *textList = block.textList()) {
        const QTextListFormat listFormat = textList->format();
        list = QJsonObject { { QStringLiteral("style"), listStyleName(listFormat.style()) },
            { QStringLiteral("level"), listFormat.indent() } };
    }
    QJsonArray runs;
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
        runs.append(runJson(fragment.fragment(), defaultFont));
    return {
        { QStringLiteral("alignment"), alignmentName(format.alignment()) },
        { QStringLiteral("leftIndent"), points(format.leftMargin()) },
        { QStringLiteral("rightIndent"), points(format.rightMargin()) },
        { QStringLiteral("firstLineIndent"), points(format.textIndent()) },
        { QStringLiteral("spaceBefore"), points(format.topMargin()) },
        { QStringLiteral("spaceAfter"), points(format.bottomMargin()) },
        { QStringLiteral("pageBreakBefore"),
            bool(format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) },
        { QStringLiteral("list"), list },
        { QStringLiteral("runs"), runs },
    };
}

} // namespace

QJsonObject TextDocumentDump::toJson(const QTextDocument &document)
{
    QJsonArray paragraphs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        paragraphs.append(paragraphJson(block, document.defaultFont()));
    return { { QStringLiteral("paragraphs"), paragraphs } };
}

QString TextDocumentDump::visibleText(const QTextDocument &document)
{
    QString text;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        text += block.text() + u'\n';
    return text;
}
