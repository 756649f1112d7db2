#pragma once

#include "documents/rtf/RtfContentSink.h"
#include "documents/rtf/RtfTableBuilder.h"

#include <QHash>
#include <QTextCharFormat>
#include <QTextCursor>

class QTextDocument;
class QTextList;

// Writes what the parser reads into a QTextDocument, appending at its end: paragraphs, lists, tables as
// QTextTables and pictures as image resources (see RtfPictureResources).
class RtfDocumentBuilder : public RtfContentSink {
public:
    explicit RtfDocumentBuilder(QTextDocument &document);

    void beginParagraph(bool inTable) override;
    void appendText(QStringView text, const RtfTextStyle &style) override;
    void appendPicture(const RtfPicture &picture) override;
    void endParagraph(const RtfParagraphStyle &paragraph, const RtfTextStyle &mark) override;
    void endCell() override;
    void endRow(const RtfTableRow &row) override;

    // The formats the document is given, for readers that lay out a paragraph without a document.
    static QTextCharFormat toCharFormat(const RtfTextStyle &style);
    static QTextBlockFormat toBlockFormat(const RtfParagraphStyle &paragraph);

private:
    const QTextCharFormat &charFormat(const RtfTextStyle &style);
    void joinList(const RtfListItem &item);

    QTextDocument &m_document;
    QTextCursor m_cursor;
    bool m_blockPending = false; // the next paragraph starts a new block; the first block already exists
    RtfTableBuilder m_table;
    RtfTextStyle m_lastStyle; // consecutive runs mostly share a style; converting it once saves time
    QTextCharFormat m_lastFormat;
    struct OpenList {
        QTextList *list = nullptr; // owned by the document
        int items = 0;
    };
    QHash<QString, OpenList> m_lists; // by identity, level and style
    QHash<QString, int> m_deepestLevel; // by identity: the deepest level with an open list
};
