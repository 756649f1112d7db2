#include "documents/PlainEditor.h"
#include "documents/loading/DocumentLoader.h"
#include "platform/FileError.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>

#include <cerrno>
#include <unistd.h>
#include <utility>

Q_DECLARE_METATYPE(TextEncoding)
Q_DECLARE_METATYPE(LineEnding)

namespace {

// Danish lines of varying length, some long enough to wrap, with CR LF breaks.
QByteArray manyLines(qsizetype bytes)
{
    const QByteArray line = "Linje med æbler, øl og blåbær nummer ";
    QByteArray text;
    text.reserve(bytes + 200);
    for (int n = 0; text.size() < bytes; ++n)
        text += line + QByteArray::number(n) + QByteArray(n % 7 * 20, 'x') + "\r\n";
    return text;
}

} // namespace

class DocumentLoaderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void smallFileIsReadWholeInStart_data();
    void smallFileIsReadWholeInStart();
    void bigFileShowsFirstPieceAndStreamsTheRest();
    void eventLoopRunsBetweenSlices();
    void cancelKeepsWhatWasReadAndMakesTheEditorEditable();
    void destroyingTheEditorDuringTheLoadStopsIt();
    void fileThatIsNotUtf8FurtherOnIsReadAsWindows1252();
    void longLinesGoInWholeOnceRead();
    void unreadableFilesAreRefusedInDanish_data();
    void unreadableFilesAreRefusedInDanish();

private:
    QString write(const QString &name, const QByteArray &bytes);
    QTemporaryDir dir_;
};

QString DocumentLoaderTest::write(const QString &name, const QByteArray &bytes)
{
    const QString path = dir_.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
    return path;
}

void DocumentLoaderTest::smallFileIsReadWholeInStart_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<LineEnding>("lineEnding");
    QTest::addColumn<QString>("text");

    QTest::newRow("utf-8 with mark, crlf")
        << QByteArray("\xEF\xBB\xBF"
                      "bl\xC3\xA5\r\nb\xC3\xA6r\r\n")
        << TextEncoding::Utf8Bom << LineEnding::CrLf << QStringLiteral("blå\nbær\n");
    QTest::newRow("windows-1252, lf") << QByteArray("bl\xE5\nb\xE6r") << TextEncoding::Windows1252
                                      << LineEnding::Lf << QStringLiteral("blå\nbær");
    QTest::newRow("utf-16 le, cr") << QByteArray("\xFF\xFE\xE6\x00\r\x00", 6) << TextEncoding::Utf16LE
                                   << LineEnding::Cr << QStringLiteral("æ\n");
    QTest::newRow("empty file takes the fallback")
        << QByteArray() << TextEncoding::Utf8 << LineEnding::CrLf << QString();
}

void DocumentLoaderTest::smallFileIsReadWholeInStart()
{
    QFETCH(QByteArray, bytes);
    QFETCH(TextEncoding, encoding);
    QFETCH(LineEnding, lineEnding);
    QFETCH(QString, text);

    PlainEditor editor;
    editor.setPlainText(QStringLiteral("old text"));
    DocumentLoader loader;
    QSignalSpy finished(&loader, &DocumentLoader::finished);
    QVERIFY(loader.start(write(QStringLiteral("small.txt"), bytes), editor, LineEnding::CrLf));

    QCOMPARE(finished.count(), 1);
    QVERIFY(loader.isComplete());
    QVERIFY(!loader.isLoading());
    QCOMPARE(editor.toPlainText(), text);
    QCOMPARE(loader.encoding(), encoding);
    QCOMPARE(loader.lineEnding(), lineEnding);
    QVERIFY(!editor.document()->isModified());
    QVERIFY(!editor.document()->isUndoAvailable());
    QVERIFY(!editor.isReadOnly());
}

