#pragma once

#include "documents/rtf/RtfColourCollector.h"
#include "documents/rtf/RtfFontCollector.h"

#include <QByteArray>
#include <QString>

class QTextBlock;
class QTextCharFormat;
class QTextDocument;
class QTextList;

// Writes a QTextDocument as RTF that word processors read: Windows-1252 with "\uN" for the rest, font and
// colour tables gathered while the blocks are walked, character and paragraph formatting, bullets and
// numbering in the older "\pn" form every reader knows, hyperlinks as HYPERLINK fields.
class RtfWriter {
public:
    static QByteArray write(const QTextDocument &document);

private:
    explicit RtfWriter(const QTextDocument &document);

    QByteArray document();
    void writeBlock(const QTextBlock &block, bool pageBreakBefore);
    void writeParagraphFormat(const QTextBlock &block);
    void writeListMarker(const QTextBlock &block, const QTextList &list);
    void writeCharFormat(const QTextCharFormat &format);
    void switchLink(const QString &address);

    QString fontFamily(const QTextCharFormat &format) const;
    int halfPoints(const QTextCharFormat &format) const;

    const QTextDocument &m_document;
    RtfFontCollector m_fonts;
    RtfColourCollector m_colours;
    QByteArray m_body;
    QString m_openLink;
};
