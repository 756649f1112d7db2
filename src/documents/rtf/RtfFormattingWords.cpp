#include "documents/rtf/RtfFormattingWords.h"

namespace {

// Word's own limit for indents and spacing, 22 inches; larger values are damage and would only stretch the
// page.
constexpr int kMaxTwips = 31680;

int indentTwips(int value)
{
    return qBound(-kMaxTwips, value, kMaxTwips);
}
int spacingTwips(int value)
{
    return qBound(0, value, kMaxTwips);
}

} // namespace

bool RtfFormattingWords::apply(RtfKeyword keyword, const RtfToken &token, RtfGroupState &group)
{
    const int value = token.parameter;
    const bool on = !token.hasParameter || value != 0; // "\b" switches on, "\b0" off
    RtfCharacterState &character = group.character;
    RtfParagraphState &paragraph = group.paragraph;

    switch (keyword) {
    case RtfKeyword::Plain: {
        QString link = std::move(character.linkAddress);
        character = RtfCharacterState {};
        character.linkAddress = std::move(link);
        break;
    }
    case RtfKeyword::Font:
        character.font = value;
        break;
    case RtfKeyword::FontSize:
        character.halfPoints = token.hasParameter ? qBound(2, value, 3276) : 24;
        break;
    case RtfKeyword::Bold:
        character.bold = on;
        break;
    case RtfKeyword::Italic:
        character.italic = on;
        break;
    case RtfKeyword::Underline:
        character.underline = on;
        break;
    case RtfKeyword::UnderlineNone:
        character.underline = false;
        break;
    case RtfKeyword::Strike:
        character.strike = on;
        break;
    case RtfKeyword::Hidden:
        character.hidden = on;
        break;
    case RtfKeyword::Colour:
        character.colour = value;
        break;
    case RtfKeyword::Background:
        character.background = value;
        break;
    case RtfKeyword::Superscript:
        character.position = RtfTextStyle::Position::Superscript;
        break;
    case RtfKeyword::Subscript:
        character.position = RtfTextStyle::Position::Subscript;
        break;
    case RtfKeyword::NoSuperSub:
        character.position = RtfTextStyle::Position::Normal;
        break;
    case RtfKeyword::Raise: // "\upN" and "\dnN" move text by N half points; the nearest is a script position
        character.position = value != 0 || !token.hasParameter ? RtfTextStyle::Position::Superscript
                                                               : RtfTextStyle::Position::Normal;
        break;
    case RtfKeyword::Lower:
        character.position = value != 0 || !token.hasParameter ? RtfTextStyle::Position::Subscript
                                                               : RtfTextStyle::Position::Normal;
        break;

    case RtfKeyword::ParagraphDefaults:
        paragraph = RtfParagraphState {};
        break;
    case RtfKeyword::AlignLeft:
        paragraph.alignment = RtfParagraphStyle::Alignment::Left;
        break;
    case RtfKeyword::AlignCentre:
        paragraph.alignment = RtfParagraphStyle::Alignment::Centre;
        break;
    case RtfKeyword::AlignRight:
        paragraph.alignment = RtfParagraphStyle::Alignment::Right;
        break;
    case RtfKeyword::AlignJustify:
        paragraph.alignment = RtfParagraphStyle::Alignment::Justify;
        break;
    case RtfKeyword::LeftIndent:
        paragraph.leftIndent = indentTwips(value);
        break;
    case RtfKeyword::RightIndent:
        paragraph.rightIndent = indentTwips(value);
        break;
    case RtfKeyword::FirstLineIndent:
        paragraph.firstLineIndent = indentTwips(value);
        break;
    case RtfKeyword::SpaceBefore:
        paragraph.spaceBefore = spacingTwips(value);
        break;
    case RtfKeyword::SpaceAfter:
        paragraph.spaceAfter = spacingTwips(value);
        break;
    case RtfKeyword::PageBreakBefore:
        paragraph.pageBreakBefore = on;
        break;
    case RtfKeyword::ListOverrideNumber:
        paragraph.listOverride = value;
        break;
    case RtfKeyword::InTable:
        paragraph.inTable = on;
        break;
    case RtfKeyword::ListLevelNumber:
        paragraph.listLevel = qBound(0, value, 8);
        break;

    case RtfKeyword::UnicodeSkip:
        group.unicodeSkip = token.hasParameter ? qBound(0, value, 255) : 1;
        break;
    default:
        return false;
    }
    return true;
}
