#include "search/text/TextSearchRun.h"
#include "support/SearchTool.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// `skrivora-search text`: the find-text box's search on the command line, run as a program.
class TextCommandTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void printsOneHitALine();
    void jsonHoldsTheRowsTheSearchGives();
    void jsonLabelsOnlyWhenRecursive();
    void optionsReachTheSearch_data();
    void optionsReachTheSearch();
    void usageErrors_data();
    void usageErrors();

private:
    using Result = SearchTool::Result;
    static Result run(const QStringList &arguments) { return SearchTool::run(arguments); }
    QString write(const QString &name, const QByteArray &bytes) const;

    QTemporaryDir dir_;
};

void TextCommandTest::initTestCase()
{
    QVERIFY2(QFileInfo(SearchTool::program()).isExecutable(), "skrivora-search is not built");
    write(QStringLiteral("a.txt"), "Et påskeæg\r\nog ordbog\r\n");
    write(QStringLiteral("b.txt"), "p\xE5ske\xE6g i Windows-1252");
    write(QStringLiteral("c.rtf"), "{\\rtf1\\ansi P\\'c5SKE\\'c6G}");
    write(QStringLiteral("under/d.txt"), "PÅSKEÆG");
}

QString TextCommandTest::write(const QString &name, const QByteArray &bytes) const
{
    const QString path = dir_.filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

void TextCommandTest::printsOneHitALine()
{
    const Result result = run({ "text", "påskeæg", dir_.path() });
    QCOMPARE(result.exitCode, 0);
    const QString root = QDir::cleanPath(dir_.path());
    QCOMPARE(QString::fromUtf8(result.out),
        root + "/a.txt:3:Et påskeæg\n" + root + "/b.txt:0:påskeæg i Windows-1252\n");
}

void TextCommandTest::jsonHoldsTheRowsTheSearchGives()
{
    const Result result = run({ "text", "--mask", "*.*", "--recursive", "--json", "påskeæg", dir_.path() });
    QCOMPARE(result.exitCode, 0);
    const QJsonObject json = QJsonDocument::fromJson(result.out).object();

    TextSearchRequest request;
    request.folder = dir_.path();
    request.mask = QStringLiteral("*.*");
    request.text = QStringLiteral("påskeæg");
    request.recursive = true;
    class Collecting : public TextSearchSink {
    public:
        void counted(int, int) override { }
        void searched(const QList<TextSearchRow> &found) override { rows.append(found); }
        QList<TextSearchRow> rows;
    } sink;
    TextSearchRun::run(request, sink);

    const QJsonArray rows = json.value("rows").toArray();
    QCOMPARE(rows.size(), sink.rows.size());
    QCOMPARE(rows.size(), 4);
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QJsonObject row = rows[i].toObject();
        QCOMPARE(row.value("file").toString(), sink.rows[i].file);
        QCOMPARE(qsizetype(row.value("position").toDouble()), sink.rows[i].position);
        QCOMPARE(row.value("line").toString(), sink.rows[i].line);
    }
    QCOMPARE(json.value("count").toInt(), 4);
    QCOMPARE(json.value("unsearchable").toArray().size(), 0);
    // The keys come in the order a reader of the output expects.
    QVERIFY(result.out.indexOf("\"rows\"") < result.out.indexOf("\"count\""));
    QVERIFY(result.out.indexOf("\"mapper_label\"") < result.out.indexOf("\"filer_label\""));
}

void TextCommandTest::jsonLabelsOnlyWhenRecursive()
{
    const QJsonObject flat
        = QJsonDocument::fromJson(run({ "text", "--json", "påskeæg", dir_.path() }).out).object();
    QCOMPARE(flat.value("mapper_label").toString(), QString());
    QCOMPARE(flat.value("filer_label").toString(), QString());
    const QJsonObject deep
        = QJsonDocument::fromJson(run({ "text", "--json", "--recursive", "påskeæg", dir_.path() }).out)
              .object();
    QCOMPARE(deep.value("mapper_label").toString(), QStringLiteral("Mapper: 1"));
    QCOMPARE(deep.value("filer_label").toString(), QStringLiteral("Filer: 3"));
}

void TextCommandTest::optionsReachTheSearch_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("lines");

    QTest::newRow("whole word passes over ordbog") << QStringList { "--whole-word", "ord" } << 1 << 0;
    QTest::newRow("without whole word") << QStringList { "ord" } << 0 << 1;
    QTest::newRow("match case") << QStringList { "--match-case", "PÅSKEÆG" } << 1 << 0;
    QTest::newRow("match case, recursive")
        << QStringList { "--match-case", "--recursive", "PÅSKEÆG" } << 0 << 1;
    QTest::newRow("mask") << QStringList { "--mask=*.rtf", "påskeæg" } << 0 << 1;
    QTest::newRow("options after the text") << QStringList { "påskeæg", "--mask", "*.rtf" } << 0 << 1;
}

void TextCommandTest::optionsReachTheSearch()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(int, lines);
    const Result result = run(QStringList { "text" } + arguments + QStringList { dir_.path() });
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(result.out.count('\n'), lines);
}

void TextCommandTest::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("no search named") << QStringList {};
    QTest::newRow("unknown search") << QStringList { "ord", "mappe" };
    QTest::newRow("folder missing") << QStringList { "text", "ord" };
    QTest::newRow("one too many") << QStringList { "text", "ord", "a", "b" };
    QTest::newRow("unknown option") << QStringList { "text", "--fuzzy", "ord", "." };
    QTest::newRow("mask without a value") << QStringList { "text", "ord", ".", "--mask" };
    QTest::newRow("empty text") << QStringList { "text", "", "." };
}

void TextCommandTest::usageErrors()
{
    QFETCH(QStringList, arguments);
    const Result result = run(arguments);
    QCOMPARE(result.exitCode, 2);
    QVERIFY(result.out.isEmpty());
    QVERIFY(result.err.contains("Brug"));
}

QTEST_MAIN(TextCommandTest)
#include "tst_TextCommand.moc"
