#include "search/text/FileTextSearch.h"

#include "documents/find/TextFinder.h"
#include "documents/rtf/RichTextLoader.h"
#include "documents/rtf/RtfReader.h"
#include "platform/TextCodec.h"
#include "search/text/RtfVisibleText.h"

#include <QTextBlock>
#include <QTextDocument>

#include <cstring>
#include <memory>
#include <optional>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr qsizetype kLargestKeptBuffer = 64 * 1024 * 1024;

template <typename Unit> bool isLineBreak(Unit c)
{
    return c == Unit('\n') || c == Unit('\r');
}

// The paragraph that holds the unit at `hit` in text or bytes: from the unit after the line break
// before it (but no earlier than `floor`) to the line break that ends it, or the end.
template <typename Text>
std::pair<qsizetype, qsizetype> paragraphAround(const Text &text, qsizetype hit, qsizetype floor)
{
    qsizetype start = hit;
    while (start > floor && !isLineBreak(text[start - 1]))
        --start;
    qsizetype end = hit;
    while (end < text.size() && !isLineBreak(text[end]))
        ++end;
    return { start, end };
}

// The lines of the hits in plain text, from the paragraph of the last hit, which is laid out only when
// it may not fit on one line.
class PlainHitLines {
public:
    explicit PlainHitLines(const HitLineStyle &style)
        : style_(style)
    { }

    // From its first unit to the line break that ends it (or the end of the text), both included.
    bool holds(qsizetype hit) const { return hit <= end_; }
    qsizetype end() const { return end_; }

    void enter(qsizetype start, qsizetype end, QString paragraph)
    {
        start_ = start;
        end_ = end;
        if (style_.surelyFits(paragraph)) {
            layout_.reset();
            fitting_ = std::move(paragraph);
        } else {
            layout_ = std::make_unique<HitLineLayout>(HitLineLayout::Paragraph(std::move(paragraph)), style_);
        }
    }

    qsizetype start() const { return start_; }
    // Whether the paragraph is one line, which any offset then finds.
    bool fits() const { return !layout_; }
    // The line that holds the character `offset` units into the paragraph.
    QString lineAt(qsizetype offset) { return layout_ ? layout_->lineAt(offset) : fitting_; }

private:
    const HitLineStyle &style_;
    std::unique_ptr<HitLineLayout> layout_;
    QString fitting_;
    qsizetype start_ = 0;
    qsizetype end_ = -1;
};

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

// Every byte but a continuation begins a character, and one of four bytes takes two units.
qsizetype utf8Units(QByteArrayView bytes)
{
    const auto *in = reinterpret_cast<const signed char *>(bytes.data());
    const qsizetype size = bytes.size();
    qsizetype units = 0;
    qsizetype i = 0;
#if defined(__SSE2__)
    const __m128i continuationEnd = _mm_set1_epi8(-64); // 0x80..0xBF are below it as signed bytes
    const __m128i longLeadStart = _mm_set1_epi8(-17); // 0xF0..0xFF are above it and below zero
    const __m128i zero = _mm_setzero_si128();
    const __m128i one = _mm_set1_epi8(1);
    __m128i sums = zero;
    for (; i + 16 <= size; i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + i));
        const __m128i continuation = _mm_cmplt_epi8(chunk, continuationEnd); // -1 where true
        const __m128i longLead
            = _mm_and_si128(_mm_cmpgt_epi8(chunk, longLeadStart), _mm_cmplt_epi8(chunk, zero));
        // 1 per byte, 0 for a continuation, 2 for a lead of four bytes; summed across the bytes.
        const __m128i perByte = _mm_sub_epi8(_mm_add_epi8(one, continuation), longLead);
        sums = _mm_add_epi64(sums, _mm_sad_epu8(perByte, zero));
    }
    units = _mm_cvtsi128_si64(sums) + _mm_cvtsi128_si64(_mm_unpackhi_epi64(sums, sums));
#endif
    for (; i < size; ++i)
        units += (in[i] >= -64 ? 1 : 0) + (in[i] >= -16 && in[i] < 0 ? 1 : 0);
    return units;
}

// UTF-8 that is valid, or Windows-1252: the two encodings whose ASCII bytes are the ASCII characters.
struct PlainBytes {
    QByteArrayView bytes; // after the mark
    bool utf8 = true;

    QString decoded(qsizetype from, qsizetype to) const
    {
        const QByteArrayView piece = bytes.sliced(from, to - from);
        if (!utf8)
            return TextCodec::decodeWindows1252(piece);
        // A mark inside the text is a character like any other.
        QStringDecoder decoder(QStringConverter::Utf8,
            QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
        return decoder(piece);
    }

    // The UTF-16 units that the bytes in [from, to) decode to.
    qsizetype units(qsizetype from, qsizetype to) const
    {
        return utf8 ? utf8Units(bytes.sliced(from, to - from)) : to - from;
    }

    bool isContinuation(qsizetype at) const { return utf8 && (uchar(bytes[at]) & 0xC0) == 0x80; }

    // The whole-word rule on the characters on either side of an occurrence of `length` ASCII bytes.
    bool isWholeWord(qsizetype start, qsizetype length) const
    {
        qsizetype before = start;
        if (before > 0) {
            --before;
            while (before > 0 && isContinuation(before))
                --before;
        }
        qsizetype after = start + length;
        if (after < bytes.size()) {
            ++after;
            while (after < bytes.size() && isContinuation(after))
                ++after;
        }
        const QString left = decoded(before, start);
        const QString window = left + QString(length, u'x') + decoded(start + length, after);
        return TextFinder::isWholeWord(window, left.size(), length);
    }
};

// Positions in the text that bytes decode to, asked in ascending order: UTF-16 units, each CR LF pair
// one character.
class BytePositions {
public:
    explicit BytePositions(const PlainBytes &text)
        : text_(text)
    { }

