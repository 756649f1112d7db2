#pragma once

#include "documents/rtf/RtfParagraphStyle.h"
#include "documents/rtf/RtfTextStyle.h"

#include <QStringView>

// What the parser produces, in reading order. Text arrives in runs of equal style; a paragraph's formatting
// is known only when it ends, as RTF states it in front of the "\par" that closes it.
class RtfContentSink {
public:
    virtual ~RtfContentSink() = default;

    // Tabs arrive as '\t', line breaks inside a paragraph as U+2028.
    virtual void appendText(QStringView text, const RtfTextStyle &style) = 0;
    // mark: the formatting of the paragraph mark, which gives an empty paragraph its height.
    virtual void endParagraph(const RtfParagraphStyle &paragraph, const RtfTextStyle &mark) = 0;
};
