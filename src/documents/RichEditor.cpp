#include "documents/RichEditor.h"

#include <QTextList>

RichEditor::RichEditor(QWidget *parent)
    : QTextEdit(parent)
{
    setAcceptRichText(true);
    setTabChangesFocus(false);
    setWordWrap(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The side margins lie outside the viewport; they take the paper's colour.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void RichEditor::setWordWrap(bool wrap)
{
    setLineWrapMode(wrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
}

bool RichEditor::wordWrap() const
{
    return lineWrapMode() != QTextEdit::NoWrap;
}

// Outside the text, so the margins are no part of the document: they are neither saved nor an edit.
void RichEditor::setSideMargins(int pixels)
{
    setViewportMargins(pixels, 0, pixels, 0);
}

int RichEditor::sideMargin() const
{
    return viewportMargins().left();
}

void RichEditor::setTextFont(const QFont &font)
{
    document()->setDefaultFont(font);
}

void RichEditor::mergeFormat(const QTextCharFormat &format)
{
    QTextCursor cursor = textCursor();
    cursor.mergeCharFormat(format);
    mergeCurrentCharFormat(format);
}

void RichEditor::setSelectionFontName(const QString &family)
{
    QTextCharFormat format;
    format.setFontFamilies({ family });
    mergeFormat(format);
}

void RichEditor::setSelectionFontSize(qreal points)
{
    QTextCharFormat format;
    format.setFontPointSize(points);
    mergeFormat(format);
}

void RichEditor::setSelectionColor(const QColor &color)
{
    QTextCharFormat format;
    format.setForeground(color);
    mergeFormat(format);
}

void RichEditor::setSelectionBold(bool on)
{
    QTextCharFormat format;
    format.setFontWeight(on ? QFont::Bold : QFont::Normal);
    mergeFormat(format);
}

void RichEditor::setSelectionItalic(bool on)
{
    QTextCharFormat format;
    format.setFontItalic(on);
    mergeFormat(format);
}

void RichEditor::setSelectionUnderline(bool on)
{
    QTextCharFormat format;
    format.setFontUnderline(on);
    mergeFormat(format);
}

void RichEditor::setSelectionStrikeOut(bool on)
{
    QTextCharFormat format;
    format.setFontStrikeOut(on);
    mergeFormat(format);
}

void RichEditor::setParagraphAlignment(Qt::Alignment alignment)
{
    QTextBlockFormat format;
    format.setAlignment(alignment);
    textCursor().mergeBlockFormat(format);
}

void RichEditor::setParagraphBullets(bool on)
{
    QTextCursor cursor = textCursor();
    if (on) {
        if (!cursor.currentList())
            cursor.createList(QTextListFormat::ListDisc);
        return;
    }
    if (QTextList *list = cursor.currentList()) {
        const QTextBlock first = document()->findBlock(cursor.selectionStart());
        const QTextBlock last = document()->findBlock(cursor.selectionEnd());
        for (QTextBlock block = first; block.isValid(); block = block.next()) {
            list->remove(block);
            QTextCursor blockCursor(block);
            QTextBlockFormat format = block.blockFormat();
            format.setIndent(0);
            blockCursor.setBlockFormat(format);
            if (block == last)
                break;
        }
    }
}

void RichEditor::setParagraphIndents(qreal left, qreal right, qreal firstLine)
{
    QTextBlockFormat format;
    format.setLeftMargin(left);
    format.setRightMargin(right);
    format.setTextIndent(firstLine);
    textCursor().mergeBlockFormat(format);
}
