#include "search/text/ByteScreen.h"
#include "search/text/FileMask.h"
#include "search/text/TextSearchJob.h"
#include "search/text/TextSearchRun.h"

#include "platform/FileError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

// The search through the files below a folder, on small trees made for each case.
class TextSearchEngineTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void positionsInEveryEncoding_data();
    void positionsInEveryEncoding();
    void occurrencesOfAFile_data();
    void occurrencesOfAFile();
    void contentDecidesNotTheName();
    void rtfWithATableCountsTheTableToo();
    void rtfThatCannotBeReadIsListed();
    void hiddenFilesAreSearched();
    void folderNamedLikeAFileIsWalkedNotRead();
    void symbolicLinkLoopIsNotWalked();
    void orderIsStartFolderThenFoldersAsCollected();
    void countsOnlyForARecursiveSearch();
    void missingFolderFindsNothing();
    void unreadableFileSkipsOnlyItself();
    void unreadableByPermissionIsListed();
    void fileThatVanishesIsListed();
    void parallelSearchGivesTheSequentialRows();
    void stopEndsWithAPrefixOfTheRows();
    void longLinesGiveTheirLaidOutPiece_data();
    void longLinesGiveTheirLaidOutPiece();
    void byteScreen_data();
    void byteScreen();
    void masks_data();
    void masks();
    void jobReportsRowsInBatchesAndEnds();
    void jobStopsOnRequest();

private:
    QString write(const QString &name, const QByteArray &bytes);
    QString path(const QString &name) const { return dir_->filePath(name); }
    TextSearchRequest request(const QString &text, bool recursive = false) const;
    static QList<TextSearchRow> rowsOf(const TextSearchRequest &request, TextSearchSummary *summary = nullptr,
        TextSearchRun::Settings settings = {});

    std::unique_ptr<QTemporaryDir> dir_;
};

namespace {

class CollectingSink : public TextSearchSink {
public:
    void counted(int folders, int files) override { counts = { folders, files }; }
    void searched(const QList<TextSearchRow> &found) override
    {
        rows.append(found);
        ++files;
    }

    QList<TextSearchRow> rows;
    std::optional<std::pair<int, int>> counts;
    int files = 0;
};

QList<qsizetype> positionsOf(const QList<TextSearchRow> &rows)
{
    QList<qsizetype> positions;
    for (const TextSearchRow &row : rows)
        positions.append(row.position);
    return positions;
}

QStringList filesOf(const QList<TextSearchRow> &rows)
{
    QStringList files;
    for (const TextSearchRow &row : rows) {
        if (files.isEmpty() || files.last() != row.file)
            files.append(row.file);
    }
    return files;
}

QByteArray windows1252(const char *latin1)
{
    return QByteArray(latin1);
}

} // namespace

void TextSearchEngineTest::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

QString TextSearchEngineTest::write(const QString &name, const QByteArray &bytes)
{
    const QString file = path(name);
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(file));
    return QDir::cleanPath(QFileInfo(file).absoluteFilePath());
}

TextSearchRequest TextSearchEngineTest::request(const QString &text, bool recursive) const
{
    TextSearchRequest request;
    request.folder = dir_->path();
    request.text = text;
    request.recursive = recursive;
    return request;
}

QList<TextSearchRow> TextSearchEngineTest::rowsOf(
    const TextSearchRequest &request, TextSearchSummary *summary, TextSearchRun::Settings settings)
{
    CollectingSink sink;
    const std::atomic_bool stop = false;
    const TextSearchSummary result = TextSearchRun::run(request, sink, stop, settings);
    if (summary)
        *summary = result;
    return sink.rows;
}

