#include "RtfTestPictures.h"
#include "documents/rtf/RtfPictureResources.h"
#include "documents/rtf/RtfReader.h"
#include "documents/rtf/RtfWriter.h"
#include "documents/rtf/TextDocumentDump.h"
#include "support/TestData.h"

#include <QDir>
#include <QJsonDocument>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QtTest>

// What the writer puts into RTF, and that reading it back gives the same text and formatting.
class RtfWriterTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writesHeaderAndTables();
    void encodesText_data();
    void encodesText();
    void dropsHalvesOfCharacters();
    void writesListsInBothForms();
    void givesEachListItsOwnNumbering_data();
    void givesEachListItsOwnNumbering();
    void writesTables();
    void writesPicturesAsTheyCame();
    void writesInsertedPictures();
    void keepsPicturesItCannotShow();
    void endsEveryParagraphWithPar();
    void roundTrips_data();
    void roundTrips();
    void roundTripsRtf_data();
    void roundTripsRtf();
    void roundTripsWordProcessorFiles_data();
    void roundTripsWordProcessorFiles();

private:
    static QByteArray dump(const QTextDocument &document);
    static void compareAfterRoundTrip(const QTextDocument &original);
};

QByteArray RtfWriterTest::dump(const QTextDocument &document)
{
    return QJsonDocument(TextDocumentDump::toJson(document)).toJson(QJsonDocument::Indented);
}

void RtfWriterTest::compareAfterRoundTrip(const QTextDocument &original)
{
    const QByteArray rtf = RtfWriter::write(original);
    QTextDocument readBack;
    QVERIFY(RtfReader::read(rtf, readBack).ok());
    QCOMPARE(dump(readBack), dump(original));
}

void RtfWriterTest::writesHeaderAndTables()
{
    QTextDocument document;
    document.setHtml(u"<p><span style='font-family:Georgia; color:#ff0000'>rød</span> "
                     "<span style='font-family:Georgia; background-color:#00ff00'>grøn</span></p>"_qs);
    const QByteArray rtf = RtfWriter::write(document);

    QVERIFY2(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1"), rtf.constData());
    QVERIFY2(rtf.contains("{\\f1\\fnil\\fcharset0 Georgia;}"), rtf.constData());
    QVERIFY2(rtf.contains("{\\colortbl;\\red255\\green0\\blue0;\\red0\\green255\\blue0;}"), rtf.constData());
    QVERIFY2(rtf.contains("\\cf1 r\\'f8d}"), rtf.constData());
    QVERIFY2(rtf.contains("\\highlight2 gr\\'f8n}"), rtf.constData());
    QVERIFY(rtf.endsWith("}\r\n"));
}

void RtfWriterTest::encodesText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("rtf");

    QTest::newRow("ascii") << u"Hej"_qs << QByteArray(" Hej}");
    QTest::newRow("danish letters") << u"æøåÆØÅ"_qs << QByteArray(R"(\'e6\'f8\'e5\'c6\'d8\'c5)");
    QTest::newRow("windows-1252 extras") << u"€“”"_qs << QByteArray(R"(\'80\'93\'94)");
    QTest::newRow("greek with fallback") << u"Ω"_qs << QByteArray(R"(\u937?)");
    QTest::newRow("accented letter falls back to its base") << u"ő"_qs << QByteArray(R"(\u337o)");
    QTest::newRow("digit fallback kept apart from the number") << u"\u2088"_qs << QByteArray(R"(\u8328 8)");
    QTest::newRow("above 32767 is negative") << u"\uF0B7"_qs << QByteArray(R"(\u-3913?)");
    QTest::newRow("surrogate pair") << u"\U0001F600"_qs << QByteArray(R"(\u-10179?\u-8704?)");
    QTest::newRow("braces and backslash") << u"{a}\\"_qs << QByteArray(R"(\{a\}\\)");
    QTest::newRow("tab") << u"a\tb"_qs << QByteArray(R"(a\tab b)");
    QTest::newRow("line break") << u"a\u2028b"_qs << QByteArray(R"(a\line b)");
    QTest::newRow("non-breaking space and hyphens")
        << u"a\u00A0b\u00ADc\u2011d"_qs << QByteArray(R"(a\~b\-c\_d)");
}

