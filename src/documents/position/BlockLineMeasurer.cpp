#include "documents/position/BlockLineMeasurer.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QTextBoundaryFinder>
#include <QTextLayout>

#include <cmath>

namespace {

// Characters below this have one glyph of their own in every common font; above it come combining
// marks and scripts whose width shaping decides.
constexpr char16_t kFirstShapedCharacter = 0x0300;

// Kerning can make a line a little wider than its characters' advances add up to.
constexpr qreal kSafetyFactor = 1.02;
constexpr qreal kSafetyPixels = 2;
// Words measured whole leave only the kerning between a blank and its neighbours.
constexpr qreal kWordSafetyPixels = 1;
constexpr qreal kPixelsPerBlank = 0.25;
// A bound on the cache of word widths; a text of a million different words cannot grow it without end.
constexpr qsizetype kMostWordWidths = 200000;

// Lays the text out as the editor's plain-text layout does and hands each line to the visitor, which
// returns false to stop.
template <typename Visit>
void layOut(const QString &text, const BlockLineMeasurer::Settings &settings, Visit visit)
{
    QTextLayout layout(text, settings.font);
    layout.setTextOption(settings.option);
    layout.setCacheEnabled(false);
    layout.beginLayout();
    for (;;) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(settings.width);
        if (!visit(line))
            break;
    }
    layout.endLayout();
}

} // namespace

void BlockLineMeasurer::setSettings(const Settings &settings)
{
    const bool newFont = advances_.empty() || !(settings.font == settings_.font);
    settings_ = settings;
    if (newFont) {
        advances_.assign(kFirstShapedCharacter, -1.0f);
        wordWidths_.clear();
        widestAdvance_ = QFontMetricsF(settings.font).maxWidth();
        exactAdvances_ = advancesAreExact();
    }
}

bool BlockLineMeasurer::advancesAreExact()
{
    if (!QFontInfo(settings_.font).fixedPitch())
        return false;
    // Pairs that kern in most fonts, Danish letters, punctuation and blanks between them.
    const QString sample = QStringLiteral("AV To Wa Ty \"Æble\", ørred; Århus - L'T f.eks. 7/8 1,5 yY");
    qreal sum = 0;
    for (const QChar c : sample)
        sum += advance(c);
    return sum == QFontMetricsF(settings_.font).horizontalAdvance(sample);
}

qreal BlockLineMeasurer::advance(QChar c)
{
    const char16_t code = c.unicode();
    if (code >= kFirstShapedCharacter)
        return -1;
    float &advance = advances_[code];
    if (advance < 0)
        advance = float(QFontMetricsF(settings_.font).horizontalAdvance(c));
    return advance;
}

bool BlockLineMeasurer::fitsOnOneLine(const QString &text)
{
    const qreal limit = (settings_.width - kSafetyPixels) / kSafetyFactor;
    if (text.size() * widestAdvance_ <= limit)
        return true;
    qreal width = 0;
    for (const QChar c : text) {
        if (c == u'\t') {
            width += settings_.option.tabStopDistance();
        } else {
            const qreal step = advance(c);
            if (step < 0)
                return false;
            width += step;
        }
        if (width > limit)
            return false;
    }
    return true;
}