void TextSearchEngineTest::positionsInEveryEncoding_data()
{
    QTest::addColumn<QByteArray>("bytes");

    // Two lines, "Et påskeæg" and "PÅSKEÆG!", then the needle once more after a blank line.
    QTest::newRow("utf-8 without mark, LF") << QByteArray("Et påskeæg\nPÅSKEÆG!\n\npåskeæg");
    QTest::newRow("utf-8 with mark, CR LF") << QByteArray("\xEF\xBB\xBF"
                                                          "Et påskeæg\r\nPÅSKEÆG!\r\n\r\npåskeæg");
    QTest::newRow("windows-1252, CR only")
        << windows1252("Et p\xE5ske\xE6g\rP\xC5SKE\xC6G!\r\rp\xE5ske\xE6g");
    QTest::newRow("windows-1252, mixed breaks")
        << windows1252("Et p\xE5ske\xE6g\r\nP\xC5SKE\xC6G!\n\rp\xE5ske\xE6g");
    QStringEncoder le(QStringConverter::Utf16LE);
    QTest::newRow("utf-16 little-endian with mark")
        << (QByteArray("\xFF\xFE") + QByteArray(le(QStringLiteral("Et påskeæg\r\nPÅSKEÆG!\r\n\r\npåskeæg"))));
    QStringEncoder be(QStringConverter::Utf16BE);
    QTest::newRow("utf-16 big-endian with mark")
        << (QByteArray("\xFE\xFF") + QByteArray(be(QStringLiteral("Et påskeæg\nPÅSKEÆG!\n\npåskeæg"))));
}

void TextSearchEngineTest::positionsInEveryEncoding()
{
    QFETCH(QByteArray, bytes);
    const QString file = write(QStringLiteral("brev.txt"), bytes);
    const QList<TextSearchRow> rows = rowsOf(request(QStringLiteral("påskeæg")));
    const QList<TextSearchRow> expected {
        { file, 3, QStringLiteral("Et påskeæg") },
        { file, 11, QStringLiteral("PÅSKEÆG!") },
        { file, 21, QStringLiteral("påskeæg") },
    };
    QCOMPARE(rows, expected);
}

void TextSearchEngineTest::occurrencesOfAFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<int>("options");
    QTest::addColumn<QList<qsizetype>>("positions");

    QTest::newRow("three times, increasing")
        << QByteArray("ord\nmere ord\nord") << QStringLiteral("ord") << 0 << QList<qsizetype> { 0, 9, 13 };
    QTest::newRow("aa in aaaa does not overlap")
        << QByteArray("aaaa") << QStringLiteral("aa") << 0 << QList<qsizetype> { 0, 2 };
    QTest::newRow("whole words pass over ordbog")
        << QByteArray("ordbog ord (ord) 2ord") << QStringLiteral("ord") << int(TextFinder::WholeWord)
        << QList<qsizetype> { 7, 12 };
    QTest::newRow("case-blind finds Ord and ORD")
        << QByteArray("Ord ORD ord") << QStringLiteral("ord") << 0 << QList<qsizetype> { 0, 4, 8 };
    QTest::newRow("match case") << QByteArray("Ord ORD ord") << QStringLiteral("ord")
                                << int(TextFinder::MatchCase) << QList<qsizetype> { 8 };
    QTest::newRow("a line break is one character")
        << QByteArray("ab\r\ncd") << QStringLiteral("cd") << 0 << QList<qsizetype> { 3 };
    QTest::newRow("a needle across a line break")
        << QByteArray("ab\r\ncd") << QStringLiteral("b\ncd") << 0 << QList<qsizetype> { 1 };
    QTest::newRow("empty file") << QByteArray() << QStringLiteral("ord") << 0 << QList<qsizetype> {};
    QTest::newRow("long s folds to s")
        << QByteArray("et \xC5\xBFolskin") << QStringLiteral("solskin") << 0 << QList<qsizetype> { 3 };
    QTest::newRow("kelvin sign folds to k") << QByteArray("\xE2\x84\xAA"
                                                          "at")
                                            << QStringLiteral("kat") << 0 << QList<qsizetype> { 0 };
    // A needle of ASCII characters is found in the bytes; the positions must still count characters.
    QTest::newRow("after characters of two, three and four bytes")
        << QByteArray("æ€😀 ord") << QStringLiteral("ord") << 0 << QList<qsizetype> { 5 };
    QTest::newRow("after windows-1252 letters and a CR LF")
        << windows1252("\xE6\x80 ord\r\nord") << QStringLiteral("ord") << 0 << QList<qsizetype> { 3, 7 };
    QTest::newRow("lone CR, CR LF and LF CR")
        << QByteArray("ab\rord\r\nord\n\rord") << QStringLiteral("ord") << 0 << QList<qsizetype> { 3, 7, 12 };
    QTest::newRow("whole words next to letters outside ascii")
        << QByteArray("æord ordø ord–x ord") << QStringLiteral("ord") << int(TextFinder::WholeWord)
        << QList<qsizetype> { 10, 16 };
    QTest::newRow("whole words next to a combining mark")
        << QByteArray("ord\xCC\x81 ord") << QStringLiteral("ord") << int(TextFinder::WholeWord)
        << QList<qsizetype> { 5 };
    QTest::newRow("whole words in windows-1252") << windows1252("\xE6ord ord") << QStringLiteral("ord")
                                                 << int(TextFinder::WholeWord) << QList<qsizetype> { 5 };
    QTest::newRow("a mark inside the text is a character")
        << QByteArray("ord\xEF\xBB\xBFord") << QStringLiteral("ord") << 0 << QList<qsizetype> { 0, 4 };
    QTest::newRow("a second mark after the mark is a character, as in the editor")
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFord") << QStringLiteral("ord") << 0 << QList<qsizetype> { 1 };
    QTest::newRow("bad utf-8 after a mark is one replacement character") << QByteArray(
        "\xEF\xBB\xBF"
        "a\xE6"
        "b ord") << QStringLiteral("ord") << 0 << QList<qsizetype> { 4 };
    QTest::newRow("kelvin sign is no k when the case must match")
        << QByteArray("\xE2\x84\xAA"
                      "at kat")
        << QStringLiteral("kat") << int(TextFinder::MatchCase) << QList<qsizetype> { 4 };
}