void RtfWriterTest::encodesText()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, rtf);

    QTextDocument document;
    QTextCursor(&document).insertText(text);
    const QByteArray written = RtfWriter::write(document);
    QVERIFY2(written.contains(rtf), written.constData());

    QTextDocument readBack;
    QVERIFY(RtfReader::read(written, readBack).ok());
    QCOMPARE(readBack.toRawText(), document.toRawText());
}

// A pasted half of a character beyond 16 bits has no place in any file: neither the RTF nor the text
// export writes it.
void RtfWriterTest::dropsHalvesOfCharacters()
{
    const QString text = u"a"_qs + QChar(0xD83D) + u"b"_qs + QChar(0xDE00) + u"c\U0001F600"_qs;
    QTextDocument document;
    QTextCursor(&document).insertText(text);
    const QByteArray rtf = RtfWriter::write(document);
    QVERIFY2(rtf.contains(R"( abc\u-10179?\u-8704?})"), rtf.constData());
    QCOMPARE(TextDocumentDump::visibleText(document), u"abc\U0001F600\n"_qs);
}

void RtfWriterTest::writesListsInBothForms()
{
    QTextDocument document;
    document.setHtml(u"<ul><li>punkt</li></ul><ol><li>et</li><li>to</li></ol>"_qs);
    const QByteArray rtf = RtfWriter::write(document);

    // The list table, read by word processors.
    QVERIFY2(rtf.contains(R"({\*\listtable)"), rtf.constData());
    QVERIFY2(rtf.contains(R"({\leveltext\'01\u-3913 ?;}{\levelnumbers;}\f1)"), rtf.constData());
    QVERIFY2(rtf.contains(R"({\leveltext\'02\'00.;}{\levelnumbers\'01;})"), rtf.constData());
    QVERIFY2(
        rtf.contains(
            R"({\listoverride\listid1\listoverridecount0\ls1}{\listoverride\listid2\listoverridecount0\ls2})"),
        rtf.constData());
    // The older form first, for readers that know only that; one word processor lets the form that comes
    // last decide. Then the list, and the marker as text for readers without lists.
    QVERIFY2(
        rtf.contains(
            R"(\pard{\*\pn\pnlvlblt\pnf1\pnindent0{\pntxtb \'b7}}\ls1\ilvl0\fi-360\li720\sb180\sa180{\listtext\f1 \'b7\tab}{)"),
        rtf.constData());
    QVERIFY2(rtf.contains(R"({\f1\fnil\fcharset2 Symbol;})"), rtf.constData());
    QVERIFY2(
        rtf.contains(
            R"(\pard{\*\pn\pnlvlbody\pnf0\pnindent0\pnstart1\pndec{\pntxtb }{\pntxta .}}\ls2\ilvl0\fi-360\li720)"),
        rtf.constData());
    QVERIFY2(rtf.contains(R"({\listtext\f0 2.\tab}{)"), rtf.constData());
}

void RtfWriterTest::givesEachListItsOwnNumbering_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QByteArrayList>("placements"); // each item's "\\lsN\\ilvlM", in order

    QTest::newRow("nested list shares its list")
        << u"<ol><li>a<ol><li>b</li></ol></li><li>c</li></ol>"_qs
        << QByteArrayList { "\\ls1\\ilvl0", "\\ls1\\ilvl1", "\\ls1\\ilvl0" };
    QTest::newRow("lists side by side get lists of their own")
        << u"<ol><li>a</li></ol><ol><li>b</li></ol><ul><li>c</li></ul>"_qs
        << QByteArrayList { "\\ls1\\ilvl0", "\\ls2\\ilvl0", "\\ls3\\ilvl0" };
    QTest::newRow("sub-lists under different items restart in the same list")
        << u"<ol><li>a<ol><li>b</li></ol></li><li>c<ol><li>d</li></ol></li></ol>"_qs
        << QByteArrayList { "\\ls1\\ilvl0", "\\ls1\\ilvl1", "\\ls1\\ilvl0", "\\ls1\\ilvl1" };
    QTest::newRow("sub-list numbered otherwise gets a list of its own")
        << u"<ol><li>a<ol><li>b</li></ol></li><li>c<ol type=a><li>d</li></ol></li></ol>"_qs
        << QByteArrayList { "\\ls1\\ilvl0", "\\ls1\\ilvl1", "\\ls1\\ilvl0", "\\ls2\\ilvl1" };
}

