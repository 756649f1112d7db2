#include "documents/spelling/TextMarker.h"

#include "app/ColourContrast.h"
#include "documents/EditorControl.h"
#include "documents/links/LinkFinder.h"
#include "documents/spelling/SpellingService.h"
#include "documents/spelling/WordFinder.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

namespace {

class MarkState : public QTextBlockUserData {
public:
    // The marker generation the paragraph's marks belong to; 0 when it is not marked.
    int generation = 0;
    bool hasMarks = false;
};

MarkState *stateOf(const QTextBlock &block)
{
    return static_cast<MarkState *>(block.userData());
}

// An edited paragraph this close to the view is marked at once: the view follows the caret.
constexpr int kViewMargin = 2;

// Longer paragraphs are not marked: a mark lays its paragraph out again whole, seconds for the lines of
// megabytes that minified data and logs have, where marks would be noise anyway.
constexpr int kLongestMarkedParagraph = 32 * 1024;

QTextCharFormat misspeltFormat()
{
    QTextCharFormat format;
    // A wave whatever the style: some styles draw the spell-check underline as faint dots.
    format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    format.setUnderlineColor(Qt::red);
    return format;
}

// The theme's link colour, unless it is hard to read on the editor's background: dark themes give light
// links, and rich-text documents keep their white paper whatever the theme.
QColor readableLink(const QPalette &palette)
{
    const QColor background = palette.color(QPalette::Base);
    const QColor link = palette.color(QPalette::Link);
    if (ColourContrast::ratio(link, background) >= ColourContrast::kReadable)
        return link;
    return background.lightness() > 127 ? QColor(0x06, 0x45, 0xad) : QColor(0x9c, 0xc7, 0xff);
}

QTextCharFormat linkFormat(const QPalette &palette)
{
    QTextCharFormat format;
    format.setForeground(readableLink(palette));
    format.setUnderlineStyle(QTextCharFormat::SingleUnderline);
    return format;
}

} // namespace

TextMarker::TextMarker(EditorControl &editor, SpellingService *spelling)
    : QObject(editor.widget())
    , editor_(editor)
    , area_(qobject_cast<QAbstractScrollArea *>(editor.widget()))
    , viewport_(area_->viewport())
    , document_(editor.document())
    , spelling_(spelling)
{
    viewTimer_.setSingleShot(true);
    viewTimer_.setInterval(0);
    connect(&viewTimer_, &QTimer::timeout, this, &TextMarker::markView);
    connect(document_, &QTextDocument::contentsChange, this, &TextMarker::contentsChanged);
    connect(area_->verticalScrollBar(), &QScrollBar::valueChanged, this, &TextMarker::scheduleView);
    // Both editor kinds have this signal, under the same name.
    connect(editor.widget(), SIGNAL(cursorPositionChanged()), this, SLOT(caretMoved()));
    if (spelling)
        connect(spelling, &SpellingService::wordsChanged, this, &TextMarker::remarkAll);
    viewport_->installEventFilter(this);
    scheduleView();
}

void TextMarker::remarkAll()
{
    ++generation_;
    scheduleView();
}

void TextMarker::scheduleView()
{
    viewTimer_.start();
}

bool TextMarker::eventFilter(QObject *watched, QEvent *event)
{
    // Marking right before the paint shows new paragraphs with their marks, never a frame without.
    if (watched == viewport_ && event->type() == QEvent::Paint)
        markView();
    return QObject::eventFilter(watched, event);
}

void TextMarker::markView()
{
    viewTimer_.stop();
    QTextBlock block = editor_.cursorForPosition(QPoint(0, 0)).block();
    const QTextBlock last
        = editor_.cursorForPosition(QPoint(viewport_->width() - 1, viewport_->height() - 1)).block();
    firstInView_ = block.blockNumber();
    lastInView_ = last.blockNumber();
    for (; block.isValid(); block = block.next()) {
        const MarkState *state = stateOf(block);
        if (!state || state->generation != generation_)
            mark(block, false);
        if (block == last)
            break;
    }
}

bool TextMarker::isInView(int blockNumber) const
{
    return blockNumber >= firstInView_ - kViewMargin && blockNumber <= lastInView_ + kViewMargin;
}

void TextMarker::contentsChanged(int position, int removed, int added)
{
    Q_UNUSED(removed);
    QTextBlock block = document_->findBlock(position);
    QTextBlock last = document_->findBlock(position + added);
    if (!last.isValid())
        last = document_->lastBlock();
    int number = block.blockNumber();
    for (; block.isValid(); block = block.next(), ++number) {
        if (isInView(number))
            mark(block, true);
        else
            forget(block);
        if (block == last)
            break;
    }
    scheduleView();
}

void TextMarker::forget(QTextBlock block)
{
    MarkState *state = stateOf(block);
    if (!state)
        return;
    state->generation = 0;
    if (state->hasMarks) {
        state->hasMarks = false;
        block.layout()->clearFormats();
        document_->markContentsDirty(block.position(), block.length());
    }
}

void TextMarker::mark(QTextBlock block, bool typing)
{
    // While an input method composes text, the layout's formats show the composition.
    if (!block.layout()->preeditAreaText().isEmpty())
        return;
    MarkState *state = stateOf(block);
    if (!state) {
        state = new MarkState;
        block.setUserData(state); // the block owns it
    }
    const QList<QTextLayout::FormatRange> marks = block.length() > kLongestMarkedParagraph
        ? QList<QTextLayout::FormatRange>()
        : marksFor(block, typing);
    state->generation = generation_;
    if (marks.isEmpty() && !state->hasMarks)
        return;
    state->hasMarks = !marks.isEmpty();
    block.layout()->setFormats(marks);
    document_->markContentsDirty(block.position(), block.length());
}

QList<QTextLayout::FormatRange> TextMarker::marksFor(const QTextBlock &block, bool typing)
{
    QList<QTextLayout::FormatRange> marks;
    const QString text = block.text();
    const QList<LinkFinder::Link> links = LinkFinder::links(text);
    const QTextCharFormat link = linkFormat(area_->palette());
    for (const LinkFinder::Link &found : links)
        marks.append({ found.start, found.length, link });
    // The marks of misspelt words follow once the dictionary is in (wordsChanged).
    if (!spelling_ || !spelling_->isReady())
        return marks;

    const QTextCursor caret = editor_.textCursor();
    const int caretInBlock = caret.block() == block ? caret.position() - block.position() : -1;
    const QTextCharFormat misspelt = misspeltFormat();
    auto link_ = links.cbegin();
    for (const WordFinder::Word &word : WordFinder::words(text)) {
        while (link_ != links.cend() && link_->end() <= word.start)
            ++link_;
        if (link_ != links.cend() && link_->start < word.end())
            continue;
        if (typing && word.end() == caretInBlock) {
            heldWord_ = QTextCursor(document_);
            heldWord_.setPosition(block.position() + word.start);
            continue;
        }
        if (spelling_->isMisspelt(text, word))
            marks.append({ word.start, word.length, misspelt });
    }
    return marks;
}

void TextMarker::caretMoved()
{
    if (heldWord_.isNull())
        return;
    const QTextBlock block = heldWord_.block();
    const int start = heldWord_.position() - block.position();
    const auto word = WordFinder::wordAt(block.text(), start);
    const QTextCursor caret = editor_.textCursor();
    if (word && caret.position() == block.position() + word->end())
        return;
    heldWord_ = QTextCursor();
    if (MarkState *state = stateOf(block))
        state->generation = 0;
    scheduleView();
}