void TextSearchEngineTest::occurrencesOfAFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, needle);
    QFETCH(int, options);
    QFETCH(QList<qsizetype>, positions);
    write(QStringLiteral("a.txt"), bytes);
    TextSearchRequest search = request(needle);
    search.options = TextFinder::Options(options);
    QCOMPARE(positionsOf(rowsOf(search)), positions);
}

void TextSearchEngineTest::contentDecidesNotTheName()
{
    // RTF saved as .txt is searched in its visible text; plain text saved as .rtf is searched as text.
    const QString rtfAsText = write(QStringLiteral("rtf.txt"),
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Et {\\b p\\'e5ske\\'e6g}\\par Ikke her}");
    const QString textAsRtf = write(QStringLiteral("tekst.rtf"), "{\\b} er ikke RTF: p\xE5ske\xE6g");
    TextSearchRequest search = request(QStringLiteral("påskeæg"));
    search.mask = QStringLiteral("*.*");
    const QList<TextSearchRow> expected {
        { rtfAsText, 3, QStringLiteral("Et påskeæg") },
        { textAsRtf, 18, QStringLiteral("{\\b} er ikke RTF: påskeæg") },
    };
    QCOMPARE(rowsOf(search), expected);
}

void TextSearchEngineTest::rtfWithATableCountsTheTableToo()
{
    // A table places characters of its own in the text, so the hits after it lie further on.
    const QString file = write(QStringLiteral("tabel.rtf"),
        "{\\rtf1 f\\'f8r ord\\par\\trowd\\cellx1000\\cellx2000\\intbl a ord\\cell b\\cell\\row efter "
        "ord\\par}");
    TextSearchRequest search = request(QStringLiteral("ord"));
    search.mask = QStringLiteral("*.rtf");
    const QList<TextSearchRow> expected {
        { file, 4, QStringLiteral("før ord") },
        { file, 10, QStringLiteral("a ord") },
        { file, 22, QStringLiteral("efter ord") },
    };
    QCOMPARE(rowsOf(search), expected);
}