void DocumentLoaderTest::bigFileShowsFirstPieceAndStreamsTheRest()
{
    const QByteArray bytes = manyLines(3 * 1024 * 1024);
    const QString expected = TextCodec::decode(bytes, LineEnding::Lf).text;
    PlainEditor editor;
    editor.resize(600, 400);
    editor.show();
    DocumentLoader loader;
    QSignalSpy finished(&loader, &DocumentLoader::finished);
    QSignalSpy progress(&loader, &DocumentLoader::progress);

    QVERIFY(loader.start(write(QStringLiteral("big.txt"), bytes), editor));
    QVERIFY(loader.isLoading());
    QVERIFY(editor.isReadOnly());
    const QString firstScreen = editor.toPlainText();
    QVERIFY(firstScreen.size() > 1000);
    QVERIFY(expected.startsWith(firstScreen));
    // Closing the window half way once offered to save the part read over the file.
    QVERIFY(progress.wait());
    QVERIFY(loader.isLoading());
    QVERIFY(!editor.document()->isModified());

    QVERIFY(finished.wait(60000));
    QCOMPARE(editor.toPlainText(), expected);
    QCOMPARE(loader.encoding(), TextEncoding::Utf8);
    QCOMPARE(loader.lineEnding(), LineEnding::CrLf);
    QVERIFY(!editor.isReadOnly());
    QVERIFY(!editor.document()->isModified());
    QVERIFY(!editor.document()->isUndoAvailable());
    QVERIFY(progress.count() > 2);
    qint64 previous = 0;
    for (const QList<QVariant> &report : progress) {
        QVERIFY(report.at(0).toLongLong() >= previous);
        previous = report.at(0).toLongLong();
        QCOMPARE(report.at(1).toLongLong(), qint64(bytes.size()));
    }
    QCOMPARE(previous, qint64(bytes.size()));
}

void DocumentLoaderTest::eventLoopRunsBetweenSlices()
{
    PlainEditor editor;
    DocumentLoader loader;
    QVERIFY(loader.start(write(QStringLiteral("big.txt"), manyLines(3 * 1024 * 1024)), editor));
    int ticksWhileLoading = 0;
    QTimer ticker;
    ticker.setInterval(0);
    connect(&ticker, &QTimer::timeout, this, [&] { ticksWhileLoading += loader.isLoading() ? 1 : 0; });
    ticker.start();
    QTRY_VERIFY_WITH_TIMEOUT(loader.isComplete(), 60000);
    QVERIFY(ticksWhileLoading > 1);
}

void DocumentLoaderTest::cancelKeepsWhatWasReadAndMakesTheEditorEditable()
{
    PlainEditor editor;
    DocumentLoader loader;
    QSignalSpy finished(&loader, &DocumentLoader::finished);
    const QByteArray bytes = manyLines(3 * 1024 * 1024);
    QVERIFY(loader.start(write(QStringLiteral("big.txt"), bytes), editor));
    QSignalSpy progress(&loader, &DocumentLoader::progress);
    QVERIFY(progress.wait());
    loader.cancel();

    QVERIFY(!loader.isLoading());
    QVERIFY(!loader.isComplete());
    QVERIFY(!editor.isReadOnly());
    const QString partial = editor.toPlainText();
    QVERIFY(!partial.isEmpty());
    QVERIFY(partial.size() < bytes.size());
    // A slice still due would run here.
    QCoreApplication::processEvents();
    QCOMPARE(editor.toPlainText(), partial);
    QCOMPARE(finished.count(), 0);
}

void DocumentLoaderTest::destroyingTheEditorDuringTheLoadStopsIt()
{
    auto *editor = new PlainEditor;
    DocumentLoader loader;
    QVERIFY(loader.start(write(QStringLiteral("big.txt"), manyLines(3 * 1024 * 1024)), *editor));
    QSignalSpy progress(&loader, &DocumentLoader::progress);
    QVERIFY(progress.wait());
    delete editor;
    QTRY_VERIFY(!loader.isLoading());
    QVERIFY(!loader.isComplete());
}

