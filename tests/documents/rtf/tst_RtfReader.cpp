#include "RtfTestPictures.h"
#include "documents/rtf/RtfPictureResources.h"
#include "documents/rtf/RtfReader.h"
#include "documents/rtf/TextDocumentDump.h"
#include "support/JsonSubset.h"
#include "support/TestData.h"

#include <QBuffer>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <QtTest>

Q_DECLARE_METATYPE(RtfReadResult::Status)

// Each construct of RTF the reader understands, in small hand-written snippets, checked by what the user
// would see: the shown text, and the paragraphs with their formatting and runs.
class RtfReaderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void showsText_data();
    void showsText();
    void keepsFormatting_data();
    void keepsFormatting();
    void readsWordProcessorFiles_data();
    void readsWordProcessorFiles();
    void readsTables_data();
    void readsTables();
    void keepsPictureBytes();
    void subListsNumberFromTheStart();
    void longListsKeepEveryItem();
    void reportsWhatItCannotKeep_data();
    void reportsWhatItCannotKeep();
    void readsFromDevice();
    void tellsNonRtfApart_data();
    void tellsNonRtfApart();

private:
    static QString shownText(const QByteArray &rtf);
};

QString RtfReaderTest::shownText(const QByteArray &rtf)
{
    QTextDocument document;
    const RtfReadResult result = RtfReader::read(rtf, document);
    if (!result.ok())
        return QStringLiteral("<not read: %1>").arg(result.error);
    return TextDocumentDump::visibleText(document);
}