int BlockLineMeasurer::countByAdvances(const QString &text)
{
    const QTextOption::WrapMode mode = settings_.option.wrapMode();
    if (mode != QTextOption::WordWrap && mode != QTextOption::WrapAtWordBoundaryOrAnywhere)
        return -1;
    // Each word is measured shaped, so only kerning across the blanks between words can make the line
    // wider or narrower than its words and blanks add up to: a line surely fits, or surely overflows,
    // when it is that far inside or outside the width.
    auto slack = [this](qsizetype blanks) {
        return exactAdvances_ ? 0 : kWordSafetyPixels + kPixelsPerBlank * blanks;
    };
    // The layout takes the width in 64ths of a pixel, and breaks only where a line would be wider.
    const qreal width = std::round(settings_.width * 64) / 64;
    const qreal blank = advance(u' ');
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    int lines = 1;
    // The width of the line so far, its blanks at the end included: blanks at the end of a line hang
    // past the edge, the blanks before a word that follows do not.
    qreal line = 0;
    qsizetype blanksInLine = 0;
    qsizetype lineStart = 0;
    qsizetype start = 0;
    while (start < text.size()) {
        // A word runs to the next blank where the line may break; a place to break inside it (after a
        // hyphen or a slash) is one where kerning is not known, so such a word must fit whole.
        qsizetype end = start;
        bool breakable = false;
        for (;;) {
            const qsizetype next = breaks.toNextBoundary();
            if (next <= end)
                return -1;
            end = next;
            if (end == text.size() || text[end - 1] == u' ')
                break;
            breakable = true;
        }
        qsizetype visibleEnd = end;
        while (visibleEnd > start && text[visibleEnd - 1] == u' ')
            --visibleEnd;
        const WordWidth word = wordWidth(QStringView(text).sliced(start, visibleEnd - start));
        if (word.advance < 0)
            return -1;
        const qreal wanted = line + word.advance + word.overhang;
        if (start > lineStart && !breakable && wanted > width + slack(blanksInLine)) {
            ++lines;
            lineStart = start;
            line = 0;
            blanksInLine = 0;
        }
        if (line + word.advance + word.overhang <= width - slack(blanksInLine)) {
            line += word.advance + (end - visibleEnd) * blank;
            blanksInLine += end - visibleEnd;
            start = end;
            continue;
        }
        // Too close to call, or a word that may break inside itself: this one line is laid out to see
        // where it ends. When it ends where a line may break, the next line starts as the first did and
        // the rest goes on as before; a word broken anywhere is broken as its context says, and only the
        // whole paragraph's layout tells.
        const qsizetype next = lineStart + firstLineLength(text, lineStart);
        if (next >= text.size())
            return lines;
        breaks.setPosition(next);
        if (!breaks.isAtBoundary())
            return -1;
        ++lines;
        lineStart = start = next;
        line = 0;
        blanksInLine = 0;
    }
    return lines;
}

BlockLineMeasurer::WordWidth BlockLineMeasurer::wordWidth(QStringView word)
{
    if (word.isEmpty())
        return {};
    for (const QChar c : word) {
        // A tab's width depends on where it falls, a control character may be drawn or not, and a
        // soft hyphen shows only at a break. Around digits the layout finds other places to break than
        // QTextBoundaryFinder does ("1,5 2,5" breaks at its blank in a layout only).
        if (c.unicode() >= kFirstShapedCharacter || c.unicode() < 0x20 || c.unicode() == 0xAD || c.isDigit())
            return { -1, 0 };
    }
    if (wordWidths_.size() >= kMostWordWidths)
        wordWidths_.clear();
    const QString key = word.toString();
    auto found = wordWidths_.constFind(key);
    if (found == wordWidths_.constEnd()) {
        const QFontMetricsF metrics(settings_.font);
        // A glyph reaching out past its advance at the end of a line counts against the width.
        found = wordWidths_.insert(
            key, { metrics.horizontalAdvance(key), std::max<qreal>(0, -metrics.rightBearing(word.back())) });
    }
    return *found;
}

qsizetype BlockLineMeasurer::firstLineLength(const QString &text, qsizetype from)
{
    // Text for two lines of common letters; more when the first line takes it all.
    qsizetype length = qsizetype(2 * settings_.width / std::max<qreal>(1, advance(u'n'))) + 16;
    for (;;) {
        length = std::min(length, text.size() - from);
        qsizetype first = 0;
        layOut(text.mid(from, length), settings_, [&](const QTextLine &line) {
            first = line.textLength();
            return false;
        });
        if (first < length || from + length >= text.size())
            return std::max<qsizetype>(first, 1);
        length *= 2;
    }
}

int BlockLineMeasurer::lineCount(const QString &text)
{
    if (!settings_.wraps() || fitsOnOneLine(text))
        return 1;
    if (const int counted = countByAdvances(text); counted > 0)
        return counted;
    int count = 0;
    layOut(text, settings_, [&](const QTextLine &) {
        ++count;
        return true;
    });
    return std::max(count, 1);
}

BlockLineMeasurer::LineAt BlockLineMeasurer::lineAt(const QString &text, int position)
{
    if (!settings_.wraps() || fitsOnOneLine(text))
        return {};
    LineAt found;
    layOut(text, settings_, [&](const QTextLine &line) {
        if (line.textStart() > position)
            return false;
        found = { line.lineNumber(), line.textStart() };
        return true;
    });
    return found;
}
