#include "documents/rtf/RtfReader.h"
#include "documents/rtf/RtfWriter.h"
#include "documents/rtf/TextDocumentDump.h"
#include "support/TestData.h"

#include <QDir>
#include <QJsonDocument>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

// What the writer puts into RTF, and that reading it back gives the same text and formatting.
class RtfWriterTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writesHeaderAndTables();
    void encodesText_data();
    void encodesText();
    void writesListsInBothForms();
    void endsEveryParagraphWithPar();
    void roundTrips_data();
    void roundTrips();
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
    QVERIFY2(rtf.contains(R"(\pard\ls2\ilvl0\fi-360\li720)"), rtf.constData());
    // The marker as text for readers without lists, and the older form for readers that know only that.
    QVERIFY2(rtf.contains(R"({\listtext\f1 \'b7\tab}{\*\pn\pnlvlblt\pnf1\pnindent0{\pntxtb \'b7}})"),
        rtf.constData());
    QVERIFY2(rtf.contains(R"({\f1\fnil\fcharset2 Symbol;})"), rtf.constData());
    QVERIFY2(
        rtf.contains(
            R"({\listtext\f0 2.\tab}{\*\pn\pnlvlbody\pnf0\pnindent0\pnstart1\pndec{\pntxtb }{\pntxta .}})"),
        rtf.constData());
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
}

void RtfWriterTest::roundTrips()
{
    QFETCH(QString, html);
    QTextDocument original;
    original.setHtml(html);
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