    qsizetype positionOf(qsizetype at)
    {
        units_ += text_.units(counted_, at);
        counted_ = at;
        const char *data = text_.bytes.data();
        while (scanned_ < at) {
            const auto *cr
                = static_cast<const char *>(std::memchr(data + scanned_, '\r', size_t(at - scanned_)));
            if (!cr) {
                scanned_ = at;
                break;
            }
            const qsizetype crAt = cr - data;
            if (crAt + 1 < at && data[crAt + 1] == '\n')
                ++pairs_;
            scanned_ = crAt + 1;
        }
        return units_ - pairs_;
    }

private:
    const PlainBytes &text_;
    qsizetype counted_ = 0;
    qsizetype units_ = 0;
    qsizetype scanned_ = 0;
    qsizetype pairs_ = 0;
};

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
    if (std::optional<QList<TextSearchRow>> rows = byteRows(path, bytes)) {
        outcome.rows = std::move(*rows);
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
    PlainHitLines lines(style_);
    for (qsizetype hit = length > 0 ? finder_.findForward(text) : -1; hit >= 0;
         hit = finder_.findForward(text, hit + length)) {
        if (!lines.holds(hit)) {
            const auto [start, end] = paragraphAround(text, hit, lines.end() + 1);
            lines.enter(start, end, text.mid(start, end - start));
        }
        rows.append({ path, positions.positionOf(hit), lines.lineAt(hit - lines.start()) });
    }
    return rows;
}

std::optional<QList<TextSearchRow>> FileTextSearch::byteRows(const QString &path, QByteArrayView bytes) const
{
    if (!screen_.runIsWholeNeedle())
        return std::nullopt;
    const auto mark = TextCodec::markAt(bytes);
    if (mark && mark->encoding != TextEncoding::Utf8Bom)
        return std::nullopt;
    PlainBytes text { mark ? bytes.sliced(mark->length) : bytes };
    qsizetype hit = screen_.findRun(text.bytes, 0);
    if (screen_.mayFoldIntoRun(text.bytes))
        return std::nullopt;
    if (hit < 0)
        return QList<TextSearchRow>();
    text.utf8 = TextCodec::isValidUtf8(text.bytes);
    // After a mark, bad UTF-8 is replaced: the decoder knows how.
    if (mark && !text.utf8)
        return std::nullopt;
    const bool wholeWord = finder_.options() & TextFinder::WholeWord;
    const qsizetype length = finder_.needleLength();
    QList<TextSearchRow> rows;
    BytePositions positions(text);
    PlainHitLines lines(style_);
    for (; hit >= 0; hit = screen_.findRun(text.bytes, hit + 1)) {
        if (wholeWord && !text.isWholeWord(hit, length))
            continue;
        if (!lines.holds(hit)) {
            const auto [start, end] = paragraphAround(text.bytes, hit, lines.end() + 1);
            lines.enter(start, end, text.decoded(start, end));
        }
        const qsizetype offset = lines.fits() ? 0 : text.units(lines.start(), hit);
        rows.append({ path, positions.positionOf(hit), lines.lineAt(offset) });
        hit += length - 1;
    }
    return rows;
}

QList<TextSearchRow> FileTextSearch::richRows(
    const QString &path, QByteArrayView bytes, QString *failure) const
{
    const std::optional<RtfVisibleText> visible = RtfVisibleText::read(bytes);
    if (!visible)
        return documentRows(path, bytes, failure);
    QList<TextSearchRow> rows;
    const qsizetype length = finder_.needleLength();
    const QString &text = visible->text();
    std::unique_ptr<HitLineLayout> lines;
    qsizetype paragraphStart = 0;
    qsizetype paragraphEnd = -1; // the end of the paragraph of the last hit, its separator included
    for (qsizetype hit = length > 0 ? finder_.findForward(text) : -1; hit >= 0;
         hit = finder_.findForward(text, hit + length)) {
        if (hit > paragraphEnd) {
            HitLineLayout::Paragraph paragraph = visible->paragraphAt(hit, &paragraphStart);
            paragraphEnd = paragraphStart + paragraph.text.size();
            lines = std::make_unique<HitLineLayout>(std::move(paragraph), style_);
        }
        rows.append({ path, hit, lines->lineAt(hit - paragraphStart) });
    }
    return rows;
}

QList<TextSearchRow> FileTextSearch::documentRows(
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
            lines = std::make_unique<HitLineLayout>(HitLineLayout::Paragraph::of(block), style_);
        }
        rows.append({ path, hit, lines->lineAt(hit - block.position()) });
    }
    return rows;
}
