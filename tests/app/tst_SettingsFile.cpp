#include "app/SettingsFile.h"

#include <QTemporaryDir>
#include <QtTest>

class SettingsFileTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsLines_data();
    void readsLines();
    void damagedFileSaysSo_data();
    void damagedFileSaysSo();
    void windows1252ThatWouldReadAsUtf8IsWrittenWithAMark();
    void appliesUntilTheFirstBadLine();
    void writesBackInTheEncodingItWasReadIn_data();
    void writesBackInTheEncodingItWasReadIn();
    void newFileIsUtf8WithCrLf();
    void folderInPlaceOfFileIsUnreadable();

private:
    QString writeFile(const QByteArray &bytes);
    QTemporaryDir dir_;
};

QString SettingsFileTest::writeFile(const QByteArray &bytes)
{
    const QString path = dir_.filePath(QStringLiteral("indstillinger.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write fixture");
    file.write(bytes);
    return path;
}

void SettingsFileTest::readsLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    const QStringList three = { QStringLiteral("800"), QStringLiteral("Grøn"), QStringLiteral("1") };
    QTest::newRow("crlf") << QByteArray("800\r\nGr\xC3\xB8n\r\n1\r\n") << three;
    QTest::newRow("lf only") << QByteArray("800\nGr\xC3\xB8n\n1\n") << three;
    QTest::newRow("cr only") << QByteArray("800\rGr\xC3\xB8n\r1\r") << three;
    QTest::newRow("last line without break") << QByteArray("800\r\nGr\xC3\xB8n\r\n1") << three;
    QTest::newRow("mark utf-8") << QByteArray("\xEF\xBB\xBF"
                                              "800\r\nGr\xC3\xB8n\r\n1\r\n")
                                << three;
    QTest::newRow("mark utf-16le") << QByteArray("\xFF\xFE"
                                                 "8\0"
                                                 "0\0"
                                                 "0\0\r\0\n\0G\0r\0\xF8\0n\0\r\0\n\0"
                                                 "1\0\r\0\n\0",
        30) << three;
    QTest::newRow("windows-1252") << QByteArray("800\r\nGr\xF8n\r\n1\r\n") << three;
    QTest::newRow("empty") << QByteArray() << QStringList();
    QTest::newRow("one empty line") << QByteArray("\r\n") << QStringList { QString() };
    QTest::newRow("binary") << QByteArray("\x00\x01\xFF\r\n\x80",
        6) << QStringList { QString(QChar(0)) + QChar(1) + QChar(0xFF), QStringLiteral("€") };
}

void SettingsFileTest::readsLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    SettingsFile settings(writeFile(bytes));
    QCOMPARE(settings.read(), SettingsFile::Status::Read);
    QCOMPARE(settings.lines(), lines);
}

void SettingsFileTest::damagedFileSaysSo_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("damaged");
    QTest::newRow("utf-8 with a bad byte")
        << QByteArray("Gr\xC3\xB8n\r\nBl\xC3\xA5\xFF\r\n")
        << QStringList { QStringLiteral("Grøn"), QStringLiteral("Blå\uFFFD") } << true;
    QTest::newRow("windows-1252 is not damaged")
        << QByteArray("Gr\xF8n\r\nBl\xE5\r\n")
        << QStringList { QStringLiteral("Grøn"), QStringLiteral("Blå") } << false;
    QTest::newRow("utf-8 with mark and a bad byte")
        << QByteArray("\xEF\xBB\xBFGr\xC3n\r\n") << QStringList { QStringLiteral("Gr\uFFFDn") } << true;
    QTest::newRow("utf-16 le cut in a character")
        << QByteArray("\xFF\xFEG\0r\0\xF8", 7) << QStringList { QStringLiteral("Gr\uFFFD") } << true;
    QTest::newRow("utf-16 le whole") << QByteArray("\xFF\xFEG\0\xF8\0", 6)
                                     << QStringList { QStringLiteral("Gø") } << false;
}

void SettingsFileTest::damagedFileSaysSo()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QFETCH(bool, damaged);
    SettingsFile settings(writeFile(bytes));
    QCOMPARE(settings.read(), SettingsFile::Status::Read);
    QCOMPARE(settings.lines(), lines);
    QCOMPARE(settings.damaged(), damaged);
}

