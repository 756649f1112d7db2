#pragma once

#include <QObject>
#include <QTextCursor>

class QPlainTextEdit;

// Keeps the shaped text of a long paragraph holding the caret between paints. The editor's layout
// throws it away after every paint, and drawing the caret (at each blink) or finding its place on the
// screen shapes the whole paragraph again: some 60 ms for a line of a megabyte. Kept for that one
// paragraph only, as long as the caret is in it; the cost is a few tens of bytes a character.
class CaretParagraphCache : public QObject {
public:
    explicit CaretParagraphCache(QPlainTextEdit &editor);

private:
    void follow();

    QPlainTextEdit &editor_;
    // At the start of the paragraph kept: a cursor follows the edits, where a QTextBlock of a paragraph
    // that was deleted would point at freed memory.
    QTextCursor kept_;
};