void RtfReaderTest::showsText_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");

    QTest::newRow("paragraphs") << QByteArray(R"({\rtf1 Et\par To\par})") << u"Et\nTo\n"_qs;
    QTest::newRow("last paragraph without par") << QByteArray(R"({\rtf1 Et\par To})") << u"Et\nTo\n"_qs;
    QTest::newRow("empty paragraphs are kept")
        << QByteArray(R"({\rtf1 Et\par\par\par To\par})") << u"Et\n\n\nTo\n"_qs;
    QTest::newRow("line breaks in the file mean nothing")
        << QByteArray("{\\rtf1 Et\r\nto\ntre\\par}") << u"Ettotre\n"_qs;
    QTest::newRow("space ending a control word belongs to it")
        << QByteArray(R"({\rtf1\b  fed\b0 x})") << u" fedx\n"_qs;
    QTest::newRow("backslash before line break is a paragraph")
        << QByteArray("{\\rtf1 Et\\\nTo}") << u"Et\nTo\n"_qs;
    QTest::newRow("line and tab") << QByteArray(R"({\rtf1 a\tab b\line c})") << u"a\tb\nc\n"_qs;
    QTest::newRow("escaped braces and backslash") << QByteArray(R"({\rtf1 \{x\}\\})") << u"{x}\\\n"_qs;
    QTest::newRow("control symbols") << QByteArray(R"({\rtf1 a\~b\-c\_d})") << u"a\u00A0b\u00ADc\u2011d\n"_qs;
    QTest::newRow("named characters")
        << QByteArray(R"({\rtf1 \lquote a\rquote  \ldblquote b\rdblquote \emdash\endash\bullet})")
        << u"‘a’ “b”—–•\n"_qs;
    QTest::newRow("groups") << QByteArray(R"({\rtf1 a{b{c}d}e})") << u"abcde\n"_qs;

    QTest::newRow("hex escapes in Windows-1252")
        << QByteArray(R"({\rtf1\ansi\ansicpg1252 R\'f8dgr\'f8d \'80 \'93x\'94})") << u"Rødgrød € “x”\n"_qs;
    QTest::newRow("8-bit bytes in the text") << QByteArray("{\\rtf1\\ansi bl\xe5"
                                                           "b\xe6r}")
                                             << u"blåbær\n"_qs;
    QTest::newRow("hex escapes in Windows-1250")
        << QByteArray(R"({\rtf1\ansi\ansicpg1250 \'9a\'e8\'f8})") << u"ščř\n"_qs;
    QTest::newRow("font charset Cyrillic") << QByteArray(
        R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0 Arial;}{\f1\fcharset204 Arial Cyr;}}\f0 \'e6 {\f1 \'cf\'f0\'e8\'e2\'e5\'f2}})")
                                           << u"æ Привет\n"_qs;
    QTest::newRow("font code page wins over charset")
        << QByteArray(R"({\rtf1{\fonttbl{\f1\fcharset0\cpg1253 Greek;}}\f1 \'e1\'e2})") << u"αβ\n"_qs;
    QTest::newRow("Shift JIS in two escapes")
        << QByteArray(R"({\rtf1{\fonttbl{\f1\fcharset128 MS Mincho;}}\f1 \'82\'a0\'93\'fa})") << u"あ日\n"_qs;
    QTest::newRow("unknown code page falls back")
        << QByteArray(R"({\rtf1\ansi\ansicpg99999 \'e6})") << u"æ\n"_qs;

    QTest::newRow("unicode with fallback") << QByteArray(R"({\rtf1\uc1 \u937?\u8364\'80 x})") << u"Ω€ x\n"_qs;
    QTest::newRow("unicode negative") << QByteArray(R"({\rtf1\uc1\u-3913?})") << u"\uF0B7\n"_qs;
    QTest::newRow("unicode without fallback") << QByteArray(R"({\rtf1\uc0\u230\u248 x})") << u"æøx\n"_qs;
    QTest::newRow("two-byte fallback") << QByteArray(R"({\rtf1\uc2\u26085\'93\'fa!})") << u"日!\n"_qs;
    QTest::newRow("fallback count belongs to the group")
        << QByteArray(R"({\rtf1\uc1{\uc0\u230}\u248?})") << u"æø\n"_qs;
    QTest::newRow("fallback stops at a brace") << QByteArray(R"({\rtf1\uc3\u230{ab}})") << u"æab\n"_qs;
    QTest::newRow("surrogate pair") << QByteArray(R"({\rtf1\uc1\u-10179?\u-8704?})") << u"\U0001F600\n"_qs;

    QTest::newRow("document information skipped")
        << QByteArray(R"({\rtf1{\info{\title Titel}{\author Ole}}Tekst})") << u"Tekst\n"_qs;
    QTest::newRow("style sheet skipped")
        << QByteArray(R"({\rtf1{\stylesheet{\s0 Normal;}{\s1 heading 1;}}Tekst})") << u"Tekst\n"_qs;
    QTest::newRow("picture skipped, text around survives")
        << QByteArray(R"({\rtf1 F\'f8r {\pict\pngblip\picw10\pich10 89504e470d0a1a0a\}{}} efter})")
        << u"Før  efter\n"_qs;
    QTest::newRow("binary data skipped") << QByteArray("{\\rtf1 a{\\*\\blob\\bin5 }{\\}b}c}") << u"ac\n"_qs;
    QTest::newRow("binary data in shown text skipped") << QByteArray("{\\rtf1 a\\bin3 x}yb}") << u"ab\n"_qs;
    QTest::newRow("unknown starred destination skipped")
        << QByteArray(R"({\rtf1 a{\*\nyting{b}c}d})") << u"ad\n"_qs;
    QTest::newRow("unknown control word ignored, text kept")
        << QByteArray(R"({\rtf1 a{\nyting b}c})") << u"abc\n"_qs;
    QTest::newRow("header and footer skipped")
        << QByteArray(R"({\rtf1{\header Side}{\footerr Fod}Tekst})") << u"Tekst\n"_qs;
    QTest::newRow("footnote skipped")
        << QByteArray(R"({\rtf1 Tekst{\super\chftn{\footnote Note}} slut})") << u"Tekst slut\n"_qs;
    QTest::newRow("hidden text") << QByteArray(R"({\rtf1 a{\v skjult}b\v c\v0 d})") << u"abd\n"_qs;
    QTest::newRow("text after the closing brace ignored") << QByteArray(R"({\rtf1 a}b)") << u"a\n"_qs;

    QTest::newRow("field result shown, instruction not")
        << QByteArray(R"({\rtf1 Side {\field{\*\fldinst{ PAGE }}{\fldrslt 3}} af 5})") << u"Side 3 af 5\n"_qs;
    QTest::newRow("field inside an instruction stays hidden") << QByteArray(
        R"({\rtf1{\field{\*\fldinst IF {\field{\*\fldinst PAGE}{\fldrslt 1}} = 1 "ja"}{\fldrslt ja}}})")
                                                              << u"ja\n"_qs;
    QTest::newRow("list text not duplicated")
        << QByteArray(R"({\rtf1{\listtext\'b7\tab}Punkt\par{\pntext 1.\tab}Nummer\par})")
        << u"Punkt\nNummer\n"_qs;
    QTest::newRow("unicode twin of a group")
        << QByteArray(R"({\rtf1{\fonttbl{\upr{\f1 Old;}{\*\ud{\f1 N\u233?w;}}}}x})") << u"x\n"_qs;

    QTest::newRow("table cells separated by tabs") << QByteArray(
        R"({\rtf1\trowd\cellx1000\cellx2000\pard\intbl Navn\cell By\cell\row\trowd\cellx1000\cellx2000\pard\intbl Ole\cell \'c5rhus\cell\row\pard Efter\par})")
                                                   << u"Navn\nBy\nOle\nÅrhus\nEfter\n"_qs;
    QTest::newRow("table with empty cells")
        << QByteArray(R"({\rtf1\trowd\pard\intbl\cell b\cell\cell d\cell\row})") << u"\nb\n\nd\n"_qs;
    QTest::newRow("table cell with its own paragraph mark") << QByteArray(
        R"({\rtf1{\trowd\cellx1000\cellx2000{\pard\intbl Navn\par}\cell{\pard\intbl By\par}\cell\row}\pard Efter\par})")
                                                            << u"Navn\nBy\nEfter\n"_qs;
    QTest::newRow("table cell ending in an empty paragraph of its own")
        << QByteArray(R"({\rtf1\trowd\cellx1000\pard\intbl a\par\pard\intbl\par\pard\intbl\cell\pard b\par})")
        << u"a\n\n\nb\n"_qs;
    QTest::newRow("table cell with several paragraphs")
        << QByteArray(R"({\rtf1\trowd\cellx1000\cellx2000\pard\intbl a\par b\par\par c\cell d\cell\row})")
        << u"a\nb\n\nc\nd\n"_qs;
    // The outer cell keeps the paragraph that ends it after the inner table, as word processors show it.
    QTest::newRow("table inside a cell gives the cell its paragraphs") << QByteArray(
        R"({\rtf1\trowd\cellx3000\pard\intbl ydre\par\itap2 a\nestcell b\nestcell{\*\nesttableprops\trowd\cellx1000\cellx2000\nestrow}{\nonesttables\par}\pard\intbl\itap1\cell\row})")
                                                                       << u"ydre\na\nb\n\n"_qs;
    QTest::newRow("text after a table")
        << QByteArray(R"({\rtf1 F\'f8r\par\trowd\cellx1000\intbl a\cell\row\pard Efter})")
        << u"Før\na\nEfter\n"_qs;
    QTest::newRow("page break between paragraphs")
        << QByteArray(R"({\rtf1 Et\page To\par})") << u"Et\nTo\n"_qs;
    QTest::newRow("page break after par") << QByteArray(R"({\rtf1 Et\par\page To\par})") << u"Et\nTo\n"_qs;

    QTest::newRow("damaged: no content") << QByteArray(R"({\rtf1})") << u"\n"_qs;
    QTest::newRow("damaged: truncated in text") << QByteArray(R"({\rtf1 Et\par To og)") << u"Et\nTo og\n"_qs;
    QTest::newRow("damaged: truncated in hex escape") << QByteArray(R"({\rtf1 ab\'e)") << u"abe\n"_qs;
    QTest::newRow("damaged: broken hex escape") << QByteArray(R"({\rtf1 a\'zzb})") << u"azzb\n"_qs;
    QTest::newRow("damaged: truncated after backslash") << QByteArray("{\\rtf1 ab\\") << u"ab\n"_qs;
    QTest::newRow("damaged: truncated in control word") << QByteArray("{\\rtf1 ab\\fs2") << u"ab\n"_qs;
    QTest::newRow("damaged: truncated in a skipped group")
        << QByteArray(R"({\rtf1 a{\pict 0102)") << u"a\n"_qs;
    QTest::newRow("damaged: binary longer than the file")
        << QByteArray("{\\rtf1 a\\bin999999 xyz") << u"a\n"_qs;
    QTest::newRow("damaged: stray closing brace ends the document")
        << QByteArray(R"({\rtf1 a}}b})") << u"a\n"_qs;
    QTest::newRow("damaged: huge numbers")
        << QByteArray(R"({\rtf1\fs99999999999\li-99999999999\uc99999999999 a\u99999999999 b})") << u"a\n"_qs;
    QTest::newRow("damaged: control characters dropped") << QByteArray("{\\rtf1 a\x01\x02"
                                                                       "b\\'07c}")
                                                         << u"abc\n"_qs;
    QTest::newRow("damaged: characters with a meaning in the document")
        << QByteArray(R"({\rtf1 a\u8233?b\u65532?c\u-560?\u-559?d})") << u"a\nbcd\n"_qs;
    QTest::newRow("damaged: unpaired halves of a character dropped")
        << QByteArray(R"({\rtf1\uc1 a\u-10179?b\u-8704?c\u-10179?\u-10179?\u-8704?d})")
        << u"abc\U0001F600d\n"_qs;
    QTest::newRow("damaged: nul bytes") << QByteArray("{\\rtf1 a\0b}", 11) << u"ab\n"_qs;
    QTest::newRow("damaged: deep nesting")
        << QByteArray(R"({\rtf1 )") + QByteArray(5000, '{') + "x"
        << u"<not read: Filen kan ikke læses som RTF: den har grupper inden i grupper i mere end 1000 niveauer og er sandsynligvis beskadiget.>"_qs;
    QTest::newRow("damaged: deep nesting in a skipped group")
        << QByteArray(R"({\rtf1 a{\pict )") + QByteArray(5000, '{') + QByteArray(5000, '}') + "}b}"
        << u"ab\n"_qs;
}

