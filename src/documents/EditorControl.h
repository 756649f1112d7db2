#pragma once

#include <QString>
#include <QTextCursor>

#include <memory>

class QFont;
class QPoint;
class QRect;
class QTextDocument;
class QWidget;
class DocumentTextCache;

// What the document windows, find and replace, the date texts and the find-text box need of a
// text-editing control, whichever mode it is in. Positions count characters from 0, a line break
// counting as one. The two modes (PlainEditor, RichEditor) supply the widget; the operations on the
// text are the same for both, because both edit a QTextDocument.
class EditorControl {
public:
    enum FindOption { NoOption = 0, WholeWord = 1, MatchCase = 2 };
    Q_DECLARE_FLAGS(FindOptions, FindOption)

    EditorControl();
    virtual ~EditorControl();

    virtual QWidget *widget() = 0;
    virtual QTextDocument *document() const = 0;
    virtual QTextCursor textCursor() const = 0;
    virtual void setTextCursor(const QTextCursor &cursor) = 0;
    // The cursor at a point of the editor's viewport (the scrolled area that shows the text).
    virtual QTextCursor cursorForPosition(const QPoint &viewportPoint) const = 0;
    // Where the cursor is drawn, in viewport coordinates.
    virtual QRect cursorRect(const QTextCursor &cursor) const = 0;
    // True while the user cannot edit the text (a file still streaming in, for one).
    virtual bool isReadOnly() const = 0;

    // Layout
    virtual void setWordWrap(bool wrap) = 0;
    virtual bool wordWrap() const = 0;
    virtual void setSideMargins(int pixels) = 0;
    virtual int sideMargin() const = 0;
    // The font of the whole text (a display setting, not part of a plain document).
    virtual void setTextFont(const QFont &font) = 0;

    // Clipboard and undo
    virtual void cut() = 0;
    virtual void copy() = 0;
    virtual void paste() = 0;
    virtual void selectAll() = 0;
    virtual void undo() = 0;
    void deleteSelection();

    // Text, selection and caret
    QString text() const;
    int selStart() const;
    int selLength() const;
    void setSelection(int start, int length);
    // Replaces the selection; the caret ends after the new text.
    void replaceSelection(const QString &text);

    // Lines as the document holds them (a wrapped line counts once)
    int blockCount() const;
    int lineFromChar(int position) const;
    QString lineText(int line) const;
    int lineStart(int line) const;

    bool isModified() const;
    void setModified(bool modified);

    // The first occurrence lying wholly inside [start, start + length), or -1. A length of -1 means to
    // the end of the text. Matches by the program's one rule (TextFinder), which the search through
    // files uses too; a needle never spans two paragraphs.
    int FindText(const QString &text, int start, int length, FindOptions options) const;
    // The text FindText searches: the document's characters position for position, a paragraph break
    // as U+2029. Taken once after each change, so a run of searches between two edits reads it once.
    const QString &searchText() const;

private:
    std::unique_ptr<DocumentTextCache> searchText_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(EditorControl::FindOptions)
