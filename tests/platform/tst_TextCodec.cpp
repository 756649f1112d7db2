#include "platform/AtomicFileWriter.h"
#include "platform/TextCodec.h"

#include <QRandomGenerator>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

Q_DECLARE_METATYPE(TextEncoding)
Q_DECLARE_METATYPE(LineEnding)

class TextCodecTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void roundTripsEveryEncoding_data();
    void roundTripsEveryEncoding();
    void windows1252CoversEveryByte();
    void utf8IsValidExactlyWhenTheDecoderTakesIt();
    void textWindows1252CannotHoldIsWrittenAsUtf8WithMark();
    void mixedLineEndsTakeTheMostFrequent();
    void eachLineKeepsItsOwnLineEnd_data();
    void eachLineKeepsItsOwnLineEnd();
    void atomicWriteReplacesWholeFile();
    void atomicWriteFailureKeepsOldFileAndSaysWhyInDanish();
};

void TextCodecTest::roundTripsEveryEncoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<LineEnding>("lineEnding");
    QTest::addColumn<QString>("text");

    const QString danish = QStringLiteral("Rødgrød med fløde\nÆble på Åen\n");
    QTest::newRow("utf-8 without mark, lf") << QByteArray("R\xC3\xB8"
                                                          "dgr\xC3\xB8"
                                                          "d med fl\xC3\xB8"
                                                          "de\n\xC3\x86"
                                                          "ble p\xC3\xA5 \xC3\x85"
                                                          "en\n")
                                            << TextEncoding::Utf8 << LineEnding::Lf << danish;
    QTest::newRow("utf-8 with mark, crlf") << QByteArray("\xEF\xBB\xBFR\xC3\xB8"
                                                         "dgr\xC3\xB8"
                                                         "d med fl\xC3\xB8"
                                                         "de\r\n\xC3\x86"
                                                         "ble p\xC3\xA5 \xC3\x85"
                                                         "en\r\n")
                                           << TextEncoding::Utf8Bom << LineEnding::CrLf << danish;
    QTest::newRow("windows-1252, crlf") << QByteArray("R\xF8"
                                                      "dgr\xF8"
                                                      "d med fl\xF8"
                                                      "de\r\n\xC6"
                                                      "ble p\xE5 \xC5"
                                                      "en\r\n")
                                        << TextEncoding::Windows1252 << LineEnding::CrLf << danish;
    QTest::newRow("windows-1252, cr")
        << QByteArray("\x80 og \x93"
                      "citat\x94\r")
        << TextEncoding::Windows1252 << LineEnding::Cr << QStringLiteral("€ og “citat”\n");
    QTest::newRow("utf-16 le") << QByteArray("\xFF\xFE\xE6\x00\r\x00\n\x00", 8) << TextEncoding::Utf16LE
                               << LineEnding::CrLf << QStringLiteral("æ\n");
    QTest::newRow("utf-16 be") << QByteArray("\xFE\xFF\x00\xE6\x00\n", 6) << TextEncoding::Utf16BE
                               << LineEnding::Lf << QStringLiteral("æ\n");
    // The mark is not part of the text; a zero-width no-break space right after it is.
    QTest::newRow("utf-8 mark, then a zero-width no-break space")
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx") << TextEncoding::Utf8Bom << LineEnding::CrLf
        << QStringLiteral("\uFEFFx");
    QTest::newRow("utf-16 le mark, then a zero-width no-break space") << QByteArray("\xFF\xFE\xFF\xFEx\0",
        6) << TextEncoding::Utf16LE << LineEnding::CrLf << QStringLiteral("\uFEFFx");
    QTest::newRow("empty") << QByteArray() << TextEncoding::Utf8 << LineEnding::CrLf << QString();
    QTest::newRow("one character") << QByteArray("x") << TextEncoding::Utf8 << LineEnding::CrLf
                                   << QStringLiteral("x");
}

void TextCodecTest::roundTripsEveryEncoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(TextEncoding, encoding);
    QFETCH(LineEnding, lineEnding);
    QFETCH(QString, text);

    const DecodedText decoded = TextCodec::decode(bytes, LineEnding::CrLf);
    QCOMPARE(decoded.text, text);
    QCOMPARE(decoded.encoding, encoding);
    QCOMPARE(decoded.lineEnding, lineEnding);

    const EncodedText encoded = TextCodec::encode(decoded.text, decoded.encoding, decoded.lineEnding);
    QCOMPARE(encoded.encoding, encoding);
    QCOMPARE(encoded.bytes, bytes);
}

void TextCodecTest::windows1252CoversEveryByte()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = TextCodec::decodeWindows1252(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(TextCodec::encodeWindows1252(text).value(), all);
    QCOMPARE(TextCodec::decode(all, LineEnding::CrLf).encoding, TextEncoding::Windows1252);
}

