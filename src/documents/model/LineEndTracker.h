#pragma once

#include "platform/TextCodec.h"

#include <QObject>

class QTextDocument;

// Keeps each line break of a plain-text document as the kind it had in the file, through the user's
// edits, so a file with mixed line ends is saved with every line's own (a break the user types or pastes
// takes the file's usual kind). A line whose break is not the usual kind carries that kind as its
// block's user state; no other part of the plain-text editor may use the user state.
//
// Qt keeps a block's state with the first part when a line is split, and with the second line when two
// are joined: joins are right as they are (the merged line ends with the second one's break), and a
// split moves the state on to the line that now ends with the old break. Undoing the deletion of an odd
// break brings it back as the usual kind.
class LineEndTracker : public QObject {
    Q_OBJECT

public:
    explicit LineEndTracker(QTextDocument &document, QObject *parent = nullptr);

    // Marks the breaks the file had of another kind than its usual one (after the text is in).
    void mark(const LineEndExceptions &exceptions);
    // The breaks of another kind than the usual one, as the document stands now.
    static LineEndExceptions exceptionsIn(const QTextDocument &document);

    // The document's characters, every one as it is, with '\n' between lines. QTextDocument's own
    // toPlainText() would turn no-break spaces into spaces and line separators into line breaks.
    static QString exactText(const QTextDocument &document);

private:
    void contentsChanged(int position, int removed, int added);

    QTextDocument &document_;
    int blockCount_;
};