// Other word processors number each "\\ls" on its own and restart a level after an item above it; the
// lists must come back numbered as they were written.
void RtfWriterTest::givesEachListItsOwnNumbering()
{
    QFETCH(QString, html);
    QFETCH(QByteArrayList, placements);

    QTextDocument document;
    document.setHtml(html);
    const QByteArray rtf = RtfWriter::write(document);
    qsizetype from = 0;
    for (const QByteArray &placement : placements) {
        from = rtf.indexOf("}}" + placement + "\\fi-360", from);
        QVERIFY2(
            from >= 0, qPrintable(QString::fromLatin1(placement + " missing or out of order in\n" + rtf)));
        ++from;
    }
    QCOMPARE(rtf.count("\\ilvl"), placements.size());
    compareAfterRoundTrip(document);
}

void RtfWriterTest::writesTables()
{
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertText(u"Før"_qs);
    QTextTableFormat format;
    format.setColumnWidthConstraints(
        { QTextLength(QTextLength::FixedLength, 96), QTextLength(QTextLength::FixedLength, 48) });
    QTextTable *table = cursor.insertTable(2, 2, format);
    table->cellAt(0, 0).firstCursorPosition().insertText(u"a"_qs);
    QTextCursor second = table->cellAt(0, 1).firstCursorPosition();
    second.insertText(u"b"_qs);
    second.insertBlock();
    second.insertText(u"c"_qs);
    table->cellAt(1, 1).firstCursorPosition().insertText(u"d"_qs);
    const QByteArray rtf = RtfWriter::write(document);

    QVERIFY2(rtf.contains("\\trowd\\trgaph70\\trleft0\\clbrdrt"), rtf.constData());
    QCOMPARE(rtf.count("\\trowd"), 2);
    QCOMPARE(rtf.count("\\cellx1440"), 2); // 96 pixels are an inch
    QCOMPARE(rtf.count("\\cellx2160"), 2);
    QVERIFY2(rtf.contains("\\pard\\intbl{\\f0"), rtf.constData());
    QCOMPARE(rtf.count("\\cell}"), 4);
    QCOMPARE(rtf.count("\\row"), 2);
    QVERIFY2(rtf.contains(" b}{\\f0\\fs"), rtf.constData());
    QVERIFY2(rtf.indexOf(" c}") > rtf.indexOf(" b}"), rtf.constData());
    compareAfterRoundTrip(document);

    QTextDocument readBack;
    QVERIFY(RtfReader::read(rtf, readBack).ok());
    QCOMPARE(TextDocumentDump::visibleText(readBack), u"Før\na\nb\nc\n\nd\n"_qs);
}

// A picture that was read and not changed goes back into the file as the bytes it came as; resized, it
// gets its new size and keeps its bytes.
void RtfWriterTest::writesPicturesAsTheyCame()
{
    const QByteArray png = RtfTestPictures::png(4, 3);
    QTextDocument document;
    QVERIFY(RtfReader::read("{\\rtf1 a"
            + RtfTestPictures::shapePicture(png, "\\pngblip\\picw4\\pich3\\picwgoal1440\\pichgoal720") + "b}",
        document)
                .ok());
    QByteArray rtf = RtfWriter::write(document);
    QVERIFY2(rtf.contains("{\\*\\shppict{\\pict\\pngblip\\picw4\\pich3\\picwgoal1440\\pichgoal720\r\n"),
        rtf.constData());
    QVERIFY2(!rtf.contains("wmetafile"), rtf.constData());
    compareAfterRoundTrip(document);

    QTextCursor cursor(&document);
    cursor.setPosition(1);
    cursor.setPosition(2, QTextCursor::KeepAnchor);
    QTextImageFormat resized = cursor.charFormat().toImageFormat();
    resized.setWidth(144);
    resized.setHeight(108);
    cursor.setCharFormat(resized);
    rtf = RtfWriter::write(document);
    QVERIFY2(rtf.contains("\\picw4\\pich3\\picwgoal2160\\pichgoal1620\r\n"), rtf.constData());

    QTextDocument readBack;
    QVERIFY(RtfReader::read(rtf, readBack).ok());
    QTextCursor picture(&readBack);
    picture.setPosition(2);
    const RtfPictureResources::Stored stored
        = RtfPictureResources::find(readBack, picture.charFormat().toImageFormat().name());
    QCOMPARE(stored.kind, RtfPictureResources::Stored::Kind::Png);
    QCOMPARE(stored.bytes, png);
}

