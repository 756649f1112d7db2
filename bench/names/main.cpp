// How fast the search for folder and file names is, against fd and find on the same tree in the same run
// (warm cache, medians of five runs), whether each finds the same number of names, and how the peak
// memory of skrivora-search follows the finds rather than the tree. Then how soon the box's search would
// show its first finds and end.
//
// NAMES_BENCH_ENTRIES sets the number of entries (default 200,000) for quicker runs.

#include "search/names/NameSearchJob.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 5;
constexpr int kTopFolders = 20;
constexpr int kFoldersPerTop = 50;

// One name in ten holds "rapport" (in three letter cases); "kvittering" is in one name in a thousand.
const char *const kWords[] = { "brev", "notat", "faktura", "regnskab", "billede", "ferie", "møde", "referat",
    "æblekage", "Rapport" };

struct Tree {
    qint64 entries = 0;
    qint64 frequent = 0; // names holding "rapport" in any letter case
    qint64 rare = 0; // names holding "kvittering"
};

Tree generate(const QString &root, qint64 wanted)
{
    Tree tree;
    const qint64 folders = kTopFolders * (kFoldersPerTop + 1);
    const qint64 filesPerFolder = std::max<qint64>(1, (wanted - folders) / (kTopFolders * kFoldersPerTop));
    qint64 n = 0;
    for (int top = 0; top < kTopFolders; ++top) {
        for (int sub = 0; sub < kFoldersPerTop; ++sub) {
            const QString folder = QStringLiteral("%1/mappe%2/under%3").arg(root).arg(top).arg(sub);
            QDir().mkpath(folder);
            for (qint64 i = 0; i < filesPerFolder; ++i, ++n) {
                QString word = QString::fromUtf8(kWords[n % 10]);
                if (n % 30 == 9)
                    word = word.toUpper();
                if (n % 1000 == 500)
                    word = QStringLiteral("kvittering");
                const QString name = QStringLiteral("%1 %2%3").arg(word).arg(n).arg(n % 7 == 0 ? "" : ".txt");
                QFile file(folder + u'/' + (n % 97 == 0 ? u'.' + name : name));
                if (!file.open(QIODevice::WriteOnly))
                    qFatal("cannot write %s", qPrintable(file.fileName()));
                tree.frequent += word.contains(QStringLiteral("rapport"), Qt::CaseInsensitive);
                tree.rare += word == u"kvittering";
            }
        }
    }
    tree.entries = n + folders;
    return tree;
}

struct Measure {
    double seconds = 0;
    qint64 lines = 0;
    qint64 peakKilobytes = 0;
};

// Runs the command under GNU time for its peak memory, five times after one that warms the cache.
Measure run(const QString &program, const QStringList &arguments, const QString &time)
{
    std::vector<double> times;
    Measure measure;
    for (int i = 0; i <= kRuns; ++i) {
        QProcess process;
        QElapsedTimer timer;
        timer.start();
        if (time.isEmpty())
            process.start(program, arguments);
        else
            process.start(time, QStringList { "-f", "%M", program } + arguments);
        process.waitForFinished(-1);
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() > 1)
            qFatal("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
        measure.lines = process.readAllStandardOutput().count('\n');
        const QList<QByteArray> errors = process.readAllStandardError().trimmed().split('\n');
        measure.peakKilobytes = time.isEmpty() ? 0 : errors.last().toLongLong();
        if (i > 0)
            times.push_back(seconds);
    }
    std::sort(times.begin(), times.end());
    measure.seconds = times[times.size() / 2];
    return measure;
}

