#pragma once

#include <QObject>
#include <QPointer>
#include <QTextCursor>
#include <QTextLayout>
#include <QTimer>

class EditorControl;
class QAbstractScrollArea;
class QTextBlock;
class QTextDocument;
class SpellingService;

// Marks misspelt words (a red wave under them) and web addresses (underlined in the link colour) in an
// editor, one marker per document for both kinds of mark.
//
// Only paragraphs in view are marked: just before the editor paints, paragraphs that came into view are
// checked, and an edited paragraph in view is checked as the user types. So a file of hundreds of
// megabytes costs no more to mark than a short letter, and loading it costs nothing extra. Paragraphs of over
// 32 K characters are not marked (each mark lays its paragraph out again whole). A word that ends at the
// caret while the user types it is left alone until the caret leaves it.
//
// It is no QSyntaxHighlighter on purpose: that one formats every paragraph the document gets, which
// for a 20 MB file took 50 % more time to load and 85 % more memory even with nothing to mark. The marks
// are set the same way (extra formats on each paragraph's layout), so they never touch the text, the
// undo history or the modified flag. The marker keeps its per-paragraph state in QTextBlockUserData;
// nothing else may set block user data on the same document.
//
// Use: new TextMarker(*editor, spelling);   // a child of the editor's widget; spelling may be null
class TextMarker : public QObject {
    Q_OBJECT

public:
    TextMarker(EditorControl &editor, SpellingService *spelling);

    // Checks every paragraph again as it comes into view (the user's words changed, or the user asked
    // for the spelling to be done again). Connected to SpellingService::wordsChanged.
    void remarkAll();
    // Marks the paragraphs in view now, rather than before the next paint.
    void markView();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private Q_SLOTS:
    void caretMoved();

private:
    void contentsChanged(int position, int removed, int added);
    void scheduleView();
    void mark(QTextBlock block, bool typing);
    void forget(QTextBlock block);
    QList<QTextLayout::FormatRange> marksFor(const QTextBlock &block, bool typing);
    bool isInView(int blockNumber) const;

    EditorControl &editor_;
    QAbstractScrollArea *area_;
    // Kept apart from area_: the filter must not call the editor while the editor is being destroyed.
    QWidget *viewport_;
    QTextDocument *document_;
    QPointer<SpellingService> spelling_;
    // Marks made before remarkAll() are out of date.
    int generation_ = 1;
    // The paragraphs in view when last looked, by number.
    int firstInView_ = 0;
    int lastInView_ = -1;
    QTimer viewTimer_;
    // Start of the word left unmarked at the caret; null when there is none.
    QTextCursor heldWord_;
};
