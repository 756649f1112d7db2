#include "documents/position/PositionTracker.h"

#include "documents/PlainEditor.h"

#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QEvent>
#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <utility>

namespace {

// Edits up to this many paragraphs and characters are measured at once, in well under a millisecond.
constexpr int kMeasuredAtOnce = 64;
constexpr int kCharactersMeasuredAtOnce = 16 * 1024;
// Big changes are measured once the document has been quiet this long, so that loading a file or
// dragging the window's edge is not slowed down by measuring.
constexpr int kQuietMilliseconds = 150;
// One slice of measuring, short enough to keep typing and scrolling smooth.
constexpr qint64 kSliceMilliseconds = 6;

} // namespace

PositionTracker::PositionTracker(PlainEditor &editor)
    : QObject(&editor)
    , editor_(&editor)
    , document_(editor.document())
{
    quiet_.setSingleShot(true);
    quiet_.setInterval(kQuietMilliseconds);
    connect(&quiet_, &QTimer::timeout, this, [this] {
        if (refreshSettings())
            unmeasuredFrom_ = 0;
        if (unmeasuredFrom_ >= 0)
            slices_.start();
    });
    slices_.setInterval(0);
    connect(&slices_, &QTimer::timeout, this, &PositionTracker::measureSlice);
    connect(document_, &QTextDocument::contentsChange, this, &PositionTracker::contentsChanged);
    // A new width or font relays the text out; the settings are compared once things are quiet.
    editor.installEventFilter(this);
    editor.viewport()->installEventFilter(this);
    refreshSettings();
    blockCount_ = document_->blockCount();
    measureLater(document_->firstBlock());
}

bool PositionTracker::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::Show:
        quiet_.start();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool PositionTracker::refreshSettings()
{
    BlockLineMeasurer::Settings settings;
    settings.font = document_->defaultFont();
    settings.option = document_->defaultTextOption();
    // The editor gives its layout the viewport's width once it has been sized (shown); until then the
    // layout has no width and wraps nothing. The layout turns that width into the paragraph width so.
    const qreal textWidth
        = editor_ && !editor_->testAttribute(Qt::WA_PendingResizeEvent) ? editor_->viewport()->width() : 0;
    if (textWidth > 0) {
        qreal extra = 0;
        if (settings.option.flags() & QTextOption::AddSpaceForLineAndParagraphSeparators)
            extra = QFontMetricsF(settings.font).horizontalAdvance(QChar(0x21B5));
        settings.width = textWidth - 2 * document_->documentMargin() - extra;
    }
    if (settings == measurer_.settings())
        return false;
    measurer_.setSettings(settings);
    return true;
}

void PositionTracker::contentsChanged(int position, int removed, int added)
{
    if (unmeasuredFrom_ > position)
        unmeasuredFrom_
            = position + removed <= unmeasuredFrom_ ? unmeasuredFrom_ + added - removed : position;
    if (refreshSettings())
        measureLater(document_->firstBlock());
    const int previousBlockCount = std::exchange(blockCount_, document_->blockCount());
    QTextBlock block = document_->findBlock(position);
    QTextBlock last = document_->findBlock(position + added);
    if (!last.isValid())
        last = document_->lastBlock();
    // An edit inside one paragraph that keeps the paragraph count is laid out by the editor's own
    // layout right after this signal, which sets the paragraph's line count: measuring it here would
    // lay a long paragraph out twice on every key press.
    if (block == last && blockCount_ == previousBlockCount
        && block == document_->findBlock(std::max(0, position + removed + added - 1)))
        return;
    if (last.blockNumber() - block.blockNumber() >= kMeasuredAtOnce
        || last.position() + last.length() - block.position() > kCharactersMeasuredAtOnce) {
        measureLater(block);
        return;
    }
    bool changed = false;
    for (; block.isValid(); block = block.next()) {
        changed = measure(block) || changed;
        if (block == last)
            break;
    }
    // Not from inside the change: the editor's layout has not taken it in yet.
    if (changed)
        QMetaObject::invokeMethod(this, &PositionTracker::publish, Qt::QueuedConnection);
}

void PositionTracker::measureLater(const QTextBlock &from)
{
    if (unmeasuredFrom_ < 0 || from.position() < unmeasuredFrom_)
        unmeasuredFrom_ = from.position();
    slices_.stop();
    quiet_.start();
}

void PositionTracker::measureSlice()
{
    if (refreshSettings())
        unmeasuredFrom_ = 0;
    if (unmeasuredFrom_ < 0) {
        slices_.stop();
        return;
    }
    QTextBlock block = document_->findBlock(unmeasuredFrom_);
    bool changed = false;
    QElapsedTimer clock;
    clock.start();
    while (block.isValid() && clock.elapsed() < kSliceMilliseconds) {
        changed = measure(block) || changed;
        block = block.next();
    }
    if (changed)
        publish();
    if (block.isValid()) {
        unmeasuredFrom_ = block.position();
        return;
    }
    unmeasuredFrom_ = -1;
    slices_.stop();
    Q_EMIT measured();
}

bool PositionTracker::measure(const QTextBlock &block)
{
    int count = 0;
    // A long paragraph the editor has laid out at the current width (it is on screen) needs no second
    // layout. Never block.layout() for the others: it would create a layout object for every paragraph.
    if (block.length() > kCharactersMeasuredAtOnce) {
        const QTextLayout *layout = block.layout();
        if (layout->lineCount() > 0 && measurer_.settings().wraps()
            && qFuzzyCompare(layout->lineAt(0).width(), measurer_.settings().width))
            count = layout->lineCount();
    }
    if (count == 0)
        count = measurer_.lineCount(block.text());
    if (count == block.lineCount())
        return false;
    QTextBlock(block).setLineCount(count);
    return true;
}

void PositionTracker::publish()
{
    // The editor sizes its scroll bar from the document's line count when its layout reports a new
    // size, and keeps the same paragraph at the top of the view.
    QAbstractTextDocumentLayout *layout = document_->documentLayout();
    Q_EMIT layout->documentSizeChanged(layout->documentSize());
}

PositionTracker::Position PositionTracker::position()
{
    if (refreshSettings())
        measureLater(document_->firstBlock());
    Position result;
    result.lineCount = document_->lineCount();
    if (!editor_)
        return result;
    const int caret = editor_->textCursor().selectionEnd();
    const QTextBlock block = document_->findBlock(caret);
    const int inBlock = caret - block.position();
    BlockLineMeasurer::LineAt line;
    // The editor's own layout of the paragraph, when it has one, is the one on screen.
    const QTextLayout *layout = block.layout();
    if (layout->lineCount() > 0) {
        const QTextLine laidOut = layout->lineForTextPosition(inBlock);
        if (laidOut.isValid())
            line = { laidOut.lineNumber(), laidOut.textStart() };
    } else {
        line = measurer_.lineAt(block.text(), inBlock);
    }
    result.line = block.firstLineNumber() + line.line;
    result.column = inBlock - line.start;
    return result;
}

qint64 PositionTracker::characterCount(LineEnding lineEnding) const
{
    // characterCount() holds one paragraph separator after the last paragraph, which the text has not.
    const qint64 characters = document_->characterCount() - 1;
    const qint64 lineBreaks = document_->blockCount() - 1;
    return characters + (lineEnding == LineEnding::CrLf ? lineBreaks : 0);
}

int PositionTracker::lineCountWithoutEmptyLast()
{
    const int lines = document_->lineCount();
    return document_->lastBlock().length() == 1 ? lines - 1 : lines;
}
