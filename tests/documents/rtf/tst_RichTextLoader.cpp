#include "documents/rtf/RichTextLoader.h"

#include <QTextDocument>
#include <QtTest>

Q_DECLARE_METATYPE(RtfReadResult::Status)

// What a rich-text window shows for a file: RTF formatted, anything else as plain text.
class RichTextLoaderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void showsContent_data();
    void showsContent();
};

void RichTextLoaderTest::showsContent_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<RtfReadResult::Status>("status");
    QTest::addColumn<QString>("text");

    QTest::newRow("rtf") << QByteArray(R"({\rtf1 R\'f8d\par gr\'f8d})") << RtfReadResult::Status::Read
                         << u"Rød\ngrød"_qs;
    QTest::newRow("empty file") << QByteArray() << RtfReadResult::Status::NotRtf << QString();
    QTest::newRow("utf-8 text") << QByteArray("R\xC3\xB8"
                                              "d\r\ngr\xC3\xB8"
                                              "d")
                                << RtfReadResult::Status::NotRtf << u"Rød\ngrød"_qs;
    QTest::newRow("windows-1252 text") << QByteArray("R\xF8"
                                                     "d\r\n")
                                       << RtfReadResult::Status::NotRtf << u"Rød\n"_qs;
    QTest::newRow("text that mentions rtf") << QByteArray(R"(Skriv {\rtf1 forrest)")
                                            << RtfReadResult::Status::NotRtf << u"Skriv {\\rtf1 forrest"_qs;
    QTest::newRow("rtf that gives nothing is told apart")
        << QByteArray(R"({\rtf1{\fonttbl{\f0 Arial;})") << RtfReadResult::Status::Empty << QString();
    QTest::newRow("damaged rtf is refused")
        << QByteArray(R"({\rtf1 )") + QByteArray(2000, '{') << RtfReadResult::Status::Failed << QString();
}

void RichTextLoaderTest::showsContent()
{
    QFETCH(QByteArray, bytes);
    QFETCH(RtfReadResult::Status, status);
    QFETCH(QString, text);

    QTextDocument document;
    const RtfReadResult result = RichTextLoader::load(bytes, document);
    QCOMPARE(result.status, status);
    QCOMPARE(result.error.isEmpty(),
        status != RtfReadResult::Status::Failed && status != RtfReadResult::Status::Empty);
    QCOMPARE(document.toPlainText(), text);
}

QTEST_MAIN(RichTextLoaderTest)
#include "tst_RichTextLoader.moc"
