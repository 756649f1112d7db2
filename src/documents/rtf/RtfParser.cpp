#include "documents/rtf/RtfParser.h"

#include "documents/rtf/RtfFormattingWords.h"
#include "documents/rtf/RtfHyperlinkField.h"
#include "documents/rtf/RtfTokenizer.h"

#include <utility>

namespace {

// Characters that have a meaning of their own inside a QTextDocument (paragraph and frame boundaries,
// embedded objects) or none at all (control characters) never reach it as text.
bool isStructural(char16_t c)
{
    return (c < 0x20 && c != u'\t') || c == 0x2029 || c == 0xFDD0 || c == 0xFDD1 || c == 0xFFFC;
}

bool containsStructural(QStringView text)
{
    for (const QChar c : text) {
        if (isStructural(c.unicode()))
            return true;
    }
    return false;
}

} // namespace

RtfParser::Outcome RtfParser::parse(QByteArrayView rtf)
{
    RtfTokenizer tokenizer(rtf);
    m_input = rtf;
    m_states = { RtfGroupState {} };
    while (!m_rootClosed) {
        const RtfToken token = tokenizer.next();
        switch (token.type) {
        case RtfToken::Type::End:
            m_rootClosed = true; // a truncated file: the missing braces are implied
            if (m_states.size() > 1)
                m_losses |= RtfLoss::Damage;
            break;
        case RtfToken::Type::GroupStart:
            flushBytes();
            if (!pushGroup())
                return Outcome::TooDeep;
            if (m_states[m_states.size() - 2].destination == RtfDestination::Picture)
                skipGroup(); // a picture's own groups (its id, its properties) add nothing to its bytes
            break;
        case RtfToken::Type::GroupEnd:
            flushBytes();
            popGroup(tokenizer.position());
            break;
        case RtfToken::Type::ControlWord:
            flushBytes();
            m_wordStart = tokenizer.tokenStart();
            handleWord(token);
            break;
        case RtfToken::Type::ControlSymbol:
            flushBytes();
            handleSymbol(token.symbol);
            break;
        case RtfToken::Type::HexByte:
            if (!consumeFallback() && state().destination != RtfDestination::Discarded
                && state().destination != RtfDestination::Picture)
                m_pendingBytes.append(token.symbol);
            break;
        case RtfToken::Type::Text:
            handleText(token.word);
            break;
        case RtfToken::Type::Binary:
            flushBytes();
            if (!consumeFallback() && state().destination == RtfDestination::Picture)
                m_picture.binaryData = token.word.toByteArray();
            break;
        }
        if (std::exchange(m_skipGroup, false)) {
            tokenizer.skipRestOfGroup();
            popGroup(tokenizer.position());
        }
    }
    flushBytes();
    if (m_paragraphHasContent)
        endParagraph(); // the last paragraph needs no "\par"
    checkEnd(rtf.sliced(tokenizer.position()));
    return Outcome::Finished;
}

void RtfParser::checkEnd(QByteArrayView rest)
{
    // Writers end files with line breaks or a NUL; anything more after the document's closing brace is text
    // that belonged to it, cut off by a stray brace.
    for (const char c : rest) {
        if (c != '\0' && c != '\r' && c != '\n' && c != ' ' && c != '\t' && c != '\x1a') {
            m_losses |= RtfLoss::Damage;
            return;
        }
    }
}

bool RtfParser::pushGroup()
{
    if (m_states.size() > kMaxGroupDepth)
        return false;
    RtfGroupState inherited = m_states.last();
    inherited.opensField = false;
    inherited.opensPicture = false;
    m_states.append(std::move(inherited));
    m_fallbackToSkip = 0;
    m_starred = false;
    return true;
}

