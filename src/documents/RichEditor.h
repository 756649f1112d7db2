#pragma once

#include "documents/EditorControl.h"

#include <QTextEdit>

// The editing control in rich-text mode: character and paragraph formatting of the selection.
class RichEditor : public QTextEdit, public EditorControl {
    Q_OBJECT

public:
    explicit RichEditor(QWidget *parent = nullptr);

    QWidget *widget() override { return this; }
    QTextDocument *document() const override { return QTextEdit::document(); }
    QTextCursor textCursor() const override { return QTextEdit::textCursor(); }
    void setTextCursor(const QTextCursor &cursor) override { QTextEdit::setTextCursor(cursor); }
    QTextCursor cursorForPosition(const QPoint &viewportPoint) const override
    {
        return QTextEdit::cursorForPosition(viewportPoint);
    }
    using QTextEdit::cursorRect;
    QRect cursorRect(const QTextCursor &cursor) const override { return QTextEdit::cursorRect(cursor); }
    bool isReadOnly() const override { return QTextEdit::isReadOnly(); }
    void setWordWrap(bool wrap) override;
    bool wordWrap() const override;
    void setSideMargins(int pixels) override;
    int sideMargin() const override;
    void setTextFont(const QFont &font) override;
    void cut() override { QTextEdit::cut(); }
    void copy() override { QTextEdit::copy(); }
    void paste() override { QTextEdit::paste(); }
    void selectAll() override { QTextEdit::selectAll(); }
    void undo() override { QTextEdit::undo(); }

    // Formatting of the selection, or of what is typed next when nothing is selected.
    void setSelectionFontName(const QString &family);
    void setSelectionFontSize(qreal points);
    void setSelectionColor(const QColor &color);
    void setSelectionBold(bool on);
    void setSelectionItalic(bool on);
    void setSelectionUnderline(bool on);
    void setSelectionStrikeOut(bool on);
    // Formatting of the paragraphs the selection touches.
    void setParagraphAlignment(Qt::Alignment alignment);
    void setParagraphBullets(bool on);
    void setParagraphIndents(qreal left, qreal right, qreal firstLine);
    // The character formatting at the caret.
    QTextCharFormat formatAtCaret() const { return currentCharFormat(); }
    QTextBlockFormat paragraphFormatAtCaret() const { return textCursor().blockFormat(); }

private:
    void mergeFormat(const QTextCharFormat &format);
};