void RtfWriterTest::writesInsertedPictures()
{
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::green);
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertText(u"Billede: "_qs);
    cursor.insertImage(image, u"indsat"_qs);
    const QByteArray rtf = RtfWriter::write(document);
    QVERIFY2(
        rtf.contains("{\\*\\shppict{\\pict\\pngblip\\picw20\\pich10\\picwgoal300\\pichgoal150\r\n89504e47"),
        rtf.constData());

    QTextDocument readBack;
    QVERIFY(RtfReader::read(rtf, readBack).ok());
    QTextCursor picture(&readBack);
    picture.setPosition(10);
    const QTextImageFormat format = picture.charFormat().toImageFormat();
    QCOMPARE(format.width(), 20.0);
    QCOMPARE(format.height(), 10.0);
    const QImage shown = readBack.resource(QTextDocument::ImageResource, QUrl(format.name())).value<QImage>();
    QCOMPARE(shown.pixelColor(3, 3), QColor(Qt::green));
}

// Metafiles cannot be shown here, but they are the user's pictures all the same: written back as they came.
void RtfWriterTest::keepsPicturesItCannotShow()
{
    const QByteArray metafile = "{\\pict\\wmetafile8\\picw2000\\pich1000\\picwgoal1440\\pichgoal720\r\n"
                                "010009000003\r\n0000}";
    QTextDocument document;
    QVERIFY(RtfReader::read("{\\rtf1 Logo: {\\b\\pict\\emfblip 0102}" + metafile + " slut}", document).ok());
    const QByteArray rtf = RtfWriter::write(document);
    QVERIFY2(rtf.contains(metafile), rtf.constData());
    QVERIFY2(rtf.contains("{\\pict\\emfblip 0102}"), rtf.constData());
    compareAfterRoundTrip(document);
}

void RtfWriterTest::endsEveryParagraphWithPar()
{
    QTextDocument document;
    document.setPlainText(u"et\n\nto\n"_qs);
    const QByteArray rtf = RtfWriter::write(document);
    QCOMPARE(rtf.count("\\par}"), document.blockCount());
}

void RtfWriterTest::roundTrips_data()
{
    QTest::addColumn<QString>("html");

    QTest::newRow("character formatting")
        << u"<p><b>fed</b> <i>kursiv</i> <u>under</u> <s>over</s> "
           "<span style='font-family:Georgia; font-size:20pt; color:#123456; "
           "background-color:#ffff00'>farve</span> "
           "<span style='font-size:10.5pt'>halv</span> H<sub>2</sub>O m<sup>2</sup></p>"_qs;
    QTest::newRow("paragraph formatting")
        << u"<p align=center>midt</p><p align=right>højre</p><p align=justify>lige</p>"
           "<p style='margin-left:30px; margin-right:20px; text-indent:-15px; margin-top:10px; margin-bottom:5px'>ind</p>"_qs;
    QTest::newRow("bullets and numbering")
        << u"<ul><li>a</li><li>b<ul><li>c</li></ul></li></ul><ol><li>en</li><li>to</li></ol>"
           "<ol type=a><li>x</li></ol><ol type=I><li>y</li></ol>"
           "<ul style='list-style-type:circle'><li>ring</li></ul><ul style='list-style-type:square'><li>firkant</li></ul>"_qs;
    QTest::newRow("bullet with its own indent") << u"<ul><li style='margin-left:24px'>a</li></ul>"_qs;
    QTest::newRow("hyperlinks") << u"<p>Se <a href='https://example.dk/?a=1&amp;b=2'>her</a>, <a "
                                   u"href='mailto:ole@example.dk'>mail</a>"
                                   "<a href='#kapitel'>kapitel</a></p>"_qs;
    QTest::newRow("characters outside Windows-1252") << u"<p>αβγ 中文 😀 ő Привет</p>"_qs;
    QTest::newRow("special characters") << u"<p>a\tb {c} \\d&nbsp;e<br>f</p>"_qs;
    QTest::newRow("empty paragraphs") << u"<p>a</p><p></p><p></p><p>b</p>"_qs;
    QTest::newRow("ends with an empty paragraph") << u"<p>a</p><p></p>"_qs;
    QTest::newRow("empty document") << QString();
    QTest::newRow("page break") << u"<p>a</p><p style='page-break-before:always'>b</p><p>c</p>"_qs;
    QTest::newRow("nested lists that number from the start again")
        << u"<ol><li>a<ol><li>b</li><li>c</li></ol></li><li>d<ol type=i><li>e</li></ol></li></ol>"
           "<p>mellem</p><ol><li>ny</li></ol><ul><li>x<ul><li>y<ul><li>z</li></ul></li></ul></li></ul>"_qs;
    QTest::newRow("table") << u"<p>før</p><table><tr><td width=100>a</td><td width=50>b<p>c</p></td></tr>"
                              "<tr><td></td><td><b>d</b></td></tr></table><p>efter</p>"_qs;
    QTest::newRow("table with merged cells")
        << u"<table><tr><td colspan=2 width=40>a</td><td width=40>b</td></tr>"
           "<tr><td rowspan=2 width=40>c</td><td width=40>d</td><td width=40>e</td></tr>"
           "<tr><td width=40>f</td><td width=40>g</td></tr></table>"_qs;
    QTest::newRow("table that opens and ends the document")
        << u"<table><tr><td width=60>a</td><td width=60></td></tr></table>"_qs;
    QTest::newRow("list and link in a table cell")
        << u"<table><tr><td width=200><ul><li>punkt</li></ul><a href='https://example.dk'>her</a></td></tr></table>"_qs;
}