void TextSearchEngineTest::rtfThatCannotBeReadIsListed()
{
    write(QStringLiteral("a.txt"), "ord");
    const QString deep = write(QStringLiteral("b.txt"), "{\\rtf1 " + QByteArray(100000, '{') + "ord");
    const QString after = write(QStringLiteral("c.txt"), "ord");
    TextSearchSummary summary;
    const QList<TextSearchRow> rows = rowsOf(request(QStringLiteral("ord")), &summary);
    QCOMPARE(filesOf(rows), (QStringList { path(QStringLiteral("a.txt")), after }));
    QCOMPARE(summary.unsearchable.size(), 1);
    QCOMPARE(summary.unsearchable[0].file, deep);
    QVERIFY(summary.unsearchable[0].reason.contains(QStringLiteral("RTF")));
}

void TextSearchEngineTest::hiddenFilesAreSearched()
{
    const QString hidden = write(QStringLiteral(".skjult.txt"), "ord");
    QCOMPARE(filesOf(rowsOf(request(QStringLiteral("ord")))), QStringList { hidden });
}

void TextSearchEngineTest::folderNamedLikeAFileIsWalkedNotRead()
{
    const QString inside = write(QStringLiteral("mappe.txt/inde.txt"), "ord");
    TextSearchSummary summary;
    QCOMPARE(rowsOf(request(QStringLiteral("ord"))), QList<TextSearchRow> {});
    const QList<TextSearchRow> rows = rowsOf(request(QStringLiteral("ord"), true), &summary);
    QCOMPARE(filesOf(rows), QStringList { inside });
    QCOMPARE(summary.folderCount, 1);
    QCOMPARE(summary.fileCount, 1);
    QVERIFY(summary.unsearchable.isEmpty());
}

void TextSearchEngineTest::symbolicLinkLoopIsNotWalked()
{
    const QString file = write(QStringLiteral("a/fil.txt"), "ord");
    QVERIFY(QFile::link(dir_->path(), path(QStringLiteral("a/tilbage"))));
    QVERIFY(QFile::link(path(QStringLiteral("a/fil.txt")), path(QStringLiteral("a/genvej.txt"))));
    TextSearchSummary summary;
    const QList<TextSearchRow> rows = rowsOf(request(QStringLiteral("ord"), true), &summary);
    // The link to the file is searched as a file; the link to the folder above is not followed.
    QCOMPARE(filesOf(rows), (QStringList { file, QDir::cleanPath(path(QStringLiteral("a/genvej.txt"))) }));
    QCOMPARE(summary.folderCount, 1);
}

void TextSearchEngineTest::orderIsStartFolderThenFoldersAsCollected()
{
    const QStringList names { "b/y/fil.txt", "a/fil.txt", "Z.txt", "a.txt", "b/fil.txt", "b/x/fil.txt",
        "c/fil.txt" };
    for (const QString &name : names)
        write(name, "ord");
    QStringList expected;
    for (const char *name :
        { "a.txt", "Z.txt", "a/fil.txt", "b/fil.txt", "b/x/fil.txt", "b/y/fil.txt", "c/fil.txt" })
        expected.append(QDir::cleanPath(path(QString::fromUtf8(name))));
    QCOMPARE(filesOf(rowsOf(request(QStringLiteral("ord"), true))), expected);
}

void TextSearchEngineTest::countsOnlyForARecursiveSearch()
{
    write(QStringLiteral("a.txt"), "ord");
    write(QStringLiteral("b.rtf"), "ord");
    write(QStringLiteral("u/c.TXT"), "intet");
    write(QStringLiteral("u/v/d.txt"), "ord");
    CollectingSink flat;
    TextSearchRun::run(request(QStringLiteral("ord")), flat);
    QCOMPARE(flat.counts, std::nullopt);
    QCOMPARE(flat.files, 1);

    CollectingSink deep;
    const TextSearchSummary summary = TextSearchRun::run(request(QStringLiteral("ord"), true), deep);
    QCOMPARE(deep.counts, std::optional(std::pair(2, 3)));
    QCOMPARE(deep.files, 3);
    QCOMPARE(summary.rowCount, 2);
}