void compare(
    const QString &ours, const QString &root, const QString &text, qint64 expected, const QString &time)
{
    std::printf("\nSearching \"%s\" (%lld names hold it)\n  %-16s %9s %10s %12s\n", qPrintable(text),
        (long long)expected, "tool", "seconds", "found", "peak memory");
    const Measure mine = run(ours, { "names", text, root }, time);
    std::printf("  %-16s %9.3f %10lld %9lld kB\n", "skrivora-search", mine.seconds, (long long)mine.lines,
        (long long)mine.peakKilobytes);
    const struct {
        const char *name;
        const char *program;
        QStringList arguments;
    } peers[] = {
        { "fd -u -i -F", "fdfind", { "-u", "-i", "-F", text, root } },
        { "find -iname", "find", { root, "-mindepth", "1", "-iname", u'*' + text + u'*' } },
    };
    for (const auto &peer : peers) {
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(peer.program));
        if (program.isEmpty()) {
            std::printf("  (%s is not installed: `make bench` installs it)\n", peer.program);
            continue;
        }
        const Measure theirs = run(program, peer.arguments, time);
        std::printf("  %-16s %9.3f %10lld %9lld kB   time ratio skrivora-search / %s: %.2f\n", peer.name,
            theirs.seconds, (long long)theirs.lines, (long long)theirs.peakKilobytes, peer.program,
            mine.seconds / theirs.seconds);
    }
}

void timeTheBox(const QString &root, const QString &text)
{
    NameSearchJob job;
    QEventLoop loop;
    QElapsedTimer timer;
    double first = -1;
    QObject::connect(&job, &NameSearchJob::found, &loop, [&] {
        if (first < 0)
            first = double(timer.nsecsElapsed()) / 1e9;
    });
    NameSearchSummary summary;
    QObject::connect(&job, &NameSearchJob::finished, &loop, [&](const NameSearchSummary &result) {
        summary = result;
        loop.quit();
    });
    timer.start();
    job.start({ root, text, 120 });
    loop.exec();
    std::printf("\nThe box's search (\"%s\", Max elementer 120): first finds after %.3f s, done after %.3f s "
                "with %d folders and %d files found, %d of %d entries examined (%s)\n",
        qPrintable(text), first, double(timer.nsecsElapsed()) / 1e9, summary.foundFolders, summary.foundFiles,
        summary.progressPosition, summary.progressTotal, qPrintable(summary.progressText()));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const qint64 wanted = qEnvironmentVariableIsSet("NAMES_BENCH_ENTRIES")
        ? qEnvironmentVariableIntValue("NAMES_BENCH_ENTRIES")
        : 200000;
    const QString ours
        = QFileInfo(QStringLiteral(SKRIVORA_BINARY)).dir().filePath(QStringLiteral("skrivora-search"));
    if (!QFileInfo(ours).isExecutable())
        qFatal("%s is missing: build the target skrivora-search", qPrintable(ours));
    const QString time
        = QFileInfo::exists(QStringLiteral("/usr/bin/time")) ? QStringLiteral("/usr/bin/time") : QString();
    if (time.isEmpty())
        std::printf("(/usr/bin/time is not installed: no peak memory; `make bench` installs it)\n");

    QTemporaryDir dir;
    QElapsedTimer timer;
    timer.start();
    const QString root = dir.filePath(QStringLiteral("træ"));
    const Tree tree = generate(root, wanted);
    const QString small = dir.filePath(QStringLiteral("lille"));
    const Tree smallTree = generate(small, wanted / 10);
    std::printf("Name search through %lld entries (generated in %.1f s, with a tree of %lld beside it)\n",
        (long long)tree.entries, double(timer.elapsed()) / 1e3, (long long)smallTree.entries);

    compare(ours, root, QStringLiteral("rapport"), tree.frequent, time);
    compare(ours, root, QStringLiteral("kvittering"), tree.rare, time);
    std::printf("\nMemory follows the finds, not the tree: \"kvittering\" in the tree a tenth the size\n");
    compare(ours, small, QStringLiteral("kvittering"), smallTree.rare, time);
    timeTheBox(root, QStringLiteral("rapport"));
    timeTheBox(root, QStringLiteral("kvittering"));
    return 0;
}
