#include "search/FolderEntries.h"
#include "search/names/NameSearchJob.h"
#include "search/names/NameSearchRun.h"

#include <QDir>
#include <QFile>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <QScopeGuard>

namespace {

// A tree of Danish names with hidden entries, a folder named like a file, an empty folder, a link back to
// the top (a loop for a walk that follows links) and a link to a folder whose name matches.
class Tree {
public:
    Tree()
    {
        for (const char *folder : { "Rapporter", "Æbler", "a", "brev.txt", ".skjult", "tom" })
            QDir(root()).mkpath(QString::fromUtf8(folder));
        for (const char *file : { "Rapport.txt", "Rapporter/rapport-2024.txt", "Rapporter/noter.md",
                 "Æbler/æble.txt", "a/rap.txt", ".skjult/.rap-hemmelig" }) {
            QFile made(path(QString::fromUtf8(file)));
            if (!made.open(QIODevice::WriteOnly))
                qFatal("cannot write %s", file);
        }
        if (!QFile::link(QStringLiteral("."), path(QStringLiteral("løkke")))
            || !QFile::link(QStringLiteral("Rapporter"), path(QStringLiteral("zrap"))))
            qFatal("cannot make the links");
    }
    QString root() const { return QDir::cleanPath(dir_.path()); }
    QString path(const QString &relative) const { return root() + u'/' + relative; }
    QStringList paths(const QStringList &relative) const
    {
        QStringList all;
        for (const QString &name : relative)
            all << path(name);
        return all;
    }

private:
    QTemporaryDir dir_;
};

struct Collected : NameSearchSink {
    void folderFound(const NameHit &hit) override { folders << hit.path; }
    void fileFound(const NameHit &hit) override { files << hit.path; }
    QStringList folders;
    QStringList files;
};

NameSearchSummary search(const QString &folder, const QString &text, int limit, Collected &found,
    const NameSearchRun::Settings &settings = {})
{
    const std::atomic_bool neverStop = false;
    return NameSearchRun::run({ folder, text, limit }, found, neverStop, settings);
}

} // namespace

class NameSearchEngineTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void entriesComeInNameOrderWithCaseAside();
    void entriesTellFoldersFilesAndLinks();
    void findsInTheOrderOfTheWalk_data();
    void findsInTheOrderOfTheWalk();
    void captionsAreTheEntriesOwnNames();
    void limitEndsTheSearchButNotTheCount_data();
    void limitEndsTheSearchButNotTheCount();
    void emptyFolderHasNoProgressText();
    void unreadableFolderIsNamedOnceAndPassedOver();
    void folderTheSystemRefuses();
    void progressTextRoundsHalfToEven_data();
    void progressTextRoundsHalfToEven();
    void stopEndsTheJobWithTheFindsSoFar();
};

