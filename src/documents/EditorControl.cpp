#include "documents/EditorControl.h"

#include "documents/find/DocumentTextCache.h"
#include "documents/find/TextFinder.h"

#include <QTextBlock>
#include <QTextDocument>

EditorControl::EditorControl()
    : searchText_(std::make_unique<DocumentTextCache>())
{ }

EditorControl::~EditorControl() = default;

void EditorControl::deleteSelection()
{
    QTextCursor cursor = textCursor();
    cursor.removeSelectedText();
    setTextCursor(cursor);
}

QString EditorControl::text() const
{
    return document()->toPlainText();
}

int EditorControl::selStart() const
{
    return textCursor().selectionStart();
}

int EditorControl::selLength() const
{
    const QTextCursor cursor = textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void EditorControl::setSelection(int start, int length)
{
    QTextCursor cursor(document());
    const int last = document()->characterCount() - 1;
    cursor.setPosition(std::clamp(start, 0, last));
    cursor.setPosition(std::clamp(start + length, 0, last), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void EditorControl::replaceSelection(const QString &text)
{
    QTextCursor cursor = textCursor();
    cursor.insertText(text);
    setTextCursor(cursor);
}

int EditorControl::blockCount() const
{
    return document()->blockCount();
}

int EditorControl::lineFromChar(int position) const
{
    return document()->findBlock(position).blockNumber();
}

QString EditorControl::lineText(int line) const
{
    return document()->findBlockByNumber(line).text();
}

int EditorControl::lineStart(int line) const
{
    const QTextBlock block = document()->findBlockByNumber(line);
    return block.isValid() ? block.position() : -1;
}

bool EditorControl::isModified() const
{
    return document()->isModified();
}

void EditorControl::setModified(bool modified)
{
    document()->setModified(modified);
}

int EditorControl::FindText(const QString &text, int start, int length, FindOptions options) const
{
    TextFinder::Options finderOptions;
    if (options & WholeWord)
        finderOptions |= TextFinder::WholeWord;
    if (options & MatchCase)
        finderOptions |= TextFinder::MatchCase;
    const QString &content = searchText();
    const qsizetype end = length < 0 ? content.size() : qsizetype(start) + length;
    return int(TextFinder(text, finderOptions).findForward(content, start, end));
}

const QString &EditorControl::searchText() const
{
    return searchText_->textOf(document());
}