void RtfReaderTest::showsText()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QCOMPARE(shownText(rtf), text);
}

void RtfReaderTest::keepsFormatting_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QByteArray>("paragraphs"); // JSON: the part of the dump's paragraphs that matters

    QTest::newRow("character styles switch on and off")
        << QByteArray(R"({\rtf1 \b f\b0 \i k\i0 \ul u\ul0 \ul v\ulnone \strike s\strike0 n})")
        << QByteArray(
               R"([{"runs":[{"text":"f","bold":true,"italic":false},{"text":"k","italic":true,"bold":false},
                         {"text":"uv","underline":true},{"text":"s","strike":true,"underline":false},
                         {"text":"n","bold":false,"italic":false,"underline":false,"strike":false}]}])");
    QTest::newRow("other underlines are underlines") << QByteArray(
        R"({\rtf1 \uldb a\ul0\ulwave b})") << QByteArray(R"([{"runs":[{"text":"ab","underline":true}]}])");
    QTest::newRow("a group keeps its formatting to itself")
        << QByteArray(R"({\rtf1 a{\b\i b}c})")
        << QByteArray(
               R"([{"runs":[{"text":"a","bold":false},{"text":"b","bold":true,"italic":true},{"text":"c","bold":false,"italic":false}]}])");
    QTest::newRow("plain resets characters")
        << QByteArray(R"({\rtf1{\fonttbl{\f0 Arial;}{\f1 Georgia;}}\deff0\f1\fs40\b a\plain b})")
        << QByteArray(
               R"([{"runs":[{"text":"a","font":"Georgia","size":20,"bold":true},{"text":"b","font":"Arial","size":12,"bold":false}]}])");
    QTest::newRow("fonts from the font table")
        << QByteArray(
               R"({\rtf1{\fonttbl{\f0\froman\fcharset0\fprq2{\*\panose 02020603050405020304}Times New Roman{\*\falt Times};}{\f1\fswiss Verdana;}}\f1 a\f0 b})")
        << QByteArray(R"([{"runs":[{"text":"a","font":"Verdana"},{"text":"b","font":"Times New Roman"}]}])");
    QTest::newRow("font table without braces")
        << QByteArray(R"({\rtf1{\fonttbl\f0\fswiss Helvetica;\f1\fmodern Courier;}\f1 a})")
        << QByteArray(R"([{"runs":[{"text":"a","font":"Courier"}]}])");
    QTest::newRow("default font") << QByteArray(R"({\rtf1\deff1{\fonttbl{\f0 Arial;}{\f1 Georgia;}}a})")
                                  << QByteArray(R"([{"runs":[{"text":"a","font":"Georgia","size":12}]}])");
    QTest::newRow("sizes in half points")
        << QByteArray(R"({\rtf1\fs21 a\fs72 b\fs99999999999 c})")
        << QByteArray(
               R"([{"runs":[{"text":"a","size":10.5},{"text":"b","size":36},{"text":"c","size":1638}]}])");
    QTest::newRow("colours, highlight and shading")
        << QByteArray(
               R"({\rtf1{\colortbl;\red255\green0\blue0;\red0\green128\blue0;\red255\green255\blue0;}\cf1 r\cf2 g\cf0 a{\highlight3 h}{\chcbpat2 s}{\cb1 c}{\highlight0 n}})")
        << QByteArray(
               R"([{"runs":[{"text":"r","colour":"#ff0000"},{"text":"g","colour":"#008000"},{"text":"a","colour":null,"background":null},
                         {"text":"h","background":"#ffff00"},{"text":"s","background":"#008000"},{"text":"c","background":"#ff0000"},{"text":"n","background":null}]}])");
    QTest::newRow("colour index outside the table")
        << QByteArray(R"({\rtf1{\colortbl;\red1\green2\blue3;}\cf7 a})")
        << QByteArray(R"([{"runs":[{"text":"a","colour":null}]}])");
    QTest::newRow("superscript and subscript")
        << QByteArray(R"({\rtf1 m{\super 2} H{\sub 2}O {\up6 a}{\dn4 b}{\up0 c}d})")
        << QByteArray(
               R"([{"runs":[{"text":"m","position":"normal"},{"text":"2","position":"superscript"},{"text":" H","position":"normal"},
                         {"text":"2","position":"subscript"},{"text":"O ","position":"normal"},{"text":"a","position":"superscript"},
                         {"text":"b","position":"subscript"},{"text":"cd","position":"normal"}]}])");

    QTest::newRow("alignment")
        << QByteArray(R"({\rtf1\pard\ql a\par\pard\qc b\par\pard\qr c\par\pard\qj d\par})")
        << QByteArray(
               R"([{"alignment":"left"},{"alignment":"center"},{"alignment":"right"},{"alignment":"justify"}])");
    QTest::newRow("indents and spacing in points")
        << QByteArray(R"({\rtf1\pard\li1440\ri720\fi-360\sb240\sa120 a\par})")
        << QByteArray(
               R"([{"leftIndent":72,"rightIndent":36,"firstLineIndent":-18,"spaceBefore":12,"spaceAfter":6}])");
    QTest::newRow("paragraph formatting carries on until pard")
        << QByteArray(R"({\rtf1\qc\li720 a\par b\par\pard c\par})")
        << QByteArray(
               R"([{"alignment":"center","leftIndent":36},{"alignment":"center","leftIndent":36},{"alignment":"left","leftIndent":0}])");
    QTest::newRow("formatting at the par is the paragraph's") << QByteArray(
        R"({\rtf1 a\qr\par b})") << QByteArray(R"([{"alignment":"right"},{"alignment":"left"}])");
    QTest::newRow("page break moves the next paragraph")
        << QByteArray(R"({\rtf1 a\page b\par c\par})")
        << QByteArray(R"([{"pageBreakBefore":false},{"pageBreakBefore":true},{"pageBreakBefore":false}])");
    QTest::newRow("page break as a paragraph property")
        << QByteArray(R"({\rtf1 a\par\pagebb b\par\pard c\par})")
        << QByteArray(R"([{"pageBreakBefore":false},{"pageBreakBefore":true},{"pageBreakBefore":false}])");

    QTest::newRow("hyperlink keeps its address")
        << QByteArray(
               R"({\rtf1 Se {\field{\*\fldinst{HYPERLINK "https://example.dk/a?b=1" }}{\fldrslt{\ul\cf1 her}}} nu})")
        << QByteArray(
               R"([{"runs":[{"text":"Se ","link":null},{"text":"her","link":"https://example.dk/a?b=1","underline":true},{"text":" nu","link":null}]}])");
    QTest::newRow("hyperlink to a bookmark")
        << QByteArray(R"({\rtf1{\field{\*\fldinst HYPERLINK \\l "kapitel2" \\o "Tip"}{\fldrslt Kapitel 2}}})")
        << QByteArray(R"([{"runs":[{"text":"Kapitel 2","link":"#kapitel2"}]}])");
    QTest::newRow("hyperlink instruction over several groups")
        << QByteArray(
               R"({\rtf1{\field{\*\fldinst {HYPER}{LINK "https://example.dk"}{\*\datafield 00ff}}{\fldrslt link}}})")
        << QByteArray(R"([{"runs":[{"text":"link","link":"https://example.dk"}]}])");
    QTest::newRow("other fields have no address")
        << QByteArray(R"({\rtf1{\field{\*\fldinst DATE \\@ "d-M-yyyy"}{\fldrslt 1-2-2024}}})")
        << QByteArray(R"([{"runs":[{"text":"1-2-2024","link":null}]}])");

    QTest::newRow("bullets, older form")
        << QByteArray(
               R"({\rtf1{\fonttbl{\f1\fcharset2 Symbol;}}{\pntext\f1\'b7\tab}{\*\pn\pnlvlblt\pnf1\pnindent0{\pntxtb\'b7}}\fi-360\li720 a\par{\pntext\f1\'b7\tab}{\*\pn\pnlvlblt\pnf1\pnindent0{\pntxtb\'b7}}\fi-360\li720 b\par\pard c\par})")
        << QByteArray(
               R"([{"list":{"style":"disc","level":1},"leftIndent":0,"firstLineIndent":0,"runs":[{"text":"a"}]},
                         {"list":{"style":"disc","level":1},"runs":[{"text":"b"}]},{"list":null,"runs":[{"text":"c"}]}])");
    QTest::newRow("circle and square bullets, older form")
        << QByteArray(
               R"({\rtf1{\*\pn\pnlvlblt{\pntxtb o}}\li720 a\par\pard{\*\pn\pnlvlblt{\pntxtb\'a7}}\li1440 b\par})")
        << QByteArray(R"([{"list":{"style":"circle","level":1}},{"list":{"style":"square","level":2}}])");
    QTest::newRow("numbering, older form")
        << QByteArray(
               R"({\rtf1{\pntext 1.\tab}{\*\pn\pnlvlbody\pndec{\pntxta .}}\li720 a\par{\pntext a)\tab}{\*\pn\pnlvlbody\pnlcltr{\pntxta )}}\li720 b\par{\*\pn\pnlvl3\pnucrm}c\par})")
        << QByteArray(
               R"([{"list":{"style":"decimal","level":1},"runs":[{"text":"a"}]},{"list":{"style":"lower-alpha","level":1},"runs":[{"text":"b"}]},
                         {"list":{"style":"upper-roman","level":3}}])");

    const QByteArray listTable
        = R"({\*\listtable{\list\listtemplateid7{\listlevel\levelnfc23\levelstartat1{\leveltext\leveltemplateid1\'01\u-3913 ?;}{\levelnumbers;}\f3\fi-360\li720}{\listlevel\levelnfc23{\leveltext\'01o;}{\levelnumbers;}\fi-360\li1440}{\listname ;}\listid100}{\list{\listlevel\levelnfc4{\leveltext\'02\'00);}{\levelnumbers\'01;}\fi-360\li720}\listid200}}{\*\listoverridetable{\listoverride\listid100\listoverridecount0\ls1}{\listoverride\listid200\listoverridecount0\ls2}})";
    QTest::newRow("bullets, list table")
        << QByteArray(R"({\rtf1)" + listTable
               + R"({\listtext\'b7\tab}\ls1\ilvl0\fi-360\li720 a\par{\listtext o\tab}\pard\ls1\ilvl1\fi-360\li1440 b\par\pard c\par})")
        << QByteArray(
               R"([{"list":{"style":"disc","level":1},"leftIndent":0,"runs":[{"text":"a"}]},{"list":{"style":"circle","level":2},"runs":[{"text":"b"}]},
                         {"list":null,"runs":[{"text":"c"}]}])");
    QTest::newRow("numbering, list table")
        << QByteArray(R"({\rtf1)" + listTable + R"(\pard\ls2 a\par\pard\ls2 b\par})")
        << QByteArray(
               R"([{"list":{"style":"lower-alpha","level":1}},{"list":{"style":"lower-alpha","level":1}}])");
    QTest::newRow("unknown list number is no list")
        << QByteArray(R"({\rtf1\ls9 a\par})") << QByteArray(R"([{"list":null}])");
    QTest::newRow("nested list table items")
        << QByteArray(R"({\rtf1)" + listTable
               + R"(\pard\ls1\ilvl0 a\par\pard\ls1\ilvl1 b\par\pard\ls2\ilvl0 c\par})")
        << QByteArray(
               R"([{"list":{"style":"disc","level":1}},{"list":{"style":"circle","level":2}},{"list":{"style":"lower-alpha","level":1}}])");
    QTest::newRow("list table wins over the older form beside it")
        << QByteArray(R"({\rtf1)" + listTable
               + R"({\listtext\'b7\tab}\pard\ls2\ilvl0{\*\pn\pnlvlblt\pnf1{\pntxtb\'b7}}a\par})")
        << QByteArray(R"([{"list":{"style":"lower-alpha","level":1},"runs":[{"text":"a"}]}])");
    QTest::newRow("line break stays inside the paragraph")
        << QByteArray(R"({\rtf1 a\line b\par})") << QByteArray("[{\"runs\":[{\"text\":\"a\u2028b\"}]}]");

    const QByteArray png = RtfTestPictures::png(4, 3);
    QTest::newRow("picture at its goal size, metafile beside it unused")
        << "{\\rtf1 a"
            + RtfTestPictures::shapePicture(png, "\\pngblip\\picw4\\pich3\\picwgoal1440\\pichgoal720") + "b}"
        << QByteArray(
               R"([{"runs":[{"text":"a","image":null},{"image":{"width":72,"height":36}},{"text":"b","image":null}]}])");
    QTest::newRow("picture scaled") << "{\\rtf1 "
            + RtfTestPictures::shapePicture(
                png, "\\pngblip\\picwgoal1440\\pichgoal720\\picscalex50\\picscaley200")
            + "}" << QByteArray(R"([{"runs":[{"image":{"width":36,"height":72}}]}])");
    QTest::newRow("picture without a goal size shows its pixels") << "{\\rtf1{\\pict\\pngblip " + png.toHex()
            + "}}" << QByteArray(R"([{"runs":[{"image":{"width":3,"height":2.25}}]}])");
    QTest::newRow("picture given as binary") << "{\\rtf1{\\pict\\pngblip\\picwgoal720\\pichgoal720\\bin"
            + QByteArray::number(png.size()) + ' ' + png
            + "}}" << QByteArray(R"([{"runs":[{"image":{"width":36,"height":36}}]}])");
    QTest::newRow("jpeg picture") << "{\\rtf1{\\pict\\jpegblip\\picwgoal720\\pichgoal360 "
            + RtfTestPictures::jpeg().toHex()
            + "}}" << QByteArray(R"([{"runs":[{"image":{"width":36,"height":18}}]}])");
    QTest::newRow("metafile kept behind a placeholder of its size")
        << QByteArray(R"({\rtf1{\pict\wmetafile8\picw2000\pich1000\picwgoal1440\pichgoal720 0100090000}})")
        << QByteArray(R"([{"runs":[{"image":{"width":72,"height":36}}]}])");
    QTest::newRow("damaged picture kept behind a placeholder")
        << QByteArray(R"({\rtf1{\pict\pngblip\picwgoal720\pichgoal720 89504e47zz}})")
        << QByteArray(R"([{"runs":[{"image":{"width":36,"height":36}}]}])");
    QTest::newRow("picture of a list bullet is no picture")
        << QByteArray(R"({\rtf1{\*\listpicture{\pict\pngblip 00}}a})")
        << QByteArray(R"([{"runs":[{"text":"a","image":null}]}])");
}

void RtfReaderTest::keepsFormatting()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QByteArray, paragraphs);

    QJsonParseError error;
    const QJsonDocument expected = QJsonDocument::fromJson(paragraphs, &error);
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    QTextDocument document;
    QVERIFY(RtfReader::read(rtf, document).ok());
    const QJsonValue actual = TextDocumentDump::toJson(document).value(u"paragraphs");
    const QString difference = JsonSubset::mismatch(actual, expected.array());
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void RtfReaderTest::readsWordProcessorFiles_data()
{
    QTest::addColumn<QString>("name");
    const QDir folder(TestData::path(QStringLiteral("rtf")));
    for (const QString &file : folder.entryList({ QStringLiteral("*.rtf") }, QDir::Files)) {
        const QString name = file.chopped(4);
        QTest::newRow(qPrintable(name)) << name;
    }
}

