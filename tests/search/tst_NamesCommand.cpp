#include "search/names/NameSearchRun.h"
#include "support/SearchTool.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

// `skrivora-search names`: the folder and file search box's search on the command line, run as a program.
class NamesCommandTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void printsFoldersThenFilesOnePathALine();
    void jsonHoldsWhatTheSearchGives_data();
    void jsonHoldsWhatTheSearchGives();
    void emptyFolderHasNullProgressText();
    void usageErrors_data();
    void usageErrors();

private:
    using Result = SearchTool::Result;
    static Result run(const QStringList &arguments) { return SearchTool::run(arguments); }
    void make(const QString &relative, bool folder = false) const;

    QTemporaryDir dir_;
    QString root_;
};

void NamesCommandTest::initTestCase()
{
    QVERIFY2(QFileInfo(SearchTool::program()).isExecutable(), "skrivora-search is not built");
    root_ = QDir::cleanPath(dir_.path());
    for (const char *folder : { "Rapporter", "tom", ".skjult" })
        make(QString::fromUtf8(folder), true);
    for (const char *file : { "Rapport.txt", "Rapporter/årsrapport.txt", ".skjult/rapport", "æble.txt" })
        make(QString::fromUtf8(file));
}

void NamesCommandTest::make(const QString &relative, bool folder) const
{
    const QString path = root_ + u'/' + relative;
    if (folder) {
        QDir().mkpath(path);
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
}

void NamesCommandTest::printsFoldersThenFilesOnePathALine()
{
    const Result result = run({ "names", "RAPPORT", root_ });
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(QString::fromUtf8(result.out),
        root_ + "/Rapporter\n" + root_ + "/.skjult/rapport\n" + root_ + "/Rapport.txt\n" + root_
            + "/Rapporter/årsrapport.txt\n");
    QCOMPARE(run({ "names", "--limit", "1", "rapport", root_ }).out,
        QString(root_ + "/.skjult/rapport\n").toUtf8());
    QCOMPARE(run({ "names", "intet", root_ }).exitCode, 1);
}

void NamesCommandTest::jsonHoldsWhatTheSearchGives_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("limit");

    QTest::newRow("no limit") << "rap" << -1;
    QTest::newRow("limit reached") << "rap" << 2;
    QTest::newRow("Danish letters") << "æble" << 120;
}

void NamesCommandTest::jsonHoldsWhatTheSearchGives()
{
    QFETCH(QString, text);
    QFETCH(int, limit);
    QStringList arguments { "names", "--json", text, root_ };
    if (limit >= 0)
        arguments.insert(1, QStringLiteral("--limit=%1").arg(limit));
    const Result result = run(arguments);
    const QJsonObject json = QJsonDocument::fromJson(result.out).object();

    struct : NameSearchSink {
        void folderFound(const NameHit &hit) override { folders << hit.path; }
        void fileFound(const NameHit &hit) override { files << hit.path; }
        QStringList folders;
        QStringList files;
    } found;
    const NameSearchSummary summary = NameSearchRun::run({ root_, text, limit }, found);
    QCOMPARE(json.value("folders").toVariant().toStringList(), found.folders);
    QCOMPARE(json.value("files").toVariant().toStringList(), found.files);
    QCOMPARE(json.value("folders_heading").toString(), summary.foldersHeading());
    QCOMPARE(json.value("files_heading").toString(), summary.filesHeading());
    QCOMPARE(json.value("examined_folders").toInt(), summary.examinedFolders);
    QCOMPARE(json.value("examined_files").toInt(), summary.examinedFiles);
    QCOMPARE(json.value("found_folders").toInt(), summary.foundFolders);
    QCOMPARE(json.value("found_files").toInt(), summary.foundFiles);
    QCOMPARE(json.value("progress_total").toInt(), summary.progressTotal);
    QCOMPARE(json.value("progress_position").toInt(), summary.progressPosition);
    QCOMPARE(json.value("progress_text").toString(), summary.progressText());
    // The keys come in the order a reader of the output expects.
    QVERIFY(result.out.indexOf("\"folders\"") < result.out.indexOf("\"files\""));
    QVERIFY(result.out.indexOf("\"files_heading\"") < result.out.indexOf("\"examined_folders\""));
}

void NamesCommandTest::emptyFolderHasNullProgressText()
{
    const Result result = run({ "names", "--json", "rap", root_ + "/tom" });
    QCOMPARE(result.exitCode, 1);
    const QJsonObject json = QJsonDocument::fromJson(result.out).object();
    QVERIFY(json.value("progress_text").isNull());
    QCOMPARE(json.value("progress_total").toInt(), 0);
    // With nothing examined the headings stay as the box shows them before a search.
    QCOMPARE(json.value("folders_heading").toString(), QStringLiteral("Mapper"));
    QCOMPARE(json.value("files_heading").toString(), QStringLiteral("Filer"));
}

void NamesCommandTest::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("told");

    QTest::newRow("folder missing") << QStringList { "names", "ord" } << QByteArray("Brug");
    QTest::newRow("unknown option") << QStringList { "names", "--fuzzy", "ord", "." } << QByteArray("Brug");
    QTest::newRow("limit not a number")
        << QStringList { "names", "--limit", "mange", "ord", "." } << QByteArray("Brug");
    QTest::newRow("negative limit") << QStringList { "names", "--limit=-3", "ord", "." }
                                    << QByteArray("Brug");
    QTest::newRow("empty text") << QStringList { "names", "", "." } << QByteArray("Brug");
    QTest::newRow("no such folder") << QStringList { "names", "ord", "/ingen/sådan/mappe" }
                                    << QByteArray("Mappen eksisterer ikke");
}

void NamesCommandTest::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, told);
    const Result result = run(arguments);
    QCOMPARE(result.exitCode, 2);
    QVERIFY(result.out.isEmpty());
    QVERIFY2(result.err.contains(told), result.err.constData());
}

QTEST_GUILESS_MAIN(NamesCommandTest)
#include "tst_NamesCommand.moc"
