#include "documents/position/BlockLineMeasurer.h"

#include <QFontMetricsF>
#include <QTextBoundaryFinder>
#include <QTextLayout>

namespace {

// Characters below this have one glyph of their own in every common font; above it come combining
// marks and scripts whose width shaping decides.
constexpr char16_t kFirstShapedCharacter = 0x0300;

// Kerning can make a line a little wider than its characters' advances add up to.
constexpr qreal kSafetyFactor = 1.02;
constexpr qreal kSafetyPixels = 2;

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
    if (advances_.empty() || !(settings.font == settings_.font)) {
        advances_.assign(kFirstShapedCharacter, -1.0f);
        widestAdvance_ = QFontMetricsF(settings.font).maxWidth();
    }
    settings_ = settings;
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
    // A line surely fits below the first width and surely overflows above the second.
    const qreal fits = (settings_.width - kSafetyPixels) / kSafetyFactor;
    const qreal overflows = settings_.width * kSafetyFactor + kSafetyPixels;
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    int lines = 1;
    // The width of the line so far, up to the last place it may break, its blanks at the end included:
    // blanks at the end of a line hang past the edge, the blanks before a word that follows do not.
    qreal line = 0;
    bool lineEmpty = true;
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype end = breaks.toNextBoundary();
        if (end <= start)
            return -1;
        qreal word = 0;
        qreal blanks = 0;
        for (qsizetype i = start; i < end; ++i) {
            const QChar c = text[i];
            if (c == u' ') {
                blanks += advance(c);
                continue;
            }
            // A tab's width depends on where it falls, a control character may be drawn or not.
            const qreal step = c.unicode() < 0x20 || c.unicode() == 0xAD ? -1 : advance(c);
            if (step < 0)
                return -1;
            word += blanks + step;
            blanks = 0;
        }
        const qreal wanted = line + word;
        if (lineEmpty || wanted <= fits) {
            // A word that alone is wider than a line is broken inside itself: only a layout tells where.
            if (lineEmpty && word > fits)
                return -1;
            line = wanted + blanks;
            lineEmpty = false;
        } else if (wanted >= overflows) {
            ++lines;
            if (word > fits)
                return -1;
            line = word + blanks;
        } else {
            return -1;
        }
        start = end;
    }
    return lines;
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
