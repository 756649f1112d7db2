#include "documents/rtf/TextDocumentDump.h"

#include "documents/rtf/RtfSurrogates.h"
#include "documents/rtf/RtfUnits.h"

#include <QJsonArray>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>

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

QJsonValue imageJson(const QTextCharFormat &format)
{
    if (!format.isImageFormat())
        return {};
    const QTextImageFormat image = format.toImageFormat();
    return QJsonObject { { QStringLiteral("width"), points(image.width()) },
        { QStringLiteral("height"), points(image.height()) } };
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
        { QStringLiteral("image"), imageJson(format) },
    };
}

QJsonObject tableJson(const QTextTable &table)
{
    QJsonArray widths;
    for (const QTextLength &width : table.format().columnWidthConstraints())
        widths.append(
            width.type() == QTextLength::FixedLength ? QJsonValue(points(width.rawValue())) : QJsonValue());
    QJsonArray spans;
    for (int row = 0; row < table.rows(); ++row) {
        for (int column = 0; column < table.columns(); ++column) {
            const QTextTableCell cell = table.cellAt(row, column);
            if (cell.row() == row && cell.column() == column && (cell.rowSpan() > 1 || cell.columnSpan() > 1))
                spans.append(QJsonObject { { QStringLiteral("row"), row },
                    { QStringLiteral("column"), column }, { QStringLiteral("rowSpan"), cell.rowSpan() },
                    { QStringLiteral("columnSpan"), cell.columnSpan() } });
        }
    }
    return { { QStringLiteral("rows"), table.rows() }, { QStringLiteral("columns"), table.columns() },
        { QStringLiteral("widths"), widths }, { QStringLiteral("cells"), spans } };
}

// The table a block stands in, directly or inside a cell's own table: the innermost.
QTextTable *tableOf(const QTextBlock &block)
{
    return QTextCursor(block).currentTable();
}

bool isTableArtefact(const QTextBlock &block)
{
    if (block.length() != 1 || block.textList() || tableOf(block))
        return false;
    const QTextDocument *document = block.document();
    const QTextBlock next = block.next();
    const QTextBlock previous = block.previous();
    return (block == document->begin() && next.isValid() && tableOf(next))
        || (block == document->lastBlock() && previous.isValid() && tableOf(previous));
}

QJsonObject paragraphJson(
    const QTextBlock &block, const QFont &defaultFont, const QList<QTextTable *> &tables)
{
    const QTextBlockFormat format = block.blockFormat();
    QJsonValue list;
    if (const QTextList *textList = block.textList()) {
        const QTextListFormat listFormat = textList->format();
        list = QJsonObject { { QStringLiteral("style"), listStyleName(listFormat.style()) },
            { QStringLiteral("level"), listFormat.indent() },
            { QStringLiteral("item"),
                listFormat.style() <= QTextListFormat::ListDecimal ? QJsonValue(textList->itemText(block))
                                                                   : QJsonValue() } };
    }
    QJsonValue cell;
    if (QTextTable *table = tableOf(block)) {
        const QTextTableCell tableCell = table->cellAt(block.position());
        cell = QJsonObject { { QStringLiteral("table"), tables.indexOf(table) },
            { QStringLiteral("row"), tableCell.row() }, { QStringLiteral("column"), tableCell.column() } };
    }
    // Runs as the user sees them: Qt splits text where formats differ in what shows no difference (a
    // font named after the default one, say), so neighbours that look the same are one run.
    QJsonArray runs;
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
        QJsonObject run = runJson(fragment.fragment(), defaultFont);
        if (!runs.isEmpty() && run.value(u"image").isNull()) {
            QJsonObject previous = runs.last().toObject();
            const QString text = previous.take(u"text").toString() + run.take(u"text").toString();
            if (previous == run) {
                previous.insert(u"text", text);
                runs[runs.size() - 1] = previous;
                continue;
            }
            run = runJson(fragment.fragment(), defaultFont);
        }
        runs.append(run);
    }
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
        { QStringLiteral("cell"), cell },
        { QStringLiteral("runs"), runs },
    };
}

} // namespace

QJsonObject TextDocumentDump::toJson(const QTextDocument &document)
{
    QList<QTextTable *> tables;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextTable *table = tableOf(block);
        if (table && !tables.contains(table))
            tables.append(table);
    }
    QJsonArray paragraphs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        paragraphs.append(paragraphJson(block, document.defaultFont(), tables));
    QJsonArray tablesJson;
    for (const QTextTable *table : tables)
        tablesJson.append(tableJson(*table));
    return { { QStringLiteral("paragraphs"), paragraphs }, { QStringLiteral("tables"), tablesJson } };
}

QString TextDocumentDump::visibleText(const QTextDocument &document)
{
    QString text;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (isTableArtefact(block))
            continue;
        const QString line = block.text();
        for (qsizetype i = 0; i < line.size(); ++i) {
            const QChar c = line[i];
            if (c == QChar::LineSeparator)
                text += u'\n';
            else if (c != QChar::ObjectReplacementCharacter
                && !(c.isSurrogate() && RtfSurrogates::isUnpaired(line, i)))
                text += c;
        }
        text += u'\n';
    }
    return text;
}