void NameSearchEngineTest::entriesComeInNameOrderWithCaseAside()
{
    QTemporaryDir dir;
    for (const char *name : { "b", "Z", "A", "æ", "a", "_x", "Æ", ".skjult" }) {
        QFile file(dir.filePath(QString::fromUtf8(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    FolderEntries entries;
    QVERIFY(entries.list(QFile::encodeName(dir.path())));
    QStringList names;
    for (int i = 0; i < entries.count(); ++i)
        names << FolderEntries::decoded(entries.name(i));
    QCOMPARE(names, (QStringList { ".skjult", "_x", "A", "a", "b", "Z", "Æ", "æ" }));
}

void NameSearchEngineTest::entriesTellFoldersFilesAndLinks()
{
    Tree tree;
    QVERIFY(QFile::link(QStringLiteral("intet"), tree.path(QStringLiteral("død"))));
    FolderEntries entries;
    QVERIFY(entries.list(QFile::encodeName(tree.root())));
    QMap<QString, FolderEntries::Kind> kinds;
    for (int i = 0; i < entries.count(); ++i)
        kinds.insert(FolderEntries::decoded(entries.name(i)), entries.kind(i));
    QCOMPARE(kinds.value("brev.txt"), FolderEntries::Kind::Folder);
    QCOMPARE(kinds.value("Rapport.txt"), FolderEntries::Kind::File);
    QCOMPARE(kinds.value("løkke"), FolderEntries::Kind::FolderLink);
    QCOMPARE(kinds.value("død"), FolderEntries::Kind::BrokenLink);
    QVERIFY(!entries.list(QFile::encodeName(tree.path("Rapport.txt"))));
    QCOMPARE(entries.error(), ENOTDIR);
}

void NameSearchEngineTest::findsInTheOrderOfTheWalk_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QStringList>("files");

    // Hidden entries are found; a matching folder is walked too; a link to a folder is found but not
    // walked, and the link to the top does not send the walk round again.
    QTest::newRow("rap, letter case aside")
        << "RAP" << QStringList { "Rapporter", "zrap" }
        << QStringList { ".skjult/.rap-hemmelig", "a/rap.txt", "Rapport.txt", "Rapporter/rapport-2024.txt" };
    QTest::newRow("only A to Z fold: æble misses Æbler")
        << "æble" << QStringList {} << QStringList { "Æbler/æble.txt" };
    QTest::newRow("only A to Z fold: ÆBLE finds Æbler")
        << "ÆBLE" << QStringList { "Æbler" } << QStringList {};
    QTest::newRow("a folder named like a file is a folder")
        << "brev.txt" << QStringList { "brev.txt" } << QStringList {};
    QTest::newRow("a one-letter folder")
        << "a" << QStringList { "a", "Rapporter", "zrap" }
        << QStringList { ".skjult/.rap-hemmelig", "a/rap.txt", "Rapport.txt", "Rapporter/rapport-2024.txt" };
    QTest::newRow("the text is no pattern") << "*.txt" << QStringList {} << QStringList {};
    QTest::newRow("the link loop is examined, not walked")
        << "løkke" << QStringList { "løkke" } << QStringList {};
}

void NameSearchEngineTest::findsInTheOrderOfTheWalk()
{
    QFETCH(QString, text);
    QFETCH(QStringList, folders);
    QFETCH(QStringList, files);
    Tree tree;
    Collected found;
    const NameSearchSummary summary = search(tree.root(), text, -1, found);
    QCOMPARE(found.folders, tree.paths(folders));
    QCOMPARE(found.files, tree.paths(files));
    // Eight folders (two of them links) and six files, each examined once.
    QCOMPARE(summary.examinedFolders, 8);
    QCOMPARE(summary.examinedFiles, 6);
    QCOMPARE(summary.progressTotal, 14);
    QCOMPARE(summary.progressPosition, 14);
    QCOMPARE(summary.progressText(), QStringLiteral("100%"));
    QCOMPARE(
        summary.foldersHeading(), QStringLiteral("Der er undersøgt 8:%1 mappenavne").arg(folders.size()));
    QCOMPARE(summary.filesHeading(), QStringLiteral("Der er undersøgt 6:%1 filnavne").arg(files.size()));
    QVERIFY(summary.unreadable.isEmpty());
}

void NameSearchEngineTest::captionsAreTheEntriesOwnNames()
{
    Tree tree;
    struct Captions : NameSearchSink {
        void folderFound(const NameHit &hit) override { all << hit.caption; }
        void fileFound(const NameHit &hit) override { all << hit.caption; }
        QStringList all;
    } captions;
    // A folder given with a closing separator gets none doubled.
    NameSearchRun::run({ tree.root() + u'/', QStringLiteral("rapport"), -1 }, captions);
    QCOMPARE(captions.all, (QStringList { "Rapport.txt", "Rapporter", "rapport-2024.txt" }));
    Collected found;
    search(tree.root() + u'/', QStringLiteral("rapporter"), -1, found);
    QCOMPARE(found.folders, QStringList { tree.path("Rapporter") });
}

void NameSearchEngineTest::limitEndsTheSearchButNotTheCount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("examinedFolders");
    QTest::addColumn<int>("examinedFiles");
    QTest::addColumn<int>("total");
    QTest::addColumn<QString>("progress");

    QTest::newRow("reached by files")
        << "rap" << 2 << QStringList {} << QStringList { ".skjult/.rap-hemmelig", "a/rap.txt" } << 2 << 2
        << 14 << "29%";
    QTest::newRow("reached by folders, files found before stay")
        << "er" << 1 << QStringList { "Rapporter" } << QStringList {} << 5 << 3 << 14 << "57%";
    QTest::newRow("not reached") << "rap" << 5 << QStringList { "Rapporter", "zrap" }
                                 << QStringList { ".skjult/.rap-hemmelig", "a/rap.txt", "Rapport.txt",
                                        "Rapporter/rapport-2024.txt" }
                                 << 8 << 6 << 14 << "100%";
    // With a limit of 0 nothing is examined and nothing is counted either.
    QTest::newRow("zero") << "rap" << 0 << QStringList {} << QStringList {} << 0 << 0 << 0 << "";
}

void NameSearchEngineTest::limitEndsTheSearchButNotTheCount()
{
    QFETCH(QString, text);
    QFETCH(int, limit);
    QFETCH(QStringList, folders);
    QFETCH(QStringList, files);
    Tree tree;
    Collected found;
    const NameSearchSummary summary = search(tree.root(), text, limit, found);
    QCOMPARE(found.folders, tree.paths(folders));
    QCOMPARE(found.files, tree.paths(files));
    QCOMPARE(summary.foundFolders, int(folders.size()));
    QCOMPARE(summary.foundFiles, int(files.size()));
    QTEST(summary.examinedFolders, "examinedFolders");
    QTEST(summary.examinedFiles, "examinedFiles");
    QTEST(summary.progressTotal, "total");
    QCOMPARE(summary.progressPosition, summary.examinedFolders + summary.examinedFiles);
    QTEST(summary.progressText(), "progress");
}

void NameSearchEngineTest::emptyFolderHasNoProgressText()
{
    Tree tree;
    Collected found;
    const NameSearchSummary summary = search(tree.path("tom"), QStringLiteral("rap"), 120, found);
    QCOMPARE(summary.progressTotal, 0);
    QCOMPARE(summary.progressText(), QString());
    QCOMPARE(summary.foldersHeading(), QString());
    QCOMPARE(summary.filesHeading(), QString());
    QVERIFY(found.folders.isEmpty() && found.files.isEmpty());
}

void NameSearchEngineTest::unreadableFolderIsNamedOnceAndPassedOver()
{
    Tree tree;
    const QByteArray refused = QFile::encodeName(tree.path("a"));
    NameSearchRun::Settings settings;
    settings.list = [refused](FolderEntries &entries, const QByteArray &folder, bool sorted) {
        return folder != refused && entries.list(folder, sorted);
    };
    Collected found;
    const NameSearchSummary summary = search(tree.root(), QStringLiteral("rap"), -1, found, settings);
    QCOMPARE(
        found.files, tree.paths({ ".skjult/.rap-hemmelig", "Rapport.txt", "Rapporter/rapport-2024.txt" }));
    QCOMPARE(summary.unreadable.size(), 1);
    QCOMPARE(summary.unreadable[0].file, tree.path("a"));
    QVERIFY(!summary.unreadable[0].reason.isEmpty());
    QCOMPARE(summary.examinedFolders, 8);
    QCOMPARE(summary.examinedFiles, 5);
}

void NameSearchEngineTest::folderTheSystemRefuses()
{
    Tree tree;
    const QString locked = tree.path("a");
    QVERIFY(QFile::setPermissions(locked, {}));
    auto unlock = qScopeGuard(
        [&] { QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
    if (QDir(locked).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size() > 0)
        QSKIP("this user reads folders whatever their permissions say (root)");
    Collected found;
    const NameSearchSummary summary = search(tree.root(), QStringLiteral("rap"), -1, found);
    QCOMPARE(summary.unreadable.size(), 1);
    QCOMPARE(summary.unreadable[0].file, locked);
    QVERIFY(!found.files.contains(tree.path("a/rap.txt")));
}

void NameSearchEngineTest::progressTextRoundsHalfToEven_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("total");
    QTest::addColumn<QString>("text");

    QTest::newRow("12.5 goes down to 12") << 1 << 8 << "12%";
    QTest::newRow("37.5 goes up to 38") << 3 << 8 << "38%";
    QTest::newRow("57.1") << 8 << 14 << "57%";
    QTest::newRow("66.7") << 2 << 3 << "67%";
    QTest::newRow("all") << 240 << 240 << "100%";
    QTest::newRow("none of a total") << 0 << 5 << "0%";
    QTest::newRow("no total") << 0 << 0 << "";
}

void NameSearchEngineTest::progressTextRoundsHalfToEven()
{
    QFETCH(int, position);
    QFETCH(int, total);
    NameSearchSummary summary;
    summary.progressPosition = position;
    summary.progressTotal = total;
    QTEST(summary.progressText(), "text");
}

void NameSearchEngineTest::stopEndsTheJobWithTheFindsSoFar()
{
    Tree tree;
    // The walk waits in the folder "a" until the test has asked it to stop.
    QSemaphore stopAsked;
    const QByteArray waitIn = QFile::encodeName(tree.path("a"));
    NameSearchRun::Settings settings;
    settings.list = [&stopAsked, waitIn](FolderEntries &entries, const QByteArray &folder, bool sorted) {
        if (folder == waitIn)
            stopAsked.acquire();
        return entries.list(folder, sorted);
    };
    NameSearchJob job(settings);
    QSignalSpy found(&job, &NameSearchJob::found);
    QSignalSpy finished(&job, &NameSearchJob::finished);
    QVERIFY(job.start({ tree.root(), QStringLiteral("rap"), -1 }));
    QVERIFY(job.isRunning());
    QVERIFY(!job.start({ tree.root(), QStringLiteral("rap"), -1 }));
    QVERIFY(found.wait());
    job.stop();
    stopAsked.release();
    QVERIFY(finished.wait());
    const auto summary = finished.first().first().value<NameSearchSummary>();
    QVERIFY(summary.stopped);
    QCOMPARE(summary.foundFiles, 1);
    QCOMPARE(found.first().at(1).value<QList<NameHit>>(),
        (QList<NameHit> { { ".rap-hemmelig", tree.path(".skjult/.rap-hemmelig") } }));
    QVERIFY(!job.isRunning());
}

QTEST_GUILESS_MAIN(NameSearchEngineTest)
#include "tst_NameSearchEngine.moc"
