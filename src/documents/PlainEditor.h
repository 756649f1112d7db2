#pragma once

#include "documents/EditorControl.h"

#include <QPlainTextEdit>

// The editing control in plain-text mode: fast on big files, one font for the whole text.
class PlainEditor : public QPlainTextEdit, public EditorControl {
    Q_OBJECT

public:
    explicit PlainEditor(QWidget *parent = nullptr);

    QWidget *widget() override { return this; }
    QTextDocument *document() const override { return QPlainTextEdit::document(); }
    QTextCursor textCursor() const override { return QPlainTextEdit::textCursor(); }
    void setTextCursor(const QTextCursor &cursor) override { QPlainTextEdit::setTextCursor(cursor); }
    QTextCursor cursorForPosition(const QPoint &viewportPoint) const override
    {
        return QPlainTextEdit::cursorForPosition(viewportPoint);
    }
    using QPlainTextEdit::cursorRect;
    QRect cursorRect(const QTextCursor &cursor) const override { return QPlainTextEdit::cursorRect(cursor); }
    bool isReadOnly() const override { return QPlainTextEdit::isReadOnly(); }
    void setWordWrap(bool wrap) override;
    bool wordWrap() const override;
    void setSideMargins(int pixels) override;
    int sideMargin() const override { return viewportMargins().left(); }
    void setTextFont(const QFont &font) override { setFont(font); }
    void cut() override { QPlainTextEdit::cut(); }
    void copy() override { QPlainTextEdit::copy(); }
    void paste() override { QPlainTextEdit::paste(); }
    void selectAll() override { QPlainTextEdit::selectAll(); }
    void undo() override { QPlainTextEdit::undo(); }
};