void RtfParser::popGroup(qsizetype end)
{
    m_fallbackToSkip = 0;
    m_starred = false;
    m_styleChanged = true;
    if (m_states.size() <= 1) {
        m_rootClosed = true;
        return;
    }
    const RtfGroupState closed = m_states.takeLast();
    switch (closed.destination) {
    case RtfDestination::FontTable:
        m_fonts.endEntry();
        break;
    case RtfDestination::PnDefinition:
    case RtfDestination::PnTextBefore:
    case RtfDestination::PnTextAfter:
        state().paragraph.pn = closed.paragraph.pn; // the definition describes the enclosing paragraph
        break;
    default:
        break;
    }
    if (closed.opensField && !m_fields.isEmpty())
        closeField(m_fields.takeLast());
    if (closed.opensPicture && state().destination == RtfDestination::Document) {
        m_picture.groupTail = m_input.sliced(m_pictureStart, qMin(end, m_input.size()) - m_pictureStart);
        appendPicture();
    }
    if (m_states.size() == 1)
        m_rootClosed = true; // text after the document's closing brace is not part of it
}

bool RtfParser::consumeFallback()
{
    if (m_fallbackToSkip <= 0)
        return false;
    --m_fallbackToSkip;
    return true;
}

void RtfParser::handleWord(const RtfToken &token)
{
    const RtfKeywordInfo info = RtfKeywords::find(token.word);
    const bool starred = std::exchange(m_starred, false);
    if (consumeFallback())
        return;
    if (info.keyword == RtfKeyword::SkippedDestination) {
        m_losses |= info.loss;
        skipGroup();
        return;
    }
    if (handleDestination(info.keyword))
        return;
    if (starred) {
        skipGroup(); // "\*" marks a destination that readers which do not know it must skip
        return;
    }
    if (handleTableWord(info.keyword, token))
        return;

    switch (info.keyword) {
    case RtfKeyword::Character:
        appendCharacters(QStringView(&info.character, 1));
        return;
    case RtfKeyword::Unicode:
        appendUnicode(token.parameter);
        return;
    default:
        handleDocumentWord(info.keyword, token);
    }
}

void RtfParser::appendUnicode(int value)
{
    // Negative values stand for 32768..65535; anything outside 16 bits is damage and stands for nothing.
    // A character beyond 16 bits comes as two halves; a half without its partner is damage too, and is
    // never let into the document, where no file could store it.
    m_fallbackToSkip = state().unicodeSkip;
    if (value < -32768 || value > 65535)
        return;
    const char16_t character = char16_t(value);
    if (QChar::isHighSurrogate(character)) {
        m_highSurrogate = character;
    } else if (QChar::isLowSurrogate(character)) {
        if (m_highSurrogate) {
            const char16_t pair[] = { m_highSurrogate, character };
            appendCharacters(QStringView(pair, 2));
        }
    } else {
        appendCharacters(QStringView(&character, 1));
    }
}

void RtfParser::skipGroup()
{
    state().destination = RtfDestination::Discarded; // so closing it does not end a table entry
    m_skipGroup = true;
}

