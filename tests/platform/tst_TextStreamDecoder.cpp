#include "platform/TextStreamDecoder.h"

#include <QtTest>

Q_DECLARE_METATYPE(TextEncoding)
Q_DECLARE_METATYPE(LineEnding)

namespace {

struct StreamResult {
    QString text;
    TextEncoding encoding;
    LineEnding lineEnding;
    LineEndExceptions lineEndExceptions;
    bool hadLineBreaks;
    bool restarted = false;
};

// Feeds the bytes in pieces of the given size, starting again in Windows-1252 when the decoder asks to,
// as the document loader does.
StreamResult decodeInPieces(const QByteArray &bytes, qsizetype pieceSize)
{
    StreamResult result {};
    TextStreamDecoder decoder(LineEnding::Lf);
    for (qsizetype at = 0; at < bytes.size() && !decoder.needsRestart(); at += pieceSize)
        result.text
            += decoder.decode(QByteArrayView(bytes).sliced(at, std::min(pieceSize, bytes.size() - at)));
    result.text += decoder.finish();
    if (decoder.needsRestart()) {
        result.restarted = true;
        result.text.clear();
        decoder = TextStreamDecoder::windows1252(LineEnding::Lf);
        for (qsizetype at = 0; at < bytes.size(); at += pieceSize)
            result.text
                += decoder.decode(QByteArrayView(bytes).sliced(at, std::min(pieceSize, bytes.size() - at)));
        result.text += decoder.finish();
    }
    result.encoding = decoder.encoding();
    result.lineEnding = decoder.lineEnding();
    result.lineEndExceptions = decoder.lineEndExceptions();
    result.hadLineBreaks = decoder.hadLineBreaks();
    return result;
}

} // namespace

class TextStreamDecoderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void piecesGiveWhatWholeFileDecodingGives_data();
    void piecesGiveWhatWholeFileDecodingGives();
    void lateInvalidUtf8AfterAsciiNeedsNoRestart();
    void lateInvalidUtf8AfterDanishLettersRestartsInWindows1252();
};

void TextStreamDecoderTest::piecesGiveWhatWholeFileDecodingGives_data()
{
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray danishUtf8("R\xC3\xB8"
                                "dgr\xC3\xB8"
                                "d med fl\xC3\xB8"
                                "de\r\n\xC3\x86"
                                "ble p\xC3\xA5 \xC3\x85"
                                "en\r\n");
    QTest::newRow("utf-8 without mark, crlf") << danishUtf8;
    QTest::newRow("utf-8 with mark") << QByteArray("\xEF\xBB\xBF") + danishUtf8;
    QTest::newRow("utf-8, four-byte character") << QByteArray("a\xF0\x9F\x98\x80"
                                                              "b\n\xF0\x9F\x98\x80");
    QTest::newRow("windows-1252 danish") << QByteArray("R\xF8"
                                                       "dgr\xF8"
                                                       "d\r\n\xC6"
                                                       "ble\r\n");
    QTest::newRow("windows-1252 after ascii") << QByteArray("hello\nworld\n\xE6\xF8\xE5\n");
    QTest::newRow("utf-16 le with surrogate pair") << QByteArray("\xFF\xFE"
                                                                 "a\x00\x3D\xD8\x00\xDE\r\x00\n\x00"
                                                                 "b\x00",
        14);
    QTest::newRow("utf-16 be, cr") << QByteArray("\xFE\xFF\x00\xE6\x00\r\x00\xF8\x00\r", 10);
    QTest::newRow("utf-16 le, odd last byte") << QByteArray("\xFF\xFE"
                                                            "a\x00"
                                                            "b",
        5);
    QTest::newRow("mixed line ends") << QByteArray("a\r\nb\nc\rd\r\n\r\r\n");
    QTest::newRow("zero-width no-break space inside") << QByteArray("a\xEF\xBB\xBF"
                                                                    "b\xEF\xBB\xBF");
    QTest::newRow("utf-16 le, zero-width no-break space inside") << QByteArray("\xFF\xFE"
                                                                               "a\0\xFF\xFE"
                                                                               "b\0",
        8);
    QTest::newRow("cr at the very end") << QByteArray("line\r");
    QTest::newRow("truncated utf-8 at the end") << QByteArray("ascii then \xC3");
    QTest::newRow("two bytes only, half a mark") << QByteArray("\xEF\xBB");
    QTest::newRow("one byte") << QByteArray("x");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("no line break") << QByteArray("just one line");
}

void TextStreamDecoderTest::piecesGiveWhatWholeFileDecodingGives()
{
    QFETCH(QByteArray, bytes);
    const DecodedText whole = TextCodec::decode(bytes, LineEnding::Lf);
    for (const qsizetype pieceSize : { 1, 2, 3, 5, 4096 }) {
        const StreamResult streamed = decodeInPieces(bytes, pieceSize);
        const QByteArray where = "pieces of " + QByteArray::number(pieceSize);
        QVERIFY2(streamed.text == whole.text, where);
        QVERIFY2(streamed.encoding == whole.encoding, where);
        QVERIFY2(streamed.lineEnding == whole.lineEnding, where);
        QVERIFY2(streamed.lineEndExceptions == whole.lineEndExceptions, where);
        QVERIFY2(streamed.hadLineBreaks == whole.hadLineBreaks, where);
    }
}

void TextStreamDecoderTest::lateInvalidUtf8AfterAsciiNeedsNoRestart()
{
    TextStreamDecoder decoder(LineEnding::Lf);
    QCOMPARE(decoder.decode("plain ascii\n"), QStringLiteral("plain ascii\n"));
    QCOMPARE(decoder.encoding(), TextEncoding::Utf8);
    QCOMPARE(decoder.decode("bl\xE5 og\n"), QStringLiteral("blå og\n"));
    QVERIFY(!decoder.needsRestart());
    QCOMPARE(decoder.encoding(), TextEncoding::Windows1252);
}

void TextStreamDecoderTest::lateInvalidUtf8AfterDanishLettersRestartsInWindows1252()
{
    const QByteArray bytes("bl\xC3\xA5\n"
                           "gr\xF8n\n");
    TextStreamDecoder decoder(LineEnding::Lf);
    QCOMPARE(decoder.decode(QByteArrayView(bytes).first(5)), QStringLiteral("blå\n"));
    QCOMPARE(decoder.decode(QByteArrayView(bytes).sliced(5)), QString());
    QVERIFY(decoder.needsRestart());

    const StreamResult streamed = decodeInPieces(bytes, 5);
    QVERIFY(streamed.restarted);
    QCOMPARE(streamed.text, QStringLiteral("blÃ¥\ngrøn\n"));
    QCOMPARE(streamed.encoding, TextEncoding::Windows1252);
}

QTEST_GUILESS_MAIN(TextStreamDecoderTest)
#include "tst_TextStreamDecoder.moc"
