#pragma once

#include "documents/position/BlockLineMeasurer.h"
#include "platform/TextCodec.h"

#include <QObject>
#include <QPointer>
#include <QTextCursor>
#include <QTimer>

class PlainEditor;
class QTextBlock;
class QTextDocument;

// The caret position and the line counts of a plain-text editor, as the editor lays its text out: with
// word wrap every wrapped piece of a paragraph is a line of its own. Answers cost a few tree look-ups,
// never a layout of the whole document, so the position display can be refreshed on every key press even
// at the end of a file of hundreds of megabytes.
//
// How: every paragraph (QTextBlock) carries its number of laid-out lines, and the document keeps their
// sums in its block tree (QTextDocument::lineCount, QTextBlock::firstLineNumber). The editor's own
// layout sets that number only for the paragraphs it has shown, and for a paragraph edited in place,
// which it lays out again at once; this tracker measures the others (BlockLineMeasurer, nothing kept
// in memory): small edits at once, big ones (pasting, loading, a new width or font) in short slices of
// the event loop once the document has been quiet for a moment. Until those slices are done, counts
// below the measured part may be low; measured() then tells the window to refresh its display once
// more.
//
// Use from Twinform1 (XYinfo):
//     tracker = new PositionTracker(*editor);           // owned by the editor
//     connect(tracker, &PositionTracker::measured, this, &Twinform1::XYinfo);
//     const auto at = tracker->position();              // posY = at.line, posX = at.column
//     posLabel->setText(QString::number(at.line + 1) + u',' + QString::number(at.column));
//     antalLabel->setText(QString::number(at.lineCount));
class PositionTracker : public QObject {
    Q_OBJECT

public:
    struct Position {
        int line = 0; // the caret's laid-out line, from 0
        int column = 0; // characters before the caret on that line
        int lineCount = 1; // laid-out lines of the whole text; an empty text has 1
    };

    explicit PositionTracker(PlainEditor &editor);

    // With a selection, the caret is the end of the selection.
    Position position();
    // For the file information: the length of the text with each line break counted as the line
    // ending writes it (CR LF as two characters).
    qint64 characterCount(LineEnding lineEnding) const;
    // The laid-out lines without a last line that is empty; an empty text has 0.
    int lineCountWithoutEmptyLast();

    // True while some paragraphs still wait to be measured.
    bool isMeasuring() const { return unmeasuredFrom_ >= 0; }

Q_SIGNALS:
    // Every paragraph is measured: the counts are final until the next change.
    void measured();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void contentsChanged(int position, int removed, int added);
    // True when the layout settings changed since the last look; every paragraph then needs measuring.
    bool refreshSettings();
    void measureLater(const QTextBlock &from);
    void measureSlice();
    // Sets the paragraph's line count; true when it changed.
    bool measure(const QTextBlock &block);
    // Lets the editor's scroll bar follow changed counts.
    void publish();

    QPointer<PlainEditor> editor_;
    QTextDocument *document_;
    BlockLineMeasurer measurer_;
    // A place in the first paragraph that may still need measuring; -1 when none does. Kept as a number
    // that follows the edits before it: a QTextCursor would lay its paragraph out on every move.
    int unmeasuredFrom_ = -1;
    // The paragraph count after the last change, to tell which edits the editor lays out itself.
    int blockCount_ = 0;
    QTimer quiet_;
    QTimer slices_;
};
