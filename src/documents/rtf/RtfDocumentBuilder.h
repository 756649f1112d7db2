#pragma once

#include "documents/rtf/RtfContentSink.h"

#include <QHash>
#include <QTextCharFormat>
#include <QTextCursor>

class QTextDocument;
class QTextList;

// Writes what the parser reads into a QTextDocument, appending at its end.
class RtfDocumentBuilder : public RtfContentSink {
public:
    explicit RtfDocumentBuilder(QTextDocument &document);

    void appendText(QStringView text, const RtfTextStyle &style) override;
    void endParagraph(const RtfParagraphStyle &paragraph, const RtfTextStyle &mark) override;

private:
    void startPendingBlock();
    const QTextCharFormat &charFormat(const RtfTextStyle &style);
    static QTextCharFormat toCharFormat(const RtfTextStyle &style);
    static QTextBlockFormat toBlockFormat(const RtfParagraphStyle &paragraph);
    void joinList(const RtfListItem &item);

    QTextCursor m_cursor;
    bool m_blockPending = false; // the next content starts a new block; the first block already exists
    RtfTextStyle m_lastStyle; // consecutive runs mostly share a style; converting it once saves time
    QTextCharFormat m_lastFormat;
    struct OpenList {
        QTextList *list = nullptr; // owned by the document
        int items = 0;
    };
    QHash<QString, OpenList> m_lists; // by identity, level and style
};