// Starting again in the middle of a slice once stopped the load with a read error.
void DocumentLoaderTest::fileThatIsNotUtf8FurtherOnIsReadAsWindows1252()
{
    // Valid UTF-8 with Danish letters for the first megabyte, then one Windows-1252 "ø".
    QByteArray bytes = manyLines(1024 * 1024);
    bytes += "Sidste linje: gr\xF8n\r\n";
    PlainEditor editor;
    DocumentLoader loader;
    QSignalSpy finished(&loader, &DocumentLoader::finished);
    QVERIFY(loader.start(write(QStringLiteral("mixed.txt"), bytes), editor));
    QVERIFY(finished.wait(60000));
    QCOMPARE(loader.encoding(), TextEncoding::Windows1252);
    QCOMPARE(editor.toPlainText(), TextCodec::decode(bytes, LineEnding::Lf).text);
    QVERIFY(editor.toPlainText().endsWith(QStringLiteral("grøn\n")));
}

// A line of megabytes once grew in the editor slice by slice, each slice laying the whole paragraph out
// again: the load never ended.
void DocumentLoaderTest::longLinesGoInWholeOnceRead()
{
    const QByteArray longLine = QByteArray("rødgrød med fløde ").repeated(60000); // over 1 MB
    const QByteArray bytes = manyLines(200 * 1024) + longLine + "\r\n" + manyLines(300 * 1024) + longLine;
    PlainEditor editor;
    editor.resize(600, 400);
    editor.show();
    DocumentLoader loader;
    QSignalSpy finished(&loader, &DocumentLoader::finished);
    // Edits that grow a long paragraph in place, without adding paragraphs: each lays it out again.
    int growths = 0;
    int blocks = editor.document()->blockCount();
    connect(editor.document(), &QTextDocument::contentsChange, this, [&](int position, int, int) {
        const int before = std::exchange(blocks, editor.document()->blockCount());
        if (blocks == before
            && editor.document()->findBlock(position).length() > 2 * DocumentLoader::kLongestGrowingLine)
            ++growths;
    });

    QVERIFY(loader.start(write(QStringLiteral("long.txt"), bytes), editor));
    QVERIFY(finished.wait(60000));
    QCOMPARE(editor.toPlainText(), TextCodec::decode(bytes, LineEnding::Lf).text);
    // Only the last line, which no line end closes, goes in as the growth of a paragraph, once.
    QCOMPARE(growths, 1);
}

void DocumentLoaderTest::unreadableFilesAreRefusedInDanish_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << QStringLiteral("findes-ikke.txt") << FileError::reason(ENOENT);
    QTest::newRow("a folder") << QStringLiteral("mappe") << FileError::reason(EISDIR);
    QTest::newRow("a device without end") << QStringLiteral("/dev/zero") << DocumentLoader::notAFileText();
    QTest::newRow("no access") << QStringLiteral("laast.txt") << FileError::reason(EACCES);
}

void DocumentLoaderTest::unreadableFilesAreRefusedInDanish()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QDir(dir_.path()).mkdir(QStringLiteral("mappe"));
    if (name == QLatin1String("laast.txt")) {
        if (geteuid() == 0)
            QSKIP("root reads every file");
        QFile::setPermissions(write(name, "hemmelig"), QFileDevice::WriteOwner);
    }
    PlainEditor editor;
    editor.setPlainText(QStringLiteral("bliver stående"));
    DocumentLoader loader;
    QVERIFY(!loader.start(QDir::isAbsolutePath(name) ? name : dir_.filePath(name), editor));
    QCOMPARE(loader.errorText(), reason);
    QCOMPARE(editor.toPlainText(), QStringLiteral("bliver stående"));
    QVERIFY(!loader.isLoading());
}

QTEST_MAIN(DocumentLoaderTest)
#include "tst_DocumentLoader.moc"
