#include "documents/position/BlockLineMeasurer.h"

#include <QFontMetricsF>
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

bool BlockLineMeasurer::fitsOnOneLine(const QString &text)
{
    const qreal limit = (settings_.width - kSafetyPixels) / kSafetyFactor;
    if (text.size() * widestAdvance_ <= limit)
        return true;
    const QFontMetricsF metrics(settings_.font);
    qreal width = 0;
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code == u'\t') {
            width += settings_.option.tabStopDistance();
        } else if (code < kFirstShapedCharacter) {
            float &advance = advances_[code];
            if (advance < 0)
                advance = float(metrics.horizontalAdvance(c));
            width += advance;
        } else {
            return false;
        }
        if (width > limit)
            return false;
    }
    return true;
}

int BlockLineMeasurer::lineCount(const QString &text)
{
    if (!settings_.wraps() || fitsOnOneLine(text))
        return 1;
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
