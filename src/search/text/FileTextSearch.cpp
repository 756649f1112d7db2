#include "search/text/FileTextSearch.h"

#include "documents/find/TextFinder.h"
#include "documents/rtf/RichTextLoader.h"
#include "documents/rtf/RtfReader.h"
#include "platform/TextCodec.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include <memory>

namespace {

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r';
}

// Plain text decoded by the rules every document follows, with its line breaks left as they are: a
// needle without line breaks finds the same occurrences either way, and skipping the rewrite saves a
// pass over every file.
QString decodedText(QByteArrayView bytes)
{
    if (const auto mark = TextCodec::markAt(bytes))
        return TextCodec::decodeUnmarked(bytes.sliced(mark->length), mark->encoding);
    bool invalid = false;
    QString text = TextCodec::decodeUnmarked(bytes, TextEncoding::Utf8, &invalid);
    return invalid ? TextCodec::decodeWindows1252(bytes) : text;
}

// Positions in text whose CR LF pairs each count as one character, asked in ascending order.
class CrLfCounter {
public:
    explicit CrLfCounter(QStringView text)
        : text_(text)
    { }

    qsizetype positionOf(qsizetype rawPosition)
    {
        while (scanned_ < rawPosition) {
            const qsizetype cr = text_.indexOf(u'\r', scanned_);
            if (cr < 0 || cr >= rawPosition) {
                scanned_ = cr < 0 ? text_.size() : rawPosition;
                break;
            }
            if (cr + 1 < rawPosition && text_[cr + 1] == u'\n')
                ++pairs_;
            scanned_ = cr + 1;
        }
        return rawPosition - pairs_;
    }

private:
    QStringView text_;
    qsizetype scanned_ = 0;
    qsizetype pairs_ = 0;
};

HitLineLayout::Paragraph paragraphOf(const QTextBlock &block)
{
    HitLineLayout::Paragraph paragraph(block.text());
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        paragraph.formats.append(
            { fragment.position() - block.position(), fragment.length(), fragment.charFormat() });
    }
    const QTextBlockFormat format = block.blockFormat();
    paragraph.leftMargin = format.leftMargin();
    if (const QTextList *list = block.textList())
        paragraph.leftMargin += list->format().indent() * block.document()->indentWidth();
    paragraph.rightMargin = format.rightMargin();
    paragraph.firstLineIndent = format.textIndent();
    return paragraph;
}

} // namespace

FileTextSearch::FileTextSearch(const QString &needle, TextFinder::Options options, HitLineStyle style)
    : finder_(needle, options)
    , needleHasLineBreak_(needle.contains(u'\n') || needle.contains(u'\r'))
    , style_(std::move(style))
{ }

FileTextSearch::Outcome FileTextSearch::search(const QString &path, QByteArrayView bytes) const
{
    Outcome outcome;
    if (RtfReader::isRtf(bytes))
        outcome.rows = richRows(path, bytes, &outcome.failure);
    else
        outcome.rows = plainRows(path, decodedText(bytes));
    return outcome;
}

QList<TextSearchRow> FileTextSearch::plainRows(const QString &path, QString text) const
{
    // The editor holds every line break as one '\n'; a needle that holds one must meet them so.
    if (needleHasLineBreak_)
        text = TextCodec::normaliseLineBreaks(std::move(text));
    QList<TextSearchRow> rows;
    const qsizetype length = finder_.needleLength();
    CrLfCounter positions(text);
    std::unique_ptr<HitLineLayout> lines;
    // The paragraph of the last hit: from its first character to the line break that ends it (or the
    // end of the text), both included.
    qsizetype paragraphStart = 0;
    qsizetype paragraphEnd = -1;
    for (qsizetype hit = length > 0 ? finder_.findForward(text) : -1; hit >= 0;
         hit = finder_.findForward(text, hit + length)) {
        if (hit > paragraphEnd) {
            qsizetype start = hit;
            while (start > paragraphEnd + 1 && !isLineBreak(text[start - 1]))
                --start;
            qsizetype end = hit;
            while (end < text.size() && !isLineBreak(text[end]))
                ++end;
            paragraphStart = start;
            paragraphEnd = end;
            lines = std::make_unique<HitLineLayout>(
                HitLineLayout::Paragraph(text.mid(start, end - start)), style_);
        }
        rows.append({ path, positions.positionOf(hit), lines->lineAt(hit - paragraphStart) });
    }
    return rows;
}

QList<TextSearchRow> FileTextSearch::richRows(
    const QString &path, QByteArrayView bytes, QString *failure) const
{
    QTextDocument document;
    document.setDefaultFont(style_.font);
    const RtfReadResult result = RichTextLoader::load(bytes, document);
    if (result.status == RtfReadResult::Status::Failed) {
        *failure = result.error;
        return {};
    }
    QList<TextSearchRow> rows;
    const qsizetype length = finder_.needleLength();
    const QString text = document.toRawText();
    std::unique_ptr<HitLineLayout> lines;
    QTextBlock block;
    for (qsizetype hit = length > 0 ? finder_.findForward(text) : -1; hit >= 0;
         hit = finder_.findForward(text, hit + length)) {
        if (!block.isValid() || !block.contains(int(hit))) {
            block = document.findBlock(int(hit));
            lines = std::make_unique<HitLineLayout>(paragraphOf(block), style_);
        }
        rows.append({ path, hit, lines->lineAt(hit - block.position()) });
    }
    return rows;
}