void TextSearchEngineTest::missingFolderFindsNothing()
{
    TextSearchRequest search = request(QStringLiteral("ord"), true);
    search.folder = path(QStringLiteral("findes-ikke"));
    TextSearchSummary summary;
    QCOMPARE(rowsOf(search, &summary), QList<TextSearchRow> {});
    QVERIFY(summary.unsearchable.isEmpty());
}

void TextSearchEngineTest::unreadableFileSkipsOnlyItself()
{
    const QString first = write(QStringLiteral("1.txt"), "ord");
    const QString locked = write(QStringLiteral("2.txt"), "ord");
    const QString last = write(QStringLiteral("3.txt"), "ord");
    TextSearchRun::Settings settings;
    settings.read = [locked](const QString &file, QByteArray &bytes) {
        return file == locked ? FileError::reason(EACCES) : FileSnapshot::read(file, bytes);
    };
    TextSearchSummary summary;
    const QList<TextSearchRow> rows = rowsOf(request(QStringLiteral("ord")), &summary, settings);
    QCOMPARE(filesOf(rows), (QStringList { first, last }));
    QCOMPARE(
        summary.unsearchable, (QList<UnsearchableFile> { { locked, QStringLiteral("Adgang nægtet.") } }));
}

void TextSearchEngineTest::unreadableByPermissionIsListed()
{
    if (geteuid() == 0)
        QSKIP("the superuser reads every file whatever its permissions");
    write(QStringLiteral("1.txt"), "ord");
    const QString locked = write(QStringLiteral("2.txt"), "ord");
    QVERIFY(QFile::setPermissions(locked, QFileDevice::WriteOwner));
    TextSearchSummary summary;
    QCOMPARE(rowsOf(request(QStringLiteral("ord")), &summary).size(), 1);
    QCOMPARE(
        summary.unsearchable, (QList<UnsearchableFile> { { locked, QStringLiteral("Adgang nægtet.") } }));
}

void TextSearchEngineTest::fileThatVanishesIsListed()
{
    write(QStringLiteral("1.txt"), "ord");
    const QString gone = write(QStringLiteral("2.txt"), "ord");
    TextSearchRun::Settings settings;
    settings.read = [gone](const QString &file, QByteArray &bytes) {
        if (file == gone)
            QFile::remove(file);
        return FileSnapshot::read(file, bytes);
    };
    TextSearchSummary summary;
    QCOMPARE(rowsOf(request(QStringLiteral("ord")), &summary, settings).size(), 1);
    QCOMPARE(summary.unsearchable, (QList<UnsearchableFile> { { gone, FileError::reason(ENOENT) } }));
}

void TextSearchEngineTest::parallelSearchGivesTheSequentialRows()
{
    // Files of very different sizes finish in another order than they started.
    for (int folder = 0; folder < 6; ++folder) {
        for (int file = 0; file < 25; ++file) {
            const int repeats = (folder * 25 + file) % 7 == 0 ? 400 : 3;
            write(QStringLiteral("m%1/f%2.txt").arg(folder).arg(file, 2, 10, QChar(u'0')),
                QByteArray("linje med Ord og ord\n").repeated(repeats));
        }
    }
    TextSearchRun::Settings sequential;
    sequential.threads = 1;
    TextSearchRun::Settings parallel;
    parallel.threads = 4;
    TextSearchSummary one;
    TextSearchSummary four;
    const QList<TextSearchRow> expected = rowsOf(request(QStringLiteral("ord"), true), &one, sequential);
    // 22 of the 150 files hold 400 lines of two hits each, the others 3 lines.
    QCOMPARE(expected.size(), 22 * 400 * 2 + 128 * 3 * 2);
    QCOMPARE(rowsOf(request(QStringLiteral("ord"), true), &four, parallel), expected);
    QCOMPARE(four.fileCount, one.fileCount);
    QCOMPARE(four.folderCount, 6);
}

