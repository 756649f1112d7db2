#pragma once

#include "documents/rtf/RtfColourCollector.h"
#include "documents/rtf/RtfFontCollector.h"
#include "documents/rtf/RtfListCollector.h"

#include <QByteArray>
#include <QString>

class QTextBlock;
class QTextCharFormat;
class QTextDocument;
class QTextFrame;
class QTextImageFormat;
class QTextList;
class QTextTable;

// Writes a QTextDocument as RTF that word processors read: Windows-1252 with "\uN" for the rest, font and
// colour tables gathered while the blocks are walked, character and paragraph formatting, lists in the
// list-table form with the older "\pn" form beside it for older readers, tables as "\trowd ... \cell ...
// \row", pictures as PNG or JPEG ("\shppict"), hyperlinks as HYPERLINK fields. A table inside a table cell
// is written as the cell's paragraphs.
class RtfWriter {
public:
    static QByteArray write(const QTextDocument &document);

private:
    explicit RtfWriter(const QTextDocument &document);

    enum class Ending { Paragraph, Cell };

    QByteArray document();
    void writeFrame(const QTextFrame &frame);
    void writeTable(const QTextTable &table);
    void writeRowDefinition(const QTextTable &table, int row, const QList<int> &rightEdges);
    void writeBlock(const QTextBlock &block, bool inTable, Ending ending);
    void writeParagraphFormat(
        const QTextBlock &block, bool inTable, const std::optional<RtfListCollector::Placement> &placement);
    void writeListText(const QTextBlock &block, const QTextList &list);
    void writePnFallback(const QTextList &list);
    void writeCharFormat(const QTextCharFormat &format);
    void writePicture(const QTextImageFormat &format);
    void switchLink(const QString &address);

    QString fontFamily(const QTextCharFormat &format) const;
    int halfPoints(const QTextCharFormat &format) const;

    const QTextDocument &m_document;
    RtfFontCollector m_fonts;
    RtfColourCollector m_colours;
    RtfListCollector m_lists;
    QByteArray m_body;
    QString m_openLink;
    bool m_pageBreakPending = false;
};