void TextCodecTest::utf8IsValidExactlyWhenTheDecoderTakesIt()
{
    // Pieces of every length of sequence, and faults of every kind, strung together at every offset
    // from a boundary of sixteen bytes, where the check takes its steps.
    const QList<QByteArray> valid { "a", "Søren ", "æøå", "\xC2\x80", "\xDF\xBF", "€", "\xE0\xA0\x80",
        "\xED\x9F\xBF", "\xEF\xBF\xBE", "😀", "\xF4\x8F\xBF\xBF", "abcdefghijklmnop" };
    const QList<QByteArray> invalid { "\x80", "\xBF", "\xC0\xAF", "\xC1\xBF", "\xC3",
        "\xC3"
        "a",
        "\xE0\x9F\x80", "\xED\xA0\x80", "\xE2\x82", "\xF0\x8F\xBF\xBF", "\xF4\x90\x80\x80",
        "\xF5\x80\x80\x80", "\xFF", "\xC3\xA6\xA6" };
    QRandomGenerator random(16);
    for (int round = 0; round < 4000; ++round) {
        QByteArray bytes(int(random.bounded(20)), 'x');
        const int pieces = int(random.bounded(1, 12));
        for (int p = 0; p < pieces; ++p) {
            const bool bad = random.bounded(8) == 0;
            const QList<QByteArray> &from = bad ? invalid : valid;
            bytes += from[random.bounded(int(from.size()))];
        }
        QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        const QString decoded = decoder(bytes);
        Q_UNUSED(decoded);
        QVERIFY2(TextCodec::isValidUtf8(bytes) == !decoder.hasError(), bytes.toHex(' ').constData());
    }
}

void TextCodecTest::textWindows1252CannotHoldIsWrittenAsUtf8WithMark()
{
    const EncodedText encoded
        = TextCodec::encode(QStringLiteral("pil → her"), TextEncoding::Windows1252, LineEnding::CrLf);
    QCOMPARE(encoded.encoding, TextEncoding::Utf8Bom);
    QCOMPARE(TextCodec::decode(encoded.bytes, LineEnding::CrLf).text, QStringLiteral("pil → her"));
}

void TextCodecTest::mixedLineEndsTakeTheMostFrequent()
{
    const DecodedText decoded = TextCodec::decode("a\nb\r\nc\nd", LineEnding::CrLf);
    QCOMPARE(decoded.lineEnding, LineEnding::Lf);
    QCOMPARE(decoded.text, QStringLiteral("a\nb\nc\nd"));
    QCOMPARE(TextCodec::decode("ingen linjeskift", LineEnding::Cr).lineEnding, LineEnding::Cr);
}

void TextCodecTest::eachLineKeepsItsOwnLineEnd_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("exceptions");
    QTest::newRow("one kind") << QByteArray("a\r\nb\r\n") << 0;
    QTest::newRow("crlf with some lf") << QByteArray("a\r\nb\nc\r\nd\ne\r\n") << 2;
    QTest::newRow("lf with a lone cr") << QByteArray("a\nb\rc\nd") << 1;
    QTest::newRow("cr before crlf") << QByteArray("a\r\r\nb\r\n") << 1;
    QTest::newRow("runs of each kind") << QByteArray("1\n2\n3\r\n4\r\n5\r6\r7\n") << 4;
    QTest::newRow("empty lines of every kind") << QByteArray("\n\r\n\r\n\r\r") << 3;
    QTest::newRow("windows-1252") << QByteArray("\xE6\r\n\xF8\n\xE5\r\n") << 1;
}

// Saving once wrote every break of a file with mixed line ends as its most frequent kind.
void TextCodecTest::eachLineKeepsItsOwnLineEnd()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, exceptions);
    const DecodedText decoded = TextCodec::decode(bytes, LineEnding::Lf);
    QCOMPARE(decoded.lineEndExceptions.size(), exceptions);
    const QString text = TextCodec::withLineEnds(decoded.text, decoded.lineEnding, decoded.lineEndExceptions);
    QCOMPARE(TextCodec::encode(text, decoded.encoding, LineEnding::Lf).bytes, bytes);
}

void TextCodecTest::atomicWriteReplacesWholeFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fil.txt"));
    QVERIFY(AtomicFileWriter::write(path, "gammel tekst som er lang").ok);
    QVERIFY(AtomicFileWriter::write(path, "ny").ok);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("ny"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

void TextCodecTest::atomicWriteFailureKeepsOldFileAndSaysWhyInDanish()
{
    if (geteuid() == 0)
        QSKIP("root may write into read-only folders");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fil.txt"));
    QVERIFY(AtomicFileWriter::write(path, "gammel").ok);
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    const AtomicFileWriter::Result result = AtomicFileWriter::write(path, "ny");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!result.ok);
    QCOMPARE(result.error, QStringLiteral("Adgang nægtet."));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("gammel"));
}

QTEST_GUILESS_MAIN(TextCodecTest)
#include "tst_TextCodec.moc"
