#pragma once

#include "documents/rtf/RtfCodePages.h"
#include "documents/rtf/RtfColourTable.h"
#include "documents/rtf/RtfContentSink.h"
#include "documents/rtf/RtfFontTable.h"
#include "documents/rtf/RtfGroupState.h"
#include "documents/rtf/RtfKeywords.h"
#include "documents/rtf/RtfListTable.h"
#include "documents/rtf/RtfLoss.h"
#include "documents/rtf/RtfPicture.h"
#include "documents/rtf/RtfStyleResolver.h"
#include "documents/rtf/RtfTableRow.h"
#include "documents/rtf/RtfToken.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Reads RTF tokens with a stack of group states (each group inherits its parent's formatting and
// destination and drops its changes when it closes) and hands the shown content to a sink. Tolerant by
// design: unknown control words are ignored, a missing closing brace is implied, a stray one ends the
// document, as word processors do. One parser reads one document.
class RtfParser {
public:
    enum class Outcome { Finished, TooDeep };

    // Real documents nest a few dozen groups; far deeper nesting is damage or an attack.
    static constexpr qsizetype kMaxGroupDepth = 1000;

    explicit RtfParser(RtfContentSink &sink)
        : m_sink(sink)
    { }

    Outcome parse(QByteArrayView rtf);
    // What the document could not keep, known once parse() has returned.
    RtfLosses losses() const { return m_losses; }

private:
    struct OpenField {
        QString instruction;
    };

    RtfGroupState &state() { return m_states.last(); }
    bool pushGroup();
    void popGroup(qsizetype end);

    void handleWord(const RtfToken &token);
    void skipGroup();
    void appendUnicode(int value);
    bool handleDestination(RtfKeyword keyword);
    bool handleTableWord(RtfKeyword keyword, const RtfToken &token);
    bool handlePictureWord(RtfKeyword keyword, int value);
    bool handleRowWord(RtfKeyword keyword, int value);
    void handleDocumentWord(RtfKeyword keyword, const RtfToken &token);
    void handleSymbol(char symbol);
    void handleText(QByteArrayView bytes);

    bool consumeFallback();
    void flushBytes();
    int currentCodePage() const;
    void appendCharacters(QStringView text);
    void appendShown(QStringView text);
    void beginParagraph(bool inTable);
    void flushRun();
    void endParagraph(bool inCell = false);
    void breakPage();
    void endCell();
    void endRow();
    void appendPicture();
    void closeField(const OpenField &field);
    void checkEnd(QByteArrayView rest);

    RtfContentSink &m_sink;
    QByteArrayView m_input;
    QList<RtfGroupState> m_states;
    QList<OpenField> m_fields;
    RtfFontTable m_fonts;
    RtfColourTable m_colours;
    RtfListTable m_lists;
    RtfStyleResolver m_styles { m_fonts, m_colours, m_lists };
    RtfCodePages m_codePages;
    int m_documentCodePage = RtfCodePages::kWindows1252;
    int m_defaultFont = -1;

    QByteArray m_pendingBytes; // decoded together, so a two-byte character written as two escapes survives
    int m_fallbackToSkip = 0;
    bool m_starred = false; // "\*": the next control word is a destination to skip unless known
    bool m_skipGroup = false;
    bool m_rootClosed = false;

    QString m_runText;
    RtfTextStyle m_runStyle;
    bool m_styleChanged = true;
    bool m_paragraphHasContent = false;
    bool m_paragraphBegun = false; // the sink knows where the paragraph stands
    bool m_pageBreakPending = false;
    bool m_cellHasParagraph = false; // a "\cell" right after a "\par" adds no empty paragraph
    bool m_paragraphOpened = false; // a "\pard" since the last paragraph ended
    char16_t m_highSurrogate = 0; // the first half of a character beyond 16 bits, until its second arrives
    RtfTableRow m_row;
    RtfTableRow::Merge m_nextCellMerge = RtfTableRow::Merge::None;
    RtfPicture m_picture;
    qsizetype m_wordStart = 0; // where the control word being handled starts in the input
    qsizetype m_pictureStart = 0;
    RtfLosses m_losses;
    int m_pnRun = 0; // counts paragraphs outside older-form lists, so separate such lists stay separate
};