bool RtfParser::handleDestination(RtfKeyword keyword)
{
    RtfGroupState &group = state();
    switch (keyword) {
    case RtfKeyword::FontTable:
        group.destination = RtfDestination::FontTable;
        return true;
    case RtfKeyword::ColourTable:
        group.destination = RtfDestination::ColourTable;
        return true;
    case RtfKeyword::ListTable:
        group.destination = RtfDestination::ListTable;
        return true;
    case RtfKeyword::ListOverrideTable:
        group.destination = RtfDestination::ListOverrideTable;
        return true;
    case RtfKeyword::ListLevelText:
        group.destination = group.destination == RtfDestination::ListTable ? RtfDestination::ListLevelText
                                                                           : RtfDestination::Discarded;
        return true;
    case RtfKeyword::Field:
        // A field inside an instruction is part of that instruction.
        if (group.destination == RtfDestination::Document) {
            group.destination = RtfDestination::Field;
            group.opensField = true;
            m_fields.append(OpenField {});
        }
        return true;
    case RtfKeyword::FieldInstruction:
        if (group.destination != RtfDestination::FieldInstruction)
            group.destination = group.destination == RtfDestination::Field ? RtfDestination::FieldInstruction
                                                                           : RtfDestination::Discarded;
        return true;
    case RtfKeyword::FieldResult:
        if (group.destination == RtfDestination::Field) {
            group.destination = RtfDestination::Document;
            const QString address = RtfHyperlinkField::address(m_fields.last().instruction);
            if (!address.isEmpty())
                group.character.linkAddress = address;
        }
        return true;
    case RtfKeyword::PnDefinition:
        if (group.destination == RtfDestination::Document) {
            group.destination = RtfDestination::PnDefinition;
            group.paragraph.pn = RtfPnState {};
        } else {
            group.destination = RtfDestination::Discarded;
        }
        return true;
    case RtfKeyword::PnTextBefore:
    case RtfKeyword::PnTextAfter:
        if (group.destination != RtfDestination::PnDefinition)
            group.destination = RtfDestination::Discarded;
        else
            group.destination = keyword == RtfKeyword::PnTextBefore ? RtfDestination::PnTextBefore
                                                                    : RtfDestination::PnTextAfter;
        return true;
    case RtfKeyword::UnicodeAlternative:
    case RtfKeyword::ShapePicture: // the picture inside is read like any other
        return true;
    case RtfKeyword::Picture:
        if (group.destination != RtfDestination::Document) {
            skipGroup(); // pictures of list bullets and of skipped content
            return true;
        }
        group.destination = RtfDestination::Picture;
        group.opensPicture = true;
        m_picture = RtfPicture {};
        m_pictureStart = m_wordStart;
        return true;
    case RtfKeyword::Object:
    case RtfKeyword::Shape:
        m_losses |= RtfLoss::Objects;
        if (group.destination == RtfDestination::Document)
            group.destination = RtfDestination::Embedded;
        else
            skipGroup();
        return true;
    case RtfKeyword::ObjectResult:
    case RtfKeyword::ShapeResult:
        if (group.destination == RtfDestination::Embedded)
            group.destination = RtfDestination::Document;
        else
            skipGroup();
        return true;
    default:
        return false;
    }
}

bool RtfParser::handleTableWord(RtfKeyword keyword, const RtfToken &token)
{
    const int value = token.parameter;
    switch (state().destination) {
    case RtfDestination::FontTable:
        switch (keyword) {
        case RtfKeyword::Font:
            m_fonts.beginEntry(value);
            return true;
        case RtfKeyword::FontCharset:
            m_fonts.setCharset(value);
            return true;
        case RtfKeyword::FontCodePage:
            m_fonts.setCodePage(value);
            return true;
        default:
            return false;
        }
    case RtfDestination::ColourTable:
        switch (keyword) {
        case RtfKeyword::Red:
            m_colours.setRed(value);
            return true;
        case RtfKeyword::Green:
            m_colours.setGreen(value);
            return true;
        case RtfKeyword::Blue:
            m_colours.setBlue(value);
            return true;
        default:
            return false;
        }
    case RtfDestination::ListTable:
        switch (keyword) {
        case RtfKeyword::List:
            m_lists.beginList();
            return true;
        case RtfKeyword::ListId:
            m_lists.setListId(value);
            return true;
        case RtfKeyword::ListLevel:
            m_lists.beginLevel();
            return true;
        case RtfKeyword::LevelNumbering:
            m_lists.setLevelNumbering(value);
            return true;
        default:
            return false;
        }
    case RtfDestination::ListOverrideTable:
        switch (keyword) {
        case RtfKeyword::ListOverride:
            m_lists.beginOverride();
            return true;
        case RtfKeyword::ListId:
            m_lists.setOverrideListId(value);
            return true;
        case RtfKeyword::ListOverrideNumber:
            m_lists.setOverrideNumber(value);
            return true;
        default:
            return false;
        }
    case RtfDestination::Picture:
        return handlePictureWord(keyword, value);
    case RtfDestination::PnDefinition: {
        RtfPnState &pn = state().paragraph.pn;
        switch (keyword) {
        case RtfKeyword::PnBullet:
            pn.kind = RtfPnState::Kind::Bullet;
            return true;
        case RtfKeyword::PnBody:
            pn.kind = RtfPnState::Kind::Numbered;
            return true;
        case RtfKeyword::PnLevel:
            pn.kind = RtfPnState::Kind::Numbered;
            pn.level = qBound(1, value, 9);
            return true;
        case RtfKeyword::PnDecimal:
            pn.numbering = RtfListStyle::Decimal;
            return true;
        case RtfKeyword::PnUpperRoman:
            pn.numbering = RtfListStyle::UpperRoman;
            return true;
        case RtfKeyword::PnLowerRoman:
            pn.numbering = RtfListStyle::LowerRoman;
            return true;
        case RtfKeyword::PnUpperLetter:
            pn.numbering = RtfListStyle::UpperAlpha;
            return true;
        case RtfKeyword::PnLowerLetter:
            pn.numbering = RtfListStyle::LowerAlpha;
            return true;
        default:
            return false;
        }
    }
    default:
        return false;
    }
}