// Each file comes with the text (.txt) and the paragraphs (.json) a person sees in it, checked by eye.
void RtfReaderTest::readsWordProcessorFiles()
{
    QFETCH(QString, name);

    QTextDocument document;
    QVERIFY(RtfReader::read(TestData::read(u"rtf/"_qs + name + u".rtf"_qs), document).ok());
    QCOMPARE(TextDocumentDump::visibleText(document),
        QString::fromUtf8(TestData::read(u"rtf/"_qs + name + u".txt"_qs)));

    const QJsonDocument expected = QJsonDocument::fromJson(TestData::read(u"rtf/"_qs + name + u".json"_qs));
    QVERIFY(expected.isArray());
    const QString difference
        = JsonSubset::mismatch(TextDocumentDump::toJson(document).value(u"paragraphs"), expected.array());
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void RtfReaderTest::readsTables_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QByteArray>("tables"); // JSON: the part of the dump's tables that matters
    // JSON: each paragraph's cell. Qt keeps a paragraph before a table that opens the document, and one
    // after every table.
    QTest::addColumn<QByteArray>("cells");

    QTest::newRow("rows, cells and widths")
        << QByteArray(
               R"({\rtf1\trowd\trleft0\cellx1440\cellx4320\pard\intbl a\cell b\cell\row\trowd\trleft0\cellx1440\cellx4320\pard\intbl c\cell d\cell\row\pard e\par})")
        << QByteArray(R"([{"rows":2,"columns":2,"widths":[72,144],"cells":[]}])")
        << QByteArray(
               R"([{"cell":null,"runs":[]},{"cell":{"table":0,"row":0,"column":0}},{"cell":{"table":0,"row":0,"column":1}},{"cell":{"table":0,"row":1,"column":0}},{"cell":{"table":0,"row":1,"column":1}},{"cell":null}])");
    QTest::newRow("row definition at the row's end, as one word processor writes it")
        << QByteArray(
               R"({\rtf1\pard\intbl a\cell b\cell{\trowd\trleft-108\cellx1332\cellx2772\row}\pard c\par})")
        << QByteArray(R"([{"rows":1,"columns":2,"widths":[72,72]}])")
        << QByteArray(
               R"([{"cell":null},{"cell":{"row":0,"column":0}},{"cell":{"row":0,"column":1}},{"cell":null}])");
    QTest::newRow("short row spans the rest of the table")
        << QByteArray(
               R"({\rtf1\trowd\cellx1000\cellx2000\cellx3000\intbl a\cell b\cell c\cell\row\trowd\cellx1000\cellx3000\intbl d\cell e\cell\row})")
        << QByteArray(R"([{"rows":2,"columns":3,"cells":[{"row":1,"column":1,"rowSpan":1,"columnSpan":2}]}])")
        << QByteArray(
               R"([{"cell":null},{"cell":{"row":0,"column":0}},{"cell":{"row":0,"column":1}},{"cell":{"row":0,"column":2}},{"cell":{"row":1,"column":0}},{"cell":{"row":1,"column":1}},{"cell":null}])");
    QTest::newRow("merged cells")
        << QByteArray(
               R"({\rtf1\trowd\clmgf\cellx1000\clmrg\cellx2000\clvmgf\cellx3000\intbl a\cell\cell b\cell\row\trowd\cellx1000\cellx2000\clvmrg\cellx3000\intbl c\cell d\cell\cell\row})")
        << QByteArray(
               R"([{"rows":2,"columns":3,"cells":[{"row":0,"column":0,"rowSpan":1,"columnSpan":2},{"row":0,"column":2,"rowSpan":2,"columnSpan":1}]}])")
        << QByteArray(
               R"([{"cell":null},{"cell":{"row":0,"column":0}},{"cell":{"row":0,"column":2}},{"cell":{"row":1,"column":0}},{"cell":{"row":1,"column":1}},{"cell":null}])");
    QTest::newRow("two tables with a paragraph between")
        << QByteArray(
               R"({\rtf1\trowd\cellx1000\intbl a\cell\row\pard mellem\par\trowd\cellx1000\cellx2000\intbl b\cell c\cell\row})")
        << QByteArray(R"([{"rows":1,"columns":1},{"rows":1,"columns":2}])")
        << QByteArray(
               R"([{"cell":null},{"cell":{"table":0,"row":0,"column":0}},{"cell":null},{"cell":{"table":1,"row":0,"column":0}},{"cell":{"table":1,"row":0,"column":1}},{"cell":null}])");
    QTest::newRow("damaged: cells without a row definition or an end")
        << QByteArray(R"({\rtf1 a\cell b\cell)") << QByteArray(R"([{"rows":1,"columns":2}])")
        << QByteArray(
               R"([{"cell":null},{"cell":{"row":0,"column":0}},{"cell":{"row":0,"column":1}},{"cell":null}])");
    QTest::newRow("damaged: more cells than a row can have")
        << QByteArray(R"({\rtf1\trowd\intbl )") + QByteArray("x\\cell ").repeated(100) + "\\row}"
        << QByteArray(R"([{"rows":1,"columns":63}])") << QByteArray();
    QTest::newRow("damaged: row ends without cells")
        << QByteArray(R"({\rtf1 a\par\trowd\cellx1000\row b\par})") << QByteArray("[]")
        << QByteArray(R"([{"cell":null},{"cell":null}])");
}

