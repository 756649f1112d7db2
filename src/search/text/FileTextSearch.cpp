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

constexpr qsizetype kLargestKeptBuffer = 64 * 1024 * 1024;

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r';
}

// Plain text decoded by the rules every document follows, with its line breaks left as they are: a
// needle without line breaks finds the same occurrences either way, and skipping the rewrite saves a
// pass over every file. Unmarked text, nearly every file, is decoded into the buffer without a new
// allocation.
void decodeInto(QByteArrayView bytes, QString &buffer)
{
    if (const auto mark = TextCodec::markAt(bytes)) {
        buffer = TextCodec::decodeUnmarked(bytes.sliced(mark->length), mark->encoding);
        return;
    }
    buffer.resize(bytes.size());
    QChar *out = buffer.data();
    QChar *end = nullptr;
    if (TextCodec::isValidUtf8(bytes)) {
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        end = utf8.appendToBuffer(out, bytes);
    } else {
        end = reinterpret_cast<QChar *>(
            TextCodec::decodeWindows1252(bytes, reinterpret_cast<char16_t *>(out)));
    }
    buffer.resize(end - out);
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
    , screen_(needle, options)
    , needleHasLineBreak_(needle.contains(u'\n') || needle.contains(u'\r'))
    , style_(std::move(style))
{ }

FileTextSearch::Outcome FileTextSearch::search(const QString &path, QByteArrayView bytes) const
{
    Outcome outcome;
    if (RtfReader::isRtf(bytes)) {
        outcome.rows = richRows(path, bytes, &outcome.failure);
        return outcome;
    }
    if (!screen_.mayHold(bytes))
        return outcome;
    // One buffer per thread, kept from file to file, unless a big file made it big.
    thread_local QString text;
    decodeInto(bytes, text);
    outcome.rows = plainRows(path, text);
    if (text.capacity() > kLargestKeptBuffer)
        text = QString();
    return outcome;
}

QList<TextSearchRow> FileTextSearch::plainRows(const QString &path, QString &text) const
{
    // The editor holds every line break as one '\n'; a needle that holds one must meet them so.
    if (needleHasLineBreak_)
        text = TextCodec::normaliseLineBreaks(std::move(text));
    QList<TextSearchRow> rows;
    const qsizetype length = finder_.needleLength();
    CrLfCounter positions(text);
    // Laid out only when it may not fit on one line.
    std::unique_ptr<HitLineLayout> lines;
    QString fittingParagraph;
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
            QString paragraph = text.mid(start, end - start);
            if (style_.surelyFits(paragraph)) {
                lines.reset();
                fittingParagraph = std::move(paragraph);
            } else {
                lines
                    = std::make_unique<HitLineLayout>(HitLineLayout::Paragraph(std::move(paragraph)), style_);
            }
        }
        rows.append({ path, positions.positionOf(hit),
            lines ? lines->lineAt(hit - paragraphStart) : fittingParagraph });
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
