#include "documents/rtf/RtfKeywords.h"

#include <string_view>
#include <unordered_map>

namespace {

using Table = std::unordered_map<std::string_view, RtfKeywordInfo>;

Table buildTable()
{
    using K = RtfKeyword;
    Table table = {
        { "ansi", { K::Ansi } },
        { "mac", { K::Mac } },
        { "pc", { K::Pc } },
        { "pca", { K::Pca } },
        { "ansicpg", { K::AnsiCodePage } },
        { "deff", { K::DefaultFont } },

        { "fonttbl", { K::FontTable } },
        { "fcharset", { K::FontCharset } },
        { "cpg", { K::FontCodePage } },
        { "colortbl", { K::ColourTable } },
        { "red", { K::Red } },
        { "green", { K::Green } },
        { "blue", { K::Blue } },
        { "listtable", { K::ListTable } },
        { "list", { K::List } },
        { "listlevel", { K::ListLevel } },
        { "leveltext", { K::ListLevelText } },
        { "levelnfc", { K::LevelNumbering } },
        { "levelnfcn", { K::LevelNumbering } },
        { "listid", { K::ListId } },
        { "listoverridetable", { K::ListOverrideTable } },
        { "listoverride", { K::ListOverride } },

        { "plain", { K::Plain } },
        { "f", { K::Font } },
        { "fs", { K::FontSize } },
        { "b", { K::Bold } },
        { "i", { K::Italic } },
        { "ul", { K::Underline } },
        { "uld", { K::Underline } },
        { "uldash", { K::Underline } },
        { "uldb", { K::Underline } },
        { "ulth", { K::Underline } },
        { "ulw", { K::Underline } },
        { "ulwave", { K::Underline } },
        { "ulnone", { K::UnderlineNone } },
        { "strike", { K::Strike } },
        { "striked", { K::Strike } },
        { "v", { K::Hidden } },
        { "cf", { K::Colour } },
        { "cb", { K::Background } },
        { "highlight", { K::Background } },
        { "chcbpat", { K::Background } },
        { "super", { K::Superscript } },
        { "sub", { K::Subscript } },
        { "nosupersub", { K::NoSuperSub } },
        { "up", { K::Raise } },
        { "dn", { K::Lower } },

        { "pard", { K::ParagraphDefaults } },
        { "ql", { K::AlignLeft } },
        { "qc", { K::AlignCentre } },
        { "qr", { K::AlignRight } },
        { "qj", { K::AlignJustify } },
        { "qd", { K::AlignJustify } },
        { "li", { K::LeftIndent } },
        { "lin", { K::LeftIndent } },
        { "ri", { K::RightIndent } },
        { "rin", { K::RightIndent } },
        { "fi", { K::FirstLineIndent } },
        { "sb", { K::SpaceBefore } },
        { "sa", { K::SpaceAfter } },
        { "pagebb", { K::PageBreakBefore } },
        { "ls", { K::ListOverrideNumber } },
        { "ilvl", { K::ListLevelNumber } },
        { "pn", { K::PnDefinition } },
        { "pnlvlblt", { K::PnBullet } },
        { "pnlvlbody", { K::PnBody } },
        { "pnlvl", { K::PnLevel } },
        { "pndec", { K::PnDecimal } },
        { "pnucrm", { K::PnUpperRoman } },
        { "pnlcrm", { K::PnLowerRoman } },
        { "pnucltr", { K::PnUpperLetter } },
        { "pnlcltr", { K::PnLowerLetter } },
        { "pntxtb", { K::PnTextBefore } },
        { "pntxta", { K::PnTextAfter } },

        { "par", { K::Paragraph } },
        { "sect", { K::Paragraph } },
        { "line", { K::Line } },
        { "tab", { K::Tab } },
        { "page", { K::Page } },
        { "cell", { K::Cell } },
        { "nestcell", { K::NestedCell } },
        { "row", { K::Row } },
        { "nestrow", { K::NestedRow } },
        { "intbl", { K::InTable } },
        { "trowd", { K::RowDefaults } },
        { "trleft", { K::RowLeft } },
        { "cellx", { K::CellRightEdge } },
        { "clmrg", { K::CellMergeLeft } },
        { "clvmrg", { K::CellMergeAbove } },

        { "pict", { K::Picture } },
        { "shppict", { K::ShapePicture } },
        { "pngblip", { K::PicturePng } },
        { "jpegblip", { K::PictureJpeg } },
        { "picw", { K::PictureWidth } },
        { "pich", { K::PictureHeight } },
        { "picwgoal", { K::PictureGoalWidth } },
        { "pichgoal", { K::PictureGoalHeight } },
        { "picscalex", { K::PictureScaleX } },
        { "picscaley", { K::PictureScaleY } },
        { "object", { K::Object } },
        { "result", { K::ObjectResult } },
        { "shp", { K::Shape } },
        { "shprslt", { K::ShapeResult } },
        { "u", { K::Unicode } },
        { "uc", { K::UnicodeSkip } },
        { "emdash", { K::Character, u'\u2014' } },
        { "endash", { K::Character, u'\u2013' } },
        { "bullet", { K::Character, u'\u2022' } },
        { "lquote", { K::Character, u'\u2018' } },
        { "rquote", { K::Character, u'\u2019' } },
        { "ldblquote", { K::Character, u'\u201C' } },
        { "rdblquote", { K::Character, u'\u201D' } },
        { "emspace", { K::Character, u'\u2003' } },
        { "enspace", { K::Character, u'\u2002' } },
        { "qmspace", { K::Character, u'\u2005' } },
        { "zwj", { K::Character, u'\u200D' } },
        { "zwnj", { K::Character, u'\u200C' } },
        { "ltrmark", { K::Character, u'\u200E' } },
        { "rtlmark", { K::Character, u'\u200F' } },

        { "field", { K::Field } },
        { "fldinst", { K::FieldInstruction } },
        { "fldrslt", { K::FieldResult } },
        { "ud", { K::UnicodeAlternative } },
    };
    // Destinations that hold no text of the document: shown, their content would be noise.
    for (const std::string_view skipped : { "info", "stylesheet", "shpinst", "nonshppict", "nonesttables",
             "txe", "rxe", "template", "revtbl", "pntext", "listtext", "listname", "levelnumbers", "lfolevel",
             "pnseclvl", "private", "bkmkstart", "bkmkend", "datafield", "themedata", "colorschememapping",
             "latentstyles", "rsidtbl", "generator", "mmathPr", "xmlnstbl", "filetbl", "ftnsep", "ftnsepc",
             "ftncn", "aftnsep", "aftnsepc", "aftncn", "objdata", "userprops", "docvar", "wgrffmtfilter",
             "pgdsctbl", "falt", "panose", "fchars", "lchars", "background" })
        table.emplace(skipped, RtfKeywordInfo { K::SkippedDestination });
    // Destinations with content of the document that it has no place for.
    const std::pair<std::string_view, RtfLoss> lost[] = {
        { "header", RtfLoss::HeadersAndFooters },
        { "headerl", RtfLoss::HeadersAndFooters },
        { "headerr", RtfLoss::HeadersAndFooters },
        { "headerf", RtfLoss::HeadersAndFooters },
        { "footer", RtfLoss::HeadersAndFooters },
        { "footerl", RtfLoss::HeadersAndFooters },
        { "footerr", RtfLoss::HeadersAndFooters },
        { "footerf", RtfLoss::HeadersAndFooters },
        { "footnote", RtfLoss::Footnotes },
        { "annotation", RtfLoss::Comments },
        { "atnid", RtfLoss::Comments },
        { "atnauthor", RtfLoss::Comments },
        { "atntime", RtfLoss::Comments },
        { "atnref", RtfLoss::Comments },
        { "atrfstart", RtfLoss::Comments },
        { "atrfend", RtfLoss::Comments },
        { "do", RtfLoss::Objects },
        { "xe", RtfLoss::IndexEntries },
        { "tc", RtfLoss::IndexEntries },
    };
    for (const auto &[word, loss] : lost)
        table.emplace(word, RtfKeywordInfo { K::SkippedDestination, 0, loss });
    return table;
}

} // namespace

RtfKeywordInfo RtfKeywords::find(QByteArrayView word)
{
    static const Table table = buildTable();
    const auto hit = table.find(std::string_view(word.data(), size_t(word.size())));
    return hit == table.end() ? RtfKeywordInfo {} : hit->second;
}