void RtfReaderTest::readsTables()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QByteArray, tables);
    QFETCH(QByteArray, cells);

    QTextDocument document;
    QVERIFY(RtfReader::read(rtf, document).ok());
    const QJsonObject dump = TextDocumentDump::toJson(document);
    QString difference = JsonSubset::mismatch(dump.value(u"tables"), QJsonDocument::fromJson(tables).array());
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    if (cells.isEmpty())
        return;
    difference = JsonSubset::mismatch(dump.value(u"paragraphs"), QJsonDocument::fromJson(cells).array());
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

// An unchanged picture must go back into the file as the very bytes it came as.
void RtfReaderTest::keepsPictureBytes()
{
    const QByteArray png = RtfTestPictures::png();
    QTextDocument document;
    QVERIFY(
        RtfReader::read("{\\rtf1 " + RtfTestPictures::shapePicture(png, "\\pngblip") + "}", document).ok());

    const QTextCharFormat format = document.begin().begin().fragment().charFormat();
    QVERIFY(format.isImageFormat());
    const RtfPictureResources::Stored stored
        = RtfPictureResources::find(document, format.toImageFormat().name());
    QCOMPARE(stored.kind, RtfPictureResources::Stored::Kind::Png);
    QCOMPARE(stored.bytes, png);
    QCOMPARE(stored.pixels, QSize(4, 3));
    const QVariant shown
        = document.resource(QTextDocument::ImageResource, QUrl(format.toImageFormat().name()));
    QCOMPARE(shown.value<QImage>().size(), QSize(4, 3));
}