// Found by fuzzing: Windows-1252 text whose letters happen to form UTF-8 read back as damaged UTF-8
// once fewer other letters were written with it.
void SettingsFileTest::windows1252ThatWouldReadAsUtf8IsWrittenWithAMark()
{
    const SettingsFile::Content read = SettingsFile::parse("\xC3\xA6"
                                                           "ble \xC3\xB8\r\n\xF8\xF8\xF8\r\n");
    QCOMPARE(read.encoding, TextEncoding::Windows1252);
    QVERIFY(!read.damaged);
    const QStringList fewer = { read.lines[0], QStringLiteral("ø") };
    const EncodedText written = SettingsFile::format(fewer, read.encoding);
    QCOMPARE(written.encoding, TextEncoding::Utf8Bom);
    QCOMPARE(SettingsFile::parse(written.bytes).lines, fewer);

    // ... and once the only letter that was no UTF-8 is left out, the rest is UTF-8.
    const QStringList only = { read.lines[0] };
    QCOMPARE(SettingsFile::format(only, read.encoding).encoding, TextEncoding::Utf8Bom);
    QCOMPARE(SettingsFile::parse(SettingsFile::format(only, read.encoding).bytes).lines, only);
}

void SettingsFileTest::appliesUntilTheFirstBadLine()
{
    SettingsFile settings(writeFile("12\r\n1\r\nikke et tal\r\n7\r\n"));
    QCOMPARE(settings.read(), SettingsFile::Status::Read);
    int first = 0, last = 0;
    bool flag = false;
    QString never = QStringLiteral("urørt");
    const bool complete = settings.apply({
        SettingsLine::integer([&](int value) { first = value; }),
        SettingsLine::flag([&](bool value) { flag = value; }),
        SettingsLine::integer([&](int value) { never = QString::number(value); }),
        SettingsLine::integer([&](int value) { last = value; }),
    });
    QVERIFY(!complete);
    QCOMPARE(first, 12);
    QVERIFY(flag);
    QCOMPARE(never, QStringLiteral("urørt"));
    QCOMPARE(last, 0);

    // A line beyond the end of the file fails the same way.
    SettingsFile shortFile(writeFile("5\r\n"));
    shortFile.read();
    QVERIFY(!shortFile.apply({ SettingsLine::integer([](int) {}), SettingsLine::integer([](int) {}) }));
}

void SettingsFileTest::writesBackInTheEncodingItWasReadIn_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("written");
    const QByteArray utf8Bom("\xEF\xBB\xBFGr\xC3\xB8n\r\n1\r\n");
    const QByteArray utf16le("\xFF\xFEG\0r\0\xF8\0n\0\r\0\n\0", 14);
    const QByteArray utf16be("\xFE\xFF\0G\0r\0\xF8\0n\0\r\0\n", 14);
    QTest::newRow("utf-8 with mark") << utf8Bom << utf8Bom;
    QTest::newRow("utf-16le with mark") << utf16le << utf16le;
    QTest::newRow("utf-16be with mark") << utf16be << utf16be;
    QTest::newRow("windows-1252") << QByteArray("Gr\xF8n\r\n") << QByteArray("Gr\xF8n\r\n");
    QTest::newRow("lf is written as crlf") << QByteArray("Gr\xC3\xB8n\n") << QByteArray("Gr\xC3\xB8n\r\n");
}

void SettingsFileTest::writesBackInTheEncodingItWasReadIn()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, written);
    const QString path = writeFile(bytes);
    SettingsFile settings(path);
    QCOMPARE(settings.read(), SettingsFile::Status::Read);
    QVERIFY(settings.write(settings.lines()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), written);
}

void SettingsFileTest::newFileIsUtf8WithCrLf()
{
    const QString path = dir_.filePath(QStringLiteral("ny.txt"));
    SettingsFile settings(path);
    QCOMPARE(settings.read(), SettingsFile::Status::Missing);
    QVERIFY(settings.write({ QStringLiteral("Æble"), SettingsFile::flag(true), SettingsFile::flag(false) }));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(),
        QByteArray("\xC3\x86"
                   "ble\r\n1\r\n0\r\n"));
}

void SettingsFileTest::folderInPlaceOfFileIsUnreadable()
{
    const QString path = dir_.filePath(QStringLiteral("mappe.txt"));
    QVERIFY(QDir().mkpath(path));
    SettingsFile settings(path);
    QCOMPARE(settings.read(), SettingsFile::Status::Unreadable);
    QVERIFY(!settings.error().isEmpty());
    QVERIFY(!settings.write({ QStringLiteral("1") }));
    QVERIFY(QFileInfo(path).isDir());
}

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "tst_SettingsFile.moc"