void TextSearchEngineTest::stopEndsWithAPrefixOfTheRows()
{
    for (int file = 0; file < 40; ++file)
        write(QStringLiteral("f%1.txt").arg(file, 2, 10, QChar(u'0')), "ord ord");
    const QList<TextSearchRow> all = rowsOf(request(QStringLiteral("ord")));

    class StoppingSink : public CollectingSink {
    public:
        explicit StoppingSink(std::atomic_bool &stop)
            : stop_(stop)
        { }
        void searched(const QList<TextSearchRow> &found) override
        {
            CollectingSink::searched(found);
            if (files == 3)
                stop_ = true;
        }

    private:
        std::atomic_bool &stop_;
    };
    std::atomic_bool stop = false;
    StoppingSink sink(stop);
    TextSearchRun::Settings settings;
    settings.threads = 2;
    const TextSearchSummary summary
        = TextSearchRun::run(request(QStringLiteral("ord")), sink, stop, settings);
    QVERIFY(summary.stopped);
    QCOMPARE(sink.files, 3);
    QCOMPARE(sink.rows, all.first(6));
}

void TextSearchEngineTest::longLinesGiveTheirLaidOutPiece_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("needle");

    QTest::newRow("ascii") << QStringLiteral("ord%1 ") << QStringLiteral("ord150");
    // Found in the bytes, where the letters before the hit take more bytes than characters.
    QTest::newRow("letters outside ascii before the hit")
        << QStringLiteral("blå%1 ") << QStringLiteral("150");
}

void TextSearchEngineTest::longLinesGiveTheirLaidOutPiece()
{
    QFETCH(QString, word);
    QFETCH(QString, needle);
    QString paragraph;
    for (int n = 0; n < 200; ++n)
        paragraph += word.arg(n);
    write(QStringLiteral("lang.txt"), ("kort\n" + paragraph + "\nslut").toUtf8());
    TextSearchRequest search = request(needle);
    const QList<TextSearchRow> rows = rowsOf(search);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].position, 5 + paragraph.indexOf(needle));
    // The piece the editor shows on one line of its 400 pixels: part of the paragraph, holding the hit.
    QVERIFY(rows[0].line.contains(needle + u' '));
    QVERIFY(paragraph.contains(rows[0].line));
    QVERIFY(rows[0].line.size() < paragraph.size() / 4);
    QVERIFY(rows[0].line.startsWith(word.left(3)));
}

void TextSearchEngineTest::byteScreen_data()
{
    QTest::addColumn<QString>("needle");
    QTest::addColumn<int>("options");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("mayHold");

    QTest::newRow("ascii run present") << "solskin" << 0 << QByteArray("god SOLSKIN her") << true;
    QTest::newRow("ascii run absent") << "solskin" << 0 << QByteArray("regn og blæst") << false;
    QTest::newRow("case must match, other case")
        << "solskin" << int(TextFinder::MatchCase) << QByteArray("SOLSKIN") << false;
    QTest::newRow("case must match, same case")
        << "solskin" << int(TextFinder::MatchCase) << QByteArray("solskin") << true;
    QTest::newRow("danish needle, run in windows-1252")
        << "påskeæg" << 0 << QByteArray("p\xE5ske\xE6g") << true;
    QTest::newRow("danish needle, run absent") << "påskeæg" << 0 << QByteArray("p\xE5 k\xE6g") << false;
    QTest::newRow("long s could fold into the run") << "solskin" << 0 << QByteArray("\xC5\xBF") << true;
    QTest::newRow("kelvin sign could fold into the run") << "kat" << 0 << QByteArray("\xE2\x84\xAA") << true;
    QTest::newRow("utf-16 is not screened") << "solskin" << 0 << QByteArray("\xFF\xFEs\0o\0", 6) << true;
    QTest::newRow("utf-8 mark is screened") << "solskin" << 0 << QByteArray("\xEF\xBB\xBFregn") << false;
    QTest::newRow("no ascii in the needle") << "æøå" << 0 << QByteArray("intet") << true;
    QTest::newRow("a line break in the needle") << "a\nb" << 0 << QByteArray("a\rb") << true;
    QTest::newRow("run at the very end") << "ord" << 0 << QByteArray("xxORD") << true;
    QTest::newRow("run cut off at the end") << "ord" << 0 << QByteArray("xxOR") << false;
}