bool RtfParser::handlePictureWord(RtfKeyword keyword, int value)
{
    // Sizes beyond a page are damage; clamping keeps a damaged picture from asking for gigabytes.
    constexpr int kMaxTwips = 31680;
    constexpr int kMaxPixels = 32767;
    switch (keyword) {
    case RtfKeyword::PicturePng:
        m_picture.format = RtfPicture::Format::Png;
        return true;
    case RtfKeyword::PictureJpeg:
        m_picture.format = RtfPicture::Format::Jpeg;
        return true;
    case RtfKeyword::PictureWidth:
        m_picture.pixelWidth = qBound(0, value, kMaxPixels);
        return true;
    case RtfKeyword::PictureHeight:
        m_picture.pixelHeight = qBound(0, value, kMaxPixels);
        return true;
    case RtfKeyword::PictureGoalWidth:
        m_picture.goalWidth = qBound(0, value, kMaxTwips);
        return true;
    case RtfKeyword::PictureGoalHeight:
        m_picture.goalHeight = qBound(0, value, kMaxTwips);
        return true;
    case RtfKeyword::PictureScaleX:
        m_picture.scaleX = qBound(1, value, 1000);
        return true;
    case RtfKeyword::PictureScaleY:
        m_picture.scaleY = qBound(1, value, 1000);
        return true;
    default:
        return true; // the picture's own words mean nothing outside it
    }
}

bool RtfParser::handleRowWord(RtfKeyword keyword, int value)
{
    constexpr int kMaxTwips = RtfTableRow::kMaxEdgeTwips;
    switch (keyword) {
    case RtfKeyword::RowDefaults:
        m_row = RtfTableRow {};
        m_nextCellMerge = RtfTableRow::Merge::None;
        return true;
    case RtfKeyword::RowLeft:
        m_row.leftEdge = qBound(-kMaxTwips, value, kMaxTwips);
        return true;
    case RtfKeyword::CellMergeLeft:
        m_nextCellMerge = RtfTableRow::Merge::IntoLeft;
        return true;
    case RtfKeyword::CellMergeAbove:
        m_nextCellMerge = RtfTableRow::Merge::IntoAbove;
        return true;
    case RtfKeyword::CellRightEdge:
        if (m_row.cells.size() < RtfTableRow::kMaxCells)
            m_row.cells.append({ qBound(-kMaxTwips, value, kMaxTwips), m_nextCellMerge });
        m_nextCellMerge = RtfTableRow::Merge::None;
        return true;
    default:
        return false;
    }
}

