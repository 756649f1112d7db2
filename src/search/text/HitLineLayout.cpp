#include "search/text/HitLineLayout.h"

#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <QTextOption>

namespace {

// The hidden editor is 400 pixels wide; its frame (2 pixels) and the document's margin (4 pixels) on
// either side leave the rest for the text.
constexpr qreal kEditorWidth = 400;
constexpr qreal kFrameWidth = 2;
constexpr qreal kDocumentMargin = 4;

constexpr char16_t kLastLatin = 0x024F;
// Kerning and ligatures move a glyph by a pixel or two at this size; a tenth of the line is far more.
constexpr qreal kFitMargin = 0.9;

} // namespace

HitLineStyle::HitLineStyle(QFont font, qreal width)
    : font(std::move(font))
    , width(width)
{
    const QFontMetricsF metrics(this->font);
    latinAdvances.reserve(kLastLatin + 1);
    for (char16_t c = 0; c <= kLastLatin; ++c)
        latinAdvances.append(c < 0x20 || (c >= 0x7F && c < 0xA0) ? -1 : metrics.horizontalAdvance(QChar(c)));
}

HitLineStyle HitLineStyle::hiddenEditor()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(13);
    return { font, kEditorWidth - 2 * (kFrameWidth + kDocumentMargin) };
}

bool HitLineStyle::surelyFits(QStringView text) const
{
    const qreal room = width * kFitMargin;
    qreal used = 0;
    for (QChar c : text) {
        // Control characters (tabs among them) and other scripts are left to the real layout.
        if (c.unicode() > kLastLatin || latinAdvances[c.unicode()] < 0)
            return false;
        used += latinAdvances[c.unicode()];
        if (used > room)
            return false;
    }
    return true;
}

HitLineLayout::Paragraph HitLineLayout::Paragraph::of(const QTextBlock &block)
{
    Paragraph paragraph(block.text());
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

HitLineLayout::HitLineLayout(Paragraph paragraph, const HitLineStyle &style)
    : text_(std::move(paragraph.text))
    , layout_(text_, style.font)
    , width_(std::max<qreal>(1, style.width - paragraph.leftMargin - paragraph.rightMargin))
    , firstLineIndent_(paragraph.firstLineIndent)
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout_.setTextOption(option);
    if (!paragraph.formats.isEmpty())
        layout_.setFormats(paragraph.formats);
    layout_.beginLayout();
}

HitLineLayout::~HitLineLayout()
{
    if (!complete_)
        layout_.endLayout();
}

bool HitLineLayout::layOutNextLine()
{
    if (complete_)
        return false;
    QTextLine line = layout_.createLine();
    if (!line.isValid()) {
        layout_.endLayout();
        complete_ = true;
        return false;
    }
    const qreal indent = layout_.lineCount() == 1 ? firstLineIndent_ : 0;
    line.setLineWidth(std::max<qreal>(1, width_ - indent));
    return true;
}

QString HitLineLayout::lineAt(qsizetype offset)
{
    if (current_ < layout_.lineCount() && offset < layout_.lineAt(current_).textStart())
        current_ = 0;
    for (;; ++current_) {
        while (current_ >= layout_.lineCount()) {
            if (!layOutNextLine()) {
                current_ = std::max(0, layout_.lineCount() - 1);
                return layout_.lineCount() > 0 ? textOf(layout_.lineAt(current_)) : text_;
            }
        }
        const QTextLine line = layout_.lineAt(current_);
        if (offset < line.textStart() + line.textLength())
            return textOf(line);
    }
}

QString HitLineLayout::textOf(const QTextLine &line) const
{
    QString text = text_.mid(line.textStart(), line.textLength());
    while (text.endsWith(QChar::LineSeparator) || text.endsWith(QChar::ParagraphSeparator))
        text.chop(1);
    return text;
}
