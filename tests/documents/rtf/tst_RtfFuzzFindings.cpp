#include "documents/rtf/RtfReader.h"
#include "documents/rtf/RtfWriter.h"
#include "documents/rtf/TextDocumentDump.h"
#include "support/TestData.h"

#include <QDir>
#include <QJsonDocument>
#include <QTextDocument>
#include <QtTest>

// Inputs the fuzzer found that once crashed, hung or changed in a round trip, kept under
// tests/data/rtf/fuzz/ and named after what broke. Each is RTF the reader takes: it must still read, and
// write and read back unchanged, the same check the fuzzer makes. A reader that starts refusing one has
// lost ground, not gained safety.
class RtfFuzzFindingsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsAndRoundTrips_data();
    void readsAndRoundTrips();
};

void RtfFuzzFindingsTest::readsAndRoundTrips_data()
{
    QTest::addColumn<QString>("file");
    const QDir folder(TestData::path(QStringLiteral("rtf/fuzz")));
    for (const QString &file : folder.entryList(QDir::Files))
        QTest::newRow(qPrintable(file)) << file;
}

void RtfFuzzFindingsTest::readsAndRoundTrips()
{
    QFETCH(QString, file);

    QTextDocument document;
    const RtfReadResult result = RtfReader::read(TestData::read(u"rtf/fuzz/"_qs + file), document);
    QVERIFY2(result.ok(), qPrintable(result.error));
    QTextDocument readBack;
    QVERIFY(RtfReader::read(RtfWriter::write(document), readBack).ok());
    QCOMPARE(QJsonDocument(TextDocumentDump::toJson(readBack)).toJson(),
        QJsonDocument(TextDocumentDump::toJson(document)).toJson());
}

QTEST_MAIN(RtfFuzzFindingsTest)
#include "tst_RtfFuzzFindings.moc"
