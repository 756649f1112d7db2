#pragma once

#include <QtGlobal>

class QTextEdit;

// The caret position and the line counts of a rich-text editor, as the editor lays its paragraphs out:
// every wrapped piece of a paragraph is a line. A paragraph the editor has not laid out yet (it lays out
// a long document in steps, from the top) counts as one line until it is.
class RichTextPosition {
public:
    struct Position {
        int line = 0; // the caret's line, from 0
        int column = 0; // characters before the caret on its line
        int lineCount = 1; // lines of the whole text; an empty text has 1
    };

    explicit RichTextPosition(const QTextEdit &editor);

    // With a selection, the caret is the end of the selection.
    Position position() const;
    // For the file information: the text's length, each paragraph break one character.
    qint64 characterCount() const;
    // The lines without a last line that is empty; an empty text has 0.
    int lineCountWithoutEmptyLast() const;

private:
    const QTextEdit &editor_;
};