// A sub-list that follows an item of a higher level numbers from 1 again, as word processors show it;
// the higher level numbers on.
void RtfReaderTest::subListsNumberFromTheStart()
{
    const QByteArray listTable
        = R"({\*\listtable{\list{\listlevel\levelnfc0{\leveltext\'02\'00.;}}{\listlevel\levelnfc4{\leveltext\'02\'01);}}\listid5}}{\*\listoverridetable{\listoverride\listid5\ls1}{\listoverride\listid5\ls2}})";
    QTextDocument document;
    QVERIFY(RtfReader::read(R"({\rtf1)" + listTable
            + R"(\pard\ls1\ilvl0 a\par\pard\ls1\ilvl1 b\par\pard\ls1\ilvl1 c\par\pard\ls1\ilvl0 d\par\pard\ls1\ilvl1 e\par\pard\ls2\ilvl0 f\par})",
        document)
                .ok());

    auto itemText = [&](int blockNumber) {
        const QTextBlock block = document.findBlockByNumber(blockNumber);
        return block.textList() ? block.textList()->itemText(block) : QString();
    };
    QCOMPARE(itemText(0), u"1."_qs);
    QCOMPARE(itemText(1), u"a)"_qs);
    QCOMPARE(itemText(2), u"b)"_qs);
    QCOMPARE(itemText(3), u"2."_qs);
    QCOMPARE(itemText(4), u"a)"_qs);
    QCOMPARE(itemText(5), u"1."_qs); // another override is another list
}

