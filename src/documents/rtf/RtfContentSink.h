#pragma once

#include "documents/rtf/RtfParagraphStyle.h"
#include "documents/rtf/RtfPicture.h"
#include "documents/rtf/RtfTableRow.h"
#include "documents/rtf/RtfTextStyle.h"

#include <QStringView>

// What the parser produces, in reading order. Each paragraph begins once, before its content, saying
// whether it stands in a table cell; text arrives in runs of equal style; a paragraph's formatting is known
// only when it ends, as RTF states it in front of the "\par" that closes it. In a table, every cell ends
// after its last paragraph, and every row after its last cell with the row's definition.
class RtfContentSink {
public:
    virtual ~RtfContentSink() = default;

    virtual void beginParagraph(bool inTable) = 0;
    // Tabs arrive as '\t', line breaks inside a paragraph as U+2028.
    virtual void appendText(QStringView text, const RtfTextStyle &style) = 0;
    virtual void appendPicture(const RtfPicture &picture) = 0;
    // mark: the formatting of the paragraph mark, which gives an empty paragraph its height.
    virtual void endParagraph(const RtfParagraphStyle &paragraph, const RtfTextStyle &mark) = 0;
    virtual void endCell() = 0;
    virtual void endRow(const RtfTableRow &row) = 0;
};
