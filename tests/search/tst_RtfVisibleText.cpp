#include "search/text/RtfVisibleText.h"

#include "documents/rtf/RtfReader.h"

#include "support/TestData.h"

#include <QDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

// The visible text of RTF read without a document must be the document's text to the character, and each
// paragraph must reach the layout with the formats and margins the document gives it, or a search would
// report other positions and lines than the rich-text window shows.
class RtfVisibleTextTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sameAsTheDocument_data();
    void sameAsTheDocument();
    void leavesTablesAndPicturesToTheDocument_data();
    void leavesTablesAndPicturesToTheDocument();
};

void RtfVisibleTextTest::sameAsTheDocument_data()
{
    QTest::addColumn<QByteArray>("rtf");

    const QByteArray head
        = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1 Times New Roman;}}"
          "{\\colortbl;\\red255\\green0\\blue0;}\\f0\\fs20 ";
    QTest::newRow("paragraphs and a run in bold")
        << head + "Et {\\b p\\'e5ske\\'e6g} her\\par Anden linje\\par}";
    QTest::newRow("text after the last paragraph mark") << head + "Et\\par Sidste}";
    QTest::newRow("empty paragraphs") << head + "\\par\\par a\\par\\par}";
    QTest::newRow("nothing at all") << QByteArray("{\\rtf1}");
    QTest::newRow("truncated") << head + "Et {\\b afbrudt";
    QTest::newRow("indents and alignment") << head
            + "\\li720\\ri360\\fi-360 Indrykket og h\\'e6ngende\\par\\pard\\qc Midt\\par\\pard\\qr\\li-200 "
              "H\\'f8jre\\par}";
    QTest::newRow("neighbouring runs of one format") << head + "{\\b x}{\\b y}{\\i z}{\\i\\b0 w}\\par}";
    QTest::newRow("fonts, sizes, colours, highlight, positions") << head
            + "{\\f1\\fs36 stor} {\\cf1 r\\'f8d} {\\highlight1 gul} {\\super op} {\\sub ned} {\\ul\\strike "
              "u}\\par}";
    QTest::newRow("tab, line break, unicode, hidden text")
        << head + "a\\tab b\\line c \\u8364? {\\v skjult}synlig\\par}";
    QTest::newRow("hyperlink") << head
            + "Se {\\field{\\*\\fldinst{HYPERLINK \"https://example.org\"}}{\\fldrslt{her}}} nu\\par}";
    QTest::newRow("older bulleted list") << QByteArray(
        "{\\rtf1{\\fonttbl{\\f1\\fcharset2 Symbol;}}{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1"
        "\\pnindent0{\\pntxtb\\'b7}}\\fi-360\\li720 a\\par{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1"
        "\\pnindent0{\\pntxtb\\'b7}}\\fi-360\\li720 b\\par\\pard c\\par}");
    QTest::newRow("nested lists") << QByteArray(
        "{\\rtf1{\\*\\listtable{\\list{\\listlevel\\levelnfc0{\\leveltext\\'02\\'00.;}}{\\listlevel"
        "\\levelnfc4{\\leveltext\\'02\\'01);}}\\listid5}}{\\*\\listoverridetable{\\listoverride\\listid5"
        "\\ls1}}\\pard\\ls1\\ilvl0\\li720 en\\par\\pard\\ls1\\ilvl1\\li1440 to\\par\\pard\\ls1\\ilvl0"
        "\\li720 tre\\par\\pard fire\\par}");
    // Documents saved by word processors, and inputs that once broke the reader.
    const QDir data(TestData::path(QStringLiteral("rtf")));
    for (const QString &name : data.entryList({ QStringLiteral("*.rtf") }, QDir::Files))
        QTest::newRow(qPrintable(name)) << TestData::read(QStringLiteral("rtf/") + name);
    const QDir fuzz(data.filePath(QStringLiteral("fuzz")));
    for (const QString &name : fuzz.entryList({ QStringLiteral("*.rtf") }, QDir::Files))
        QTest::newRow(qPrintable(name)) << TestData::read(QStringLiteral("rtf/fuzz/") + name);
}

void RtfVisibleTextTest::sameAsTheDocument()
{
    QFETCH(QByteArray, rtf);
    const std::optional<RtfVisibleText> visible = RtfVisibleText::read(rtf);
    if (!visible)
        QSKIP("holds a table or a picture: searched through the document");
    QTextDocument document;
    RtfReader::read(rtf, document);
    QCOMPARE(visible->text(), document.toRawText());
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const HitLineLayout::Paragraph expected = HitLineLayout::Paragraph::of(block);
        // Asked at the block's first character and at its separator, both in the block.
        for (const int position : { block.position(), block.position() + block.length() - 1 }) {
            qsizetype start = -1;
            const HitLineLayout::Paragraph paragraph = visible->paragraphAt(position, &start);
            QCOMPARE(start, qsizetype(block.position()));
            QCOMPARE(paragraph.text, expected.text);
            QCOMPARE(paragraph.formats, expected.formats);
            QCOMPARE(paragraph.leftMargin, expected.leftMargin);
            QCOMPARE(paragraph.rightMargin, expected.rightMargin);
            QCOMPARE(paragraph.firstLineIndent, expected.firstLineIndent);
        }
    }
}

void RtfVisibleTextTest::leavesTablesAndPicturesToTheDocument_data()
{
    QTest::addColumn<QByteArray>("rtf");

    QTest::newRow("table") << QByteArray(
        "{\\rtf1 f\\'f8r\\par\\trowd\\cellx1000\\cellx2000\\intbl a\\cell b\\cell\\row efter\\par}");
    QTest::newRow("picture") << QByteArray("{\\rtf1 a{\\pict\\pngblip\\picw1\\pich1 89504e47}b\\par}");
    QTest::newRow("nested too deep") << "{\\rtf1 " + QByteArray(100000, '{') + "ord";
}

void RtfVisibleTextTest::leavesTablesAndPicturesToTheDocument()
{
    QFETCH(QByteArray, rtf);
    QVERIFY(!RtfVisibleText::read(rtf));
}

QTEST_MAIN(RtfVisibleTextTest)
#include "tst_RtfVisibleText.moc"
