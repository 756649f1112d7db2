#include "documents/rtf/RtfTableBuilder.h"

#include "documents/rtf/RtfUnits.h"

#include <QTextCursor>
#include <QTextTable>

namespace {

// The width of a column no row defines: an inch.
constexpr int kDefaultColumnTwips = 1440;

// A column is at least a twip wide, as RTF's cell edges must follow each other, and at most a page wide,
// the rest being damage.
QTextLength fixedWidth(int twips)
{
    return QTextLength(
        QTextLength::FixedLength, RtfUnits::fromTwips(qBound(1, twips, RtfTableRow::kMaxCellTwips)));
}

QTextTableFormat tableFormat()
{
    QTextTableFormat format;
    // Every column has a width from the start: Qt gives a column it adds the width of the one before, so
    // every table has one width per column, as the writer writes them.
    format.setColumnWidthConstraints({ fixedWidth(kDefaultColumnTwips) });
    format.setBorder(1);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setCellPadding(4);
    return format;
}

} // namespace

void RtfTableBuilder::beginCellParagraph(QTextCursor &cursor)
{
    if (!m_table) {
        m_table = cursor.insertTable(1, 1, tableFormat());
        m_row = m_column = 0;
        m_cellBegun = m_rowEnded = false;
        m_widestRow = 0;
    }
    if (m_rowEnded) {
        m_table->appendRows(1);
        ++m_row;
        m_column = 0;
        m_rowEnded = false;
        m_cellBegun = false;
    }
    if (m_column >= m_table->columns())
        m_table->appendColumns(m_column - m_table->columns() + 1);

    const QTextTableCell cell = m_table->cellAt(m_row, m_column);
    if (!m_cellBegun) {
        cursor = cell.firstCursorPosition();
        m_cellBegun = true;
    } else {
        cursor = cell.lastCursorPosition();
        cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    }
}

void RtfTableBuilder::endCell()
{
    if (!m_table || m_rowEnded)
        return;
    // More cells than a row can have are damage; their text goes on in the last cell.
    if (m_column + 1 >= RtfTableRow::kMaxCells)
        return;
    ++m_column;
    m_cellBegun = false;
}

void RtfTableBuilder::endRow(const RtfTableRow &row)
{
    if (!m_table || m_rowEnded)
        return;
    applyWidths(row);
    applyMerges(row);
    m_rowEnded = true;
}

void RtfTableBuilder::applyWidths(const RtfTableRow &row)
{
    const qsizetype defined = qMin<qsizetype>(row.cells.size(), m_table->columns());
    if (defined <= m_widestRow)
        return;
    m_widestRow = defined;
    QTextTableFormat format = m_table->format();
    QList<QTextLength> widths = format.columnWidthConstraints();
    widths.resize(m_table->columns(), fixedWidth(kDefaultColumnTwips));
    int left = row.leftEdge;
    for (qsizetype column = 0; column < defined; ++column) {
        widths[column] = fixedWidth(row.cells[column].rightEdge - left);
        left = qMax(left, row.cells[column].rightEdge);
    }
    format.setColumnWidthConstraints(widths);
    m_table->setFormat(format);
}

void RtfTableBuilder::applyMerges(const RtfTableRow &row)
{
    const int cellsInRow = m_column;
    const qsizetype defined = qMin<qsizetype>(row.cells.size(), cellsInRow);
    for (int column = 1; column < defined; ++column) {
        if (row.cells[column].merge != RtfTableRow::Merge::IntoLeft)
            continue;
        const QTextTableCell left = m_table->cellAt(m_row, column - 1);
        if (left.row() == m_row)
            m_table->mergeCells(m_row, left.column(), 1, column - left.column() + 1);
    }
    for (int column = 0; column < defined && m_row > 0; ++column) {
        if (row.cells[column].merge != RtfTableRow::Merge::IntoAbove)
            continue;
        const QTextTableCell above = m_table->cellAt(m_row - 1, column);
        const QTextTableCell own = m_table->cellAt(m_row, column);
        if (above.column() == column && own.row() == m_row && above.columnSpan() == own.columnSpan())
            m_table->mergeCells(above.row(), column, m_row - above.row() + 1, above.columnSpan());
    }
    // A short row's last cell reaches to the table's right edge.
    if (cellsInRow > 0 && cellsInRow < m_table->columns()) {
        const QTextTableCell last = m_table->cellAt(m_row, cellsInRow - 1);
        if (last.row() == m_row && last.rowSpan() == 1)
            m_table->mergeCells(m_row, last.column(), 1, m_table->columns() - last.column());
    }
}

void RtfTableBuilder::close(QTextCursor &cursor)
{
    if (!m_table)
        return;
    cursor = m_table->lastCursorPosition();
    cursor.movePosition(QTextCursor::NextBlock);
    m_table = nullptr;
}