void TextSearchEngineTest::byteScreen()
{
    QFETCH(QString, needle);
    QFETCH(int, options);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, mayHold);
    QCOMPARE(ByteScreen(needle, TextFinder::Options(options)).mayHold(bytes), mayHold);
}

void TextSearchEngineTest::masks_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("matches");

    QTest::newRow("extension") << "*.txt"
                               << "brev.txt" << true;
    QTest::newRow("extension, other case") << "*.txt"
                                           << "BREV.TXT" << true;
    QTest::newRow("other extension") << "*.txt"
                                     << "brev.rtf" << false;
    QTest::newRow("longer extension") << "*.htm"
                                      << "side.html" << false;
    QTest::newRow("two dots") << "*.txt"
                              << "brev.gammel.txt" << true;
    QTest::newRow("no extension") << "*.txt"
                                  << "txt" << false;
    QTest::newRow("every name with *.*") << "*.*"
                                         << "README" << true;
    QTest::newRow("question mark") << "brev?.txt"
                                   << "brev2.txt" << true;
    QTest::newRow("question mark needs one") << "brev?.txt"
                                             << "brev.txt" << false;
    QTest::newRow("danish letters fold") << "*.æø"
                                         << "fil.ÆØ" << true;
    QTest::newRow("hidden file") << "*.txt"
                                 << ".skjult.txt" << true;
}

void TextSearchEngineTest::masks()
{
    QFETCH(QString, mask);
    QFETCH(QString, name);
    QFETCH(bool, matches);
    QCOMPARE(FileMask(mask).matches(name), matches);
}

void TextSearchEngineTest::jobReportsRowsInBatchesAndEnds()
{
    for (int file = 0; file < 30; ++file)
        write(QStringLiteral("u/f%1.txt").arg(file, 2, 10, QChar(u'0')), "ord\nord");
    const QList<TextSearchRow> expected = rowsOf(request(QStringLiteral("ord"), true));
    TextSearchJob job;
    QSignalSpy counted(&job, &TextSearchJob::counted);
    QSignalSpy rowsFound(&job, &TextSearchJob::rowsFound);
    QSignalSpy filesSearched(&job, &TextSearchJob::filesSearched);
    QSignalSpy finished(&job, &TextSearchJob::finished);
    QVERIFY(job.start(request(QStringLiteral("ord"), true)));
    QVERIFY(job.isRunning());
    QVERIFY(!job.start(request(QStringLiteral("ord"))));
    QTRY_COMPARE(finished.size(), 1);
    QVERIFY(!job.isRunning());
    QList<TextSearchRow> rows;
    for (const QList<QVariant> &batch : std::as_const(rowsFound))
        rows.append(batch[0].value<QList<TextSearchRow>>());
    QCOMPARE(rows, expected);
    QCOMPARE(counted.size(), 1);
    QCOMPARE(counted[0], (QList<QVariant> { 1, 30 }));
    QCOMPARE(filesSearched.last()[0].toInt(), 30);
    const auto summary = finished[0][0].value<TextSearchSummary>();
    QCOMPARE(summary.rowCount, 60);
    QVERIFY(!summary.stopped);
}

void TextSearchEngineTest::jobStopsOnRequest()
{
    for (int file = 0; file < 200; ++file)
        write(QStringLiteral("f%1.txt").arg(file, 3, 10, QChar(u'0')), QByteArray("ord ").repeated(2000));
    TextSearchJob job;
    QSignalSpy finished(&job, &TextSearchJob::finished);
    connect(&job, &TextSearchJob::rowsFound, &job, &TextSearchJob::stop);
    QVERIFY(job.start(request(QStringLiteral("ord"))));
    QTRY_COMPARE(finished.size(), 1);
    const auto summary = finished[0][0].value<TextSearchSummary>();
    QVERIFY(summary.stopped);
    QVERIFY(summary.rowCount < 200 * 2000);
}

QTEST_MAIN(TextSearchEngineTest)
#include "tst_TextSearchEngine.moc"
