#pragma once

#include "documents/rtf/RtfTableRow.h"

class QTextCursor;
class QTextTable;

// Builds a QTextTable from RTF's rows as they arrive: the table, a row or a column is added when content
// first needs it, so the shape need not be known in advance. Column widths come from the row with the
// most cells; a row with fewer cells than the table spans its last cell over the rest, as it looks in a
// word processor.
class RtfTableBuilder {
public:
    bool isOpen() const { return m_table; }

    // Puts the cursor where the next paragraph of the current cell goes, opening the table (at the
    // cursor), a row or a column as needed.
    void beginCellParagraph(QTextCursor &cursor);
    void endCell();
    void endRow(const RtfTableRow &row);
    // Puts the cursor in the paragraph after the table, which Qt keeps there, and forgets the table.
    void close(QTextCursor &cursor);

private:
    void applyWidths(const RtfTableRow &row);
    void applyMerges(const RtfTableRow &row);

    QTextTable *m_table = nullptr; // owned by the document
    int m_row = 0;
    int m_column = 0;
    bool m_cellBegun = false; // the current cell has a paragraph already
    bool m_rowEnded = false; // the next cell starts a new row
    qsizetype m_widestRow = 0;
};