void RtfWriterTest::roundTrips()
{
    QFETCH(QString, html);
    QTextDocument original;
    original.setHtml(html);
    compareAfterRoundTrip(original);
}

void RtfWriterTest::roundTripsRtf_data()
{
    QTest::addColumn<QByteArray>("rtf");

    QTest::newRow("table opening the document")
        << QByteArray(R"({\rtf1\trowd\cellx1000\pard\intbl a\cell\row\pard b\par})");
    QTest::newRow("formatted empty paragraph before a table")
        << QByteArray(R"({\rtf1\qc\fs40\par\trowd\cellx1000\pard\intbl a\cell\row})");
    QTest::newRow("cells without a row definition") << QByteArray(R"({\rtf1 a\cell b\cell\row})");
    QTest::newRow("row definition with more cells than the row has")
        << QByteArray(R"({\rtf1\trowd\cellx1000\cellx2000\cellx3000\intbl a\cell\row})");
    QTest::newRow("later row with more cells") << QByteArray(
        R"({\rtf1\trowd\cellx1000\intbl a\cell\row\trowd\cellx500\cellx2500\cellx2600\intbl b\cell c\cell d\cell\row})");
    QTest::newRow("page break inside a table")
        << QByteArray(R"({\rtf1\trowd\cellx1000\pard\intbl a\page b\cell\row})");
    QTest::newRow("picture scaled by an odd percentage")
        << QByteArray(R"({\rtf1{\pict\emfblip\picwgoal1441\pichgoal719\picscalex33\picscaley67 0102}})");
}

void RtfWriterTest::roundTripsRtf()
{
    QFETCH(QByteArray, rtf);
    QTextDocument original;
    QVERIFY(RtfReader::read(rtf, original).ok());
    compareAfterRoundTrip(original);
}

void RtfWriterTest::roundTripsWordProcessorFiles_data()
{
    QTest::addColumn<QString>("file");
    const QDir folder(TestData::path(QStringLiteral("rtf")));
    for (const QString &file : folder.entryList({ QStringLiteral("*.rtf") }, QDir::Files))
        QTest::newRow(qPrintable(file)) << file;
}

void RtfWriterTest::roundTripsWordProcessorFiles()
{
    QFETCH(QString, file);
    QTextDocument original;
    QVERIFY(RtfReader::read(TestData::read(u"rtf/"_qs + file), original).ok());
    compareAfterRoundTrip(original);
}

QTEST_MAIN(RtfWriterTest)
#include "tst_RtfWriter.moc"
