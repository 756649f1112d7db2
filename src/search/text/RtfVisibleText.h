#pragma once

#include "documents/rtf/RtfContentSink.h"
#include "search/text/HitLineLayout.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

// The visible text of an RTF document exactly as the rich-text window holds it (the raw text of the
// QTextDocument the RTF reader builds: its paragraphs joined by U+2029), read without building that
// document, which costs several times what reading the RTF does. A search looks through the text and
// lays out only the paragraphs that hold a hit, from the formats the document would give them.
// Tables and pictures place characters of their own in a document; a file with either is left to the
// document, as is one the reader refuses.
class RtfVisibleText : public RtfContentSink {
public:
    // Nothing when the document must be built to know its text.
    static std::optional<RtfVisibleText> read(QByteArrayView rtf);

    const QString &text() const { return text_; }
    // The paragraph that holds the character at `position`, and where in the text it starts.
    HitLineLayout::Paragraph paragraphAt(qsizetype position, qsizetype *start) const;

    void beginParagraph(bool inTable) override;
    void appendText(QStringView text, const RtfTextStyle &style) override;
    void appendPicture(const RtfPicture &picture) override;
    void endParagraph(const RtfParagraphStyle &paragraph, const RtfTextStyle &mark) override;
    void endCell() override;
    void endRow(const RtfTableRow &row) override;

private:
    RtfVisibleText() = default;

    struct Run {
        qsizetype start = 0;
        qsizetype length = 0;
        qsizetype style = 0; // in styles_
    };
    struct Block {
        qsizetype start = 0;
        qsizetype firstRun = 0;
        qsizetype style = -1; // in paragraphStyles_; none: the plain format a new block gets
    };

    QString text_;
    // Each differs from the one before: runs in a row, and paragraphs, mostly share one.
    QList<RtfTextStyle> styles_;
    QList<RtfParagraphStyle> paragraphStyles_;
    QList<Run> runs_;
    QList<Block> blocks_ { Block() }; // a document always has its first block
    bool blockPending_ = false; // as the document builder: the next paragraph opens a block
    bool needsDocument_ = false;
};
