#include "documents/CaretParagraphCache.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace {

// Shorter paragraphs are shaped again in well under a millisecond.
constexpr int kLongParagraph = 16 * 1024;
// Longer ones would keep hundreds of megabytes; the caret blinks slowly in them as in any editor.
constexpr int kLongestKept = 4 * 1024 * 1024;

} // namespace

CaretParagraphCache::CaretParagraphCache(QPlainTextEdit &editor)
    : QObject(&editor)
    , editor_(editor)
{
    connect(&editor, &QPlainTextEdit::cursorPositionChanged, this, &CaretParagraphCache::follow);
    // A paragraph grows long under a caret that stays put while a file streams in.
    connect(editor.document(), &QTextDocument::contentsChanged, this, &CaretParagraphCache::follow);
}

void CaretParagraphCache::follow()
{
    const QTextBlock block = editor_.textCursor().block();
    const bool keep = block.length() > kLongParagraph && block.length() <= kLongestKept;
    if (keep && !kept_.isNull() && kept_.block() == block)
        return;
    if (!kept_.isNull())
        kept_.block().layout()->setCacheEnabled(false);
    kept_ = QTextCursor();
    if (keep) {
        block.layout()->setCacheEnabled(true);
        kept_ = QTextCursor(block);
    }
}