// Long lists are built from several Qt lists (one list of n items costs n² to build); the reader must
// still give every paragraph its bullet and count numbers on up to two thousand.
void RtfReaderTest::longListsKeepEveryItem()
{
    QByteArray rtf = R"({\rtf1)";
    for (int i = 0; i < 2500; ++i)
        rtf += R"({\*\pn\pnlvlbody\pndec{\pntxta .}}\li720 nummer\par)";
    for (int i = 0; i < 500; ++i)
        rtf += R"(\pard{\*\pn\pnlvlblt{\pntxtb\'b7}}\li720 punkt\par)";
    rtf += '}';

    QTextDocument document;
    QVERIFY(RtfReader::read(rtf, document).ok());
    QCOMPARE(document.blockCount(), 3000);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QVERIFY(block.textList());
        const bool numbered = block.blockNumber() < 2500;
        QCOMPARE(block.textList()->format().style(),
            numbered ? QTextListFormat::ListDecimal : QTextListFormat::ListDisc);
    }
    QCOMPARE(
        document.findBlockByNumber(1999).textList()->itemText(document.findBlockByNumber(1999)), u"2000."_qs);
}

void RtfReaderTest::reportsWhatItCannotKeep_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<int>("losses");
    QTest::addColumn<RtfReadResult::Status>("status");
    QTest::addColumn<QString>("text");

    const int none = 0;
    using Status = RtfReadResult::Status;
    QTest::newRow("plain document") << QByteArray(R"({\rtf1 Tekst})") << none << Status::Read
                                    << u"Tekst\n"_qs;
    QTest::newRow("empty document") << QByteArray(R"({\rtf1{\fonttbl{\f0 Arial;}}})") << none << Status::Read
                                    << u"\n"_qs;
    QTest::newRow("header and footer")
        << QByteArray(R"({\rtf1{\header Side {\field{\*\fldinst PAGE}{\fldrslt 1}}}{\footerf Fod}Tekst})")
        << int(RtfLoss::HeadersAndFooters) << Status::Read << u"Tekst\n"_qs;
    QTest::newRow("footnote") << QByteArray(R"({\rtf1 Tekst{\super\chftn{\footnote Note}}})")
                              << int(RtfLoss::Footnotes) << Status::Read << u"Tekst\n"_qs;
    QTest::newRow("comment") << QByteArray(
        R"({\rtf1 Tekst{\*\atnid OL}{\*\atnauthor Ole}\chatn{\*\annotation Bemærk}})")
                             << int(RtfLoss::Comments) << Status::Read << u"Tekst\n"_qs;
    QTest::newRow("field other than a link leaves its result")
        << QByteArray(R"({\rtf1 Dato: {\field{\*\fldinst DATE \\@ "d-M-yyyy"}{\fldrslt 1-2-2024}}})")
        << int(RtfLoss::Fields) << Status::Read << u"Dato: 1-2-2024\n"_qs;
    QTest::newRow("hyperlink is kept")
        << QByteArray(R"({\rtf1{\field{\*\fldinst HYPERLINK "https://example.dk"}{\fldrslt her}}})") << none
        << Status::Read << u"her\n"_qs;
    QTest::newRow("embedded object shows its result")
        << QByteArray(
               R"({\rtf1 a{\object\objemb{\*\objclass Excel.Sheet.12}{\*\objdata 0102}{\result Tal}}b})")
        << int(RtfLoss::Objects) << Status::Read << u"aTalb\n"_qs;
    QTest::newRow("shape shows its result")
        << QByteArray(R"({\rtf1 a{\shp{\*\shpinst{\sp{\sn fillColor}{\sv 255}}}{\shprslt Boks}}b})")
        << int(RtfLoss::Objects) << Status::Read << u"aBoksb\n"_qs;
    QTest::newRow("hidden text and picture")
        << QByteArray(R"({\rtf1 a{\v skjult}b{\v{\pict\pngblip 0102}}c})") << int(RtfLoss::HiddenText)
        << Status::Read << u"abc\n"_qs;
    QTest::newRow("hidden but empty is no loss")
        << QByteArray(R"({\rtf1 a\v\v0 b})") << none << Status::Read << u"ab\n"_qs;
    QTest::newRow("index and contents entries")
        << QByteArray(R"({\rtf1 P\'e5ske{\xe {P\'e5ske}}{\tc Kapitel 1}})") << int(RtfLoss::IndexEntries)
        << Status::Read << u"Påske\n"_qs;
    QTest::newRow("drawing object") << QByteArray(R"({\rtf1 a{\*\do\dobxcolumn\dptxbx{\dptxbxtext x}}b})")
                                    << int(RtfLoss::Objects) << Status::Read << u"ab\n"_qs;
    QTest::newRow("several kinds") << QByteArray(
        R"({\rtf1{\header H}{\footnote F}{\field{\*\fldinst PAGE}{\fldrslt 1}}})")
                                   << int(RtfLoss::HeadersAndFooters | RtfLoss::Footnotes | RtfLoss::Fields)
                                   << Status::Read << u"1\n"_qs;
    QTest::newRow("picture in a format that cannot be shown is no loss")
        << QByteArray(R"({\rtf1{\pict\emfblip 0102}a})") << none << Status::Read << u"a\n"_qs;
    QTest::newRow("line breaks and a nul after the end are no damage")
        << QByteArray("{\\rtf1 a}\r\n\0", 13) << none << Status::Read << u"a\n"_qs;
    QTest::newRow("damaged: truncated")
        << QByteArray(R"({\rtf1 Et\par To og)") << int(RtfLoss::Damage) << Status::Read << u"Et\nTo og\n"_qs;
    QTest::newRow("damaged: text after the end")
        << QByteArray(R"({\rtf1 a}} mere tekst})") << int(RtfLoss::Damage) << Status::Read << u"a\n"_qs;
    QTest::newRow("damaged: nothing but the tables")
        << QByteArray(R"({\rtf1\ansi{\fonttbl{\f0 Arial;}}{\colortbl;\red255\green0\blue0;)")
        << int(RtfLoss::Damage) << Status::Empty << u"\n"_qs;
    QTest::newRow("damaged: closed before its text") << QByteArray(R"({\rtf1} Tekst der ikke kom med)")
                                                     << int(RtfLoss::Damage) << Status::Empty << u"\n"_qs;
}