void RtfParser::handleDocumentWord(RtfKeyword keyword, const RtfToken &token)
{
    if (RtfFormattingWords::apply(keyword, token, state())) {
        m_styleChanged = true;
        if (keyword == RtfKeyword::ParagraphDefaults && state().destination == RtfDestination::Document)
            m_paragraphOpened = true;
        return;
    }
    const int value = token.parameter;
    if (handleRowWord(keyword, value))
        return;
    const bool inDocument = state().destination == RtfDestination::Document;
    switch (keyword) {
    case RtfKeyword::Ansi:
        m_documentCodePage = RtfCodePages::kWindows1252;
        break;
    case RtfKeyword::Mac:
        m_documentCodePage = 10000;
        break;
    case RtfKeyword::Pc:
        m_documentCodePage = 437;
        break;
    case RtfKeyword::Pca:
        m_documentCodePage = 850;
        break;
    case RtfKeyword::AnsiCodePage:
        if (value > 0)
            m_documentCodePage = value;
        break;
    case RtfKeyword::DefaultFont:
        m_defaultFont = value;
        break;

    case RtfKeyword::Line:
        appendCharacters(u"\u2028");
        break;
    case RtfKeyword::Tab:
        appendCharacters(u"\t");
        break;
    case RtfKeyword::Paragraph:
        if (inDocument)
            endParagraph();
        break;
    case RtfKeyword::Page:
        if (inDocument)
            breakPage();
        break;
    case RtfKeyword::Cell:
        if (inDocument)
            endCell();
        break;
    case RtfKeyword::Row:
        if (inDocument)
            endRow();
        break;
    case RtfKeyword::NestedCell:
    case RtfKeyword::NestedRow:
        // A table inside a cell gives its cells to the outer cell, one paragraph each.
        if (inDocument && (m_paragraphHasContent || state().paragraph.inTable))
            endParagraph(true);
        break;
    default:
        break;
    }
}

void RtfParser::handleSymbol(char symbol)
{
    if (symbol == '*') {
        m_starred = true;
        return;
    }
    m_starred = false;
    if (consumeFallback())
        return;
    switch (symbol) {
    case '\\':
    case '{':
    case '}': {
        const char16_t character = char16_t(symbol);
        appendCharacters(QStringView(&character, 1));
        break;
    }
    case '~':
        appendCharacters(u"\u00A0");
        break;
    case '-':
        appendCharacters(u"\u00AD");
        break;
    case '_':
        appendCharacters(u"\u2011");
        break;
    case '\t':
        appendCharacters(u"\t");
        break;
    case '\n':
    case '\r':
        if (state().destination == RtfDestination::Document)
            endParagraph(); // a backslash before a line break is an old way of writing "\par"
        break;
    default:
        break; // index marks and other symbols without visible text
    }
}

void RtfParser::handleText(QByteArrayView bytes)
{
    const qsizetype fallback = qMin<qsizetype>(m_fallbackToSkip, bytes.size());
    m_fallbackToSkip -= int(fallback);
    switch (state().destination) {
    case RtfDestination::Picture:
        m_picture.hexData.append(bytes.sliced(fallback)); // decoded once, when the picture ends
        break;
    case RtfDestination::Discarded:
    case RtfDestination::Embedded:
        break;
    default:
        m_pendingBytes.append(bytes.sliced(fallback));
    }
}

void RtfParser::flushBytes()
{
    if (m_pendingBytes.isEmpty())
        return;
    const QString text = m_codePages.decode(m_pendingBytes, currentCodePage());
    m_pendingBytes.resize(0);
    appendCharacters(text);
}

int RtfParser::currentCodePage() const
{
    const RtfGroupState &group = m_states.last();
    int codePage = 0;
    if (group.destination == RtfDestination::FontTable) {
        codePage = m_fonts.entryCodePage();
    } else {
        const int index = group.character.font >= 0 ? group.character.font : m_defaultFont;
        if (const RtfFontTable::Font *font = m_fonts.font(index))
            codePage = font->codePage;
    }
    return codePage ? codePage : m_documentCodePage;
}

void RtfParser::appendCharacters(QStringView text)
{
    m_highSurrogate = 0;
    RtfGroupState &group = state();
    switch (group.destination) {
    case RtfDestination::Document:
        if (!group.character.hidden)
            appendShown(text);
        else if (!text.isEmpty())
            m_losses |= RtfLoss::HiddenText;
        break;
    case RtfDestination::FontTable:
        m_fonts.appendName(text);
        break;
    case RtfDestination::ColourTable:
        for (const QChar c : text) {
            if (c == u';')
                m_colours.endEntry();
        }
        break;
    case RtfDestination::ListLevelText:
        m_lists.appendLevelText(text);
        break;
    case RtfDestination::FieldInstruction:
        if (!m_fields.isEmpty())
            m_fields.last().instruction += text;
        break;
    case RtfDestination::PnTextBefore:
        group.paragraph.pn.textBefore += text;
        break;
    case RtfDestination::PnTextAfter:
        group.paragraph.pn.textAfter += text;
        break;
    default:
        break;
    }
}

