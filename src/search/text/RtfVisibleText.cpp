#include "search/text/RtfVisibleText.h"

#include "documents/rtf/RtfDocumentBuilder.h"
#include "documents/rtf/RtfParser.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>

#include <algorithm>

namespace {

// QTextDocument's own indent width, by which a list moves its items in.
constexpr qreal kIndentWidth = 40;

} // namespace

std::optional<RtfVisibleText> RtfVisibleText::read(QByteArrayView rtf)
{
    RtfVisibleText visible;
    // Text is mostly shorter than its RTF; a paragraph or run takes a few dozen bytes at the least.
    visible.text_.reserve(rtf.size());
    visible.runs_.reserve(rtf.size() / 64);
    visible.blocks_.reserve(rtf.size() / 64);
    RtfParser parser(visible);
    if (parser.parse(rtf) != RtfParser::Outcome::Finished || visible.needsDocument_)
        return std::nullopt;
    return visible;
}

void RtfVisibleText::beginParagraph(bool inTable)
{
    if (inTable) {
        needsDocument_ = true;
    } else if (blockPending_) {
        text_ += QChar::ParagraphSeparator;
        blocks_.append({ text_.size(), runs_.size() });
        blockPending_ = false;
    }
}

void RtfVisibleText::appendText(QStringView text, const RtfTextStyle &style)
{
    if (styles_.isEmpty() || !(styles_.last() == style))
        styles_.append(style);
    runs_.append({ text_.size(), text.size(), styles_.size() - 1 });
    text_ += text;
}

void RtfVisibleText::appendPicture(const RtfPicture &)
{
    needsDocument_ = true;
}

void RtfVisibleText::endParagraph(const RtfParagraphStyle &paragraph, const RtfTextStyle &)
{
    if (paragraphStyles_.isEmpty() || !(paragraphStyles_.last() == paragraph))
        paragraphStyles_.append(paragraph);
    blocks_.last().style = paragraphStyles_.size() - 1;
    blockPending_ = true;
}

void RtfVisibleText::endCell()
{
    needsDocument_ = true;
}

void RtfVisibleText::endRow(const RtfTableRow &)
{
    needsDocument_ = true;
}

HitLineLayout::Paragraph RtfVisibleText::paragraphAt(qsizetype position, qsizetype *start) const
{
    const auto after = std::upper_bound(blocks_.begin(), blocks_.end(), position,
        [](qsizetype p, const Block &block) { return p < block.start; });
    const Block &block = *std::prev(after);
    const qsizetype end = after == blocks_.end() ? text_.size() : after->start - 1;
    const qsizetype endRun = after == blocks_.end() ? runs_.size() : after->firstRun;
    *start = block.start;

    HitLineLayout::Paragraph paragraph(text_.mid(block.start, end - block.start));
    // The document joins neighbouring runs of one format into one fragment; so does this.
    qsizetype lastStyle = -1;
    QTextCharFormat format;
    for (qsizetype r = block.firstRun; r < endRun; ++r) {
        const Run &run = runs_[r];
        if (run.style != lastStyle) {
            lastStyle = run.style;
            format = RtfDocumentBuilder::toCharFormat(styles_[run.style]);
        }
        if (!paragraph.formats.isEmpty() && paragraph.formats.last().format == format)
            paragraph.formats.last().length += int(run.length);
        else
            paragraph.formats.append({ int(run.start - block.start), int(run.length), format });
    }
    if (block.style >= 0) {
        const RtfParagraphStyle &style = paragraphStyles_[block.style];
        const QTextBlockFormat blockFormat = RtfDocumentBuilder::toBlockFormat(style);
        paragraph.leftMargin = blockFormat.leftMargin();
        if (style.list.style != RtfListStyle::None)
            paragraph.leftMargin += style.list.level * kIndentWidth;
        paragraph.rightMargin = blockFormat.rightMargin();
        paragraph.firstLineIndent = blockFormat.textIndent();
    }
    return paragraph;
}
