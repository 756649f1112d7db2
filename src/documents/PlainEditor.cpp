#include "documents/PlainEditor.h"

#include "documents/CaretParagraphCache.h"

PlainEditor::PlainEditor(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setTabChangesFocus(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setWordWrap(true);
    // The side margins lie outside the viewport; they take the text's background.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    new CaretParagraphCache(*this);
}

void PlainEditor::setSideMargins(int pixels)
{
    setViewportMargins(pixels, 0, pixels, 0);
}

void PlainEditor::setWordWrap(bool wrap)
{
    setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(wrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
}

bool PlainEditor::wordWrap() const
{
    return lineWrapMode() != QPlainTextEdit::NoWrap;
}