void RtfParser::appendShown(QStringView text)
{
    if (m_styleChanged) {
        RtfTextStyle style = m_styles.text(state().character, m_defaultFont);
        if (!(style == m_runStyle)) {
            flushRun();
            m_runStyle = std::move(style);
        }
        m_styleChanged = false;
    }
    const qsizetype before = m_runText.size();
    if (!containsStructural(text)) {
        m_runText += text;
    } else {
        for (const QChar c : text) {
            if (c == QChar::ParagraphSeparator)
                m_runText += QChar::LineSeparator; // a break inside the paragraph is the nearest it can be
            else if (!isStructural(c.unicode()))
                m_runText += c;
        }
    }
    if (m_runText.size() > before)
        m_paragraphHasContent = true;
}

void RtfParser::beginParagraph(bool inTable)
{
    if (!m_paragraphBegun) {
        m_paragraphBegun = true;
        m_sink.beginParagraph(inTable);
    }
}

void RtfParser::flushRun()
{
    if (m_runText.isEmpty())
        return;
    beginParagraph(state().paragraph.inTable);
    m_sink.appendText(m_runText, m_runStyle);
    m_runText.resize(0);
}

void RtfParser::appendPicture()
{
    if (state().character.hidden) {
        m_losses |= RtfLoss::HiddenText;
        return;
    }
    flushRun();
    beginParagraph(state().paragraph.inTable);
    m_sink.appendPicture(m_picture);
    m_picture = RtfPicture {};
    m_paragraphHasContent = true;
}

void RtfParser::closeField(const OpenField &field)
{
    // Hyperlinks live on as links; every other field leaves only its result as plain text.
    if (!field.instruction.trimmed().isEmpty() && RtfHyperlinkField::address(field.instruction).isEmpty())
        m_losses |= RtfLoss::Fields;
}

void RtfParser::endParagraph(bool inCell)
{
    const RtfParagraphState &current = m_states.last().paragraph;
    const bool inTable = inCell || current.inTable;
    beginParagraph(inTable);
    flushRun();
    RtfParagraphStyle paragraph = m_styles.paragraph(current, m_pnRun);
    paragraph.pageBreakBefore = std::exchange(m_pageBreakPending, false) || current.pageBreakBefore;
    paragraph.inTable = inTable;
    m_sink.endParagraph(paragraph, m_styles.text(m_states.last().character, m_defaultFont));
    if (current.pn.kind == RtfPnState::Kind::None)
        ++m_pnRun;
    m_paragraphHasContent = false;
    m_paragraphBegun = false;
    m_paragraphOpened = false;
    if (inTable)
        m_cellHasParagraph = true;
}

void RtfParser::breakPage()
{
    // A page break ends the paragraph it stands in; at the start of a paragraph it moves that paragraph.
    if (m_paragraphHasContent)
        endParagraph();
    m_pageBreakPending = true;
}

void RtfParser::endCell()
{
    // A cell ends its last paragraph, unless a "\par" just did: converters that write "text\par\cell" mean
    // one paragraph, not a second empty one. An empty last paragraph opened with its own "\pard" is one,
    // and an empty cell still gets its one empty paragraph.
    if (m_paragraphHasContent || !m_cellHasParagraph || m_paragraphOpened)
        endParagraph(true);
    m_sink.endCell();
    m_cellHasParagraph = false;
}

void RtfParser::endRow()
{
    if (m_paragraphHasContent)
        endCell(); // text between the last cell and the row's end: damage, but the text is kept
    m_sink.endRow(m_row);
    m_cellHasParagraph = false;
}
