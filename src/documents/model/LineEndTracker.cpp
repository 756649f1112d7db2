#include "documents/model/LineEndTracker.h"

#include <QTextBlock>
#include <QTextDocument>

namespace {

constexpr int kUsual = -1; // a block's state until it is set

} // namespace

LineEndTracker::LineEndTracker(QTextDocument &document, QObject *parent)
    : QObject(parent)
    , document_(document)
    , blockCount_(document.blockCount())
{
    connect(&document_, &QTextDocument::contentsChange, this, &LineEndTracker::contentsChanged);
}

void LineEndTracker::mark(const LineEndExceptions &exceptions)
{
    for (const LineEndException &exception : exceptions) {
        QTextBlock block = document_.findBlockByNumber(int(exception.lineBreak));
        if (block.isValid() && block.next().isValid())
            block.setUserState(int(exception.ending));
    }
}

LineEndExceptions LineEndTracker::exceptionsIn(const QTextDocument &document)
{
    LineEndExceptions exceptions;
    qsizetype lineBreak = 0;
    for (QTextBlock block = document.begin(); block.isValid() && block.next().isValid();
         block = block.next(), ++lineBreak) {
        if (block.userState() != kUsual)
            exceptions.append({ lineBreak, LineEnding(block.userState()) });
    }
    return exceptions;
}

QString LineEndTracker::exactText(const QTextDocument &document)
{
    QString text = document.toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    return text;
}

void LineEndTracker::contentsChanged(int position, int removed, int added)
{
    const int blockCount = document_.blockCount();
    const bool formatOnly = removed == added && blockCount == blockCount_;
    blockCount_ = blockCount;
    if (formatOnly)
        return;
    // Breaks were typed or pasted into a line: its odd break now ends the last of the new lines.
    QTextBlock first = document_.findBlock(position);
    if (!first.isValid() || first.userState() == kUsual)
        return;
    QTextBlock last = document_.findBlock(position + added);
    if (!last.isValid() || last == first)
        return;
    last.setUserState(first.userState());
    first.setUserState(kUsual);
}