void RtfReaderTest::reportsWhatItCannotKeep()
{
    QFETCH(QByteArray, rtf);
    QFETCH(int, losses);
    QFETCH(RtfReadResult::Status, status);
    QFETCH(QString, text);

    QTextDocument document;
    const RtfReadResult result = RtfReader::read(rtf, document);
    QCOMPARE(int(result.losses), losses);
    QCOMPARE(result.status, status);
    QCOMPARE(result.error.isEmpty(), status == RtfReadResult::Status::Read);
    QCOMPARE(TextDocumentDump::visibleText(document), text);
}

void RtfReaderTest::readsFromDevice()
{
    QByteArray rtf(R"({\rtf1 Fra en enhed})");
    QBuffer buffer(&rtf);
    QTextDocument document;
    QVERIFY(RtfReader::read(buffer, document).ok());
    QCOMPARE(document.toPlainText(), u"Fra en enhed"_qs);
}

void RtfReaderTest::tellsNonRtfApart_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("isRtf");

    QTest::newRow("rtf") << QByteArray(R"({\rtf1 x})") << true;
    QTest::newRow("rtf without version") << QByteArray(R"({\rtf x})") << true;
    QTest::newRow("empty file") << QByteArray() << false;
    QTest::newRow("plain text") << QByteArray("Hej med dig") << false;
    QTest::newRow("group that is not rtf") << QByteArray(R"({\fonttbl x})") << false;
    QTest::newRow("utf-16 rtf is text") << QByteArray("\xFF\xFE{\0\\\0r\0t\0f\0", 12) << false;
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << false;
}

void RtfReaderTest::tellsNonRtfApart()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, isRtf);

    QCOMPARE(RtfReader::isRtf(bytes), isRtf);
    QTextDocument document;
    document.setPlainText(u"før"_qs);
    const RtfReadResult result = RtfReader::read(bytes, document);
    QCOMPARE(result.status, isRtf ? RtfReadResult::Status::Read : RtfReadResult::Status::NotRtf);
    if (!isRtf)
        QCOMPARE(document.toPlainText(), u"før"_qs); // left for the caller to show as plain text
}

QTEST_MAIN(RtfReaderTest)
#include "tst_RtfReader.moc"
