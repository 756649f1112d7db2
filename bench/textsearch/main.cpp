// How fast the search for a text in the files below a folder is, against ripgrep and grep on the same
// tree in the same run (warm cache, medians of three runs), and whether each finds every occurrence of
// an ASCII word and of a Danish word in every encoding. Then how soon the box would show its first rows,
// and what finding every occurrence forward and backward costs in one big document.
//
// TEXTSEARCH_BENCH_FILES sets the number of files (default 20,000, about 500 MB) for quicker runs.

#include "SearchTreeGenerator.h"

#include "documents/find/TextFinder.h"
#include "search/text/TextSearchJob.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kRuns = 3;

struct Tool {
    QString name;
    QString program;
    std::function<QStringList(const QString &word, const QString &root)> arguments;
    // The number of occurrences (or matching lines) the tool's output reports.
    std::function<qint64(const QByteArray &output)> count;
};

struct Measure {
    double seconds = 0;
    qint64 count = 0;
};

qint64 linesOf(const QByteArray &output)
{
    return output.count('\n');
}

// "path:N" per file, as -c prints it.
qint64 sumOfCounts(const QByteArray &output)
{
    qint64 sum = 0;
    for (const QByteArray &line : output.split('\n')) {
        const qsizetype colon = line.lastIndexOf(':');
        if (colon >= 0)
            sum += line.mid(colon + 1).toLongLong();
    }
    return sum;
}

Measure run(const Tool &tool, const QString &word, const QString &root)
{
    std::vector<double> times;
    qint64 count = 0;
    for (int i = 0; i <= kRuns; ++i) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        process.setProcessEnvironment(environment);
        QElapsedTimer timer;
        timer.start();
        process.start(tool.program, tool.arguments(word, root));
        process.waitForFinished(-1);
        const QByteArray output = process.readAllStandardOutput();
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() > 1)
            qFatal("%s failed: %s", qPrintable(tool.name), process.readAllStandardError().constData());
        count = tool.count(output);
        if (i > 0) // the first run only warms the cache
            times.push_back(seconds);
    }
    std::sort(times.begin(), times.end());
    return { times[times.size() / 2], count };
}

void compareTools(const QList<Tool> &tools, const QString &root, const SearchTreeGenerator::Counts &counts)
{
    const double megabytes = double(counts.bytes) / 1e6;
    for (const char *word : { SearchTreeGenerator::kAsciiWord, SearchTreeGenerator::kFrequentWord,
             SearchTreeGenerator::kDanishWord }) {
        const QString needle = QString::fromUtf8(word);
        const bool danish = word == SearchTreeGenerator::kDanishWord;
        const qint64 expected = danish                ? counts.danishWord
            : word == SearchTreeGenerator::kAsciiWord ? counts.asciiWord
                                                      : counts.frequentWord;
        std::printf("\nSearching \"%s\" (%lld occurrences planted", word, (long long)expected);
        if (danish)
            std::printf(", %lld of them in UTF-8 files", (long long)counts.danishWordInUtf8);
        std::printf(")\n  %-16s %9s %10s %10s\n", "tool", "seconds", "MB/s", "count");
        double ours = 0;
        for (const Tool &tool : tools) {
            const Measure measure = run(tool, needle, root);
            std::printf("  %-16s %9.3f %10.0f %10lld%s\n", qPrintable(tool.name), measure.seconds,
                megabytes / measure.seconds, (long long)measure.count,
                measure.count == expected ? "" : "  (misses some)");
            if (tool.name == u"skrivora-search")
                ours = measure.seconds;
            else if (ours > 0)
                std::printf("  %-16s throughput ratio skrivora-search / %s: %.2f\n", "",
                    qPrintable(tool.name), measure.seconds / ours);
        }
    }
}

void timeTheBox(const QString &root)
{
    TextSearchRequest request;
    request.folder = root;
    request.mask = QStringLiteral("*.txt");
    request.text = QString::fromUtf8(SearchTreeGenerator::kDanishWord);
    request.recursive = true;
    TextSearchJob job;
    QEventLoop loop;
    QElapsedTimer timer;
    double firstRows = -1;
    double counted = -1;
    QObject::connect(&job, &TextSearchJob::rowsFound, &loop, [&] {
        if (firstRows < 0)
            firstRows = double(timer.nsecsElapsed()) / 1e9;
    });
    QObject::connect(
        &job, &TextSearchJob::counted, &loop, [&] { counted = double(timer.nsecsElapsed()) / 1e9; });
    TextSearchSummary summary;
    QObject::connect(&job, &TextSearchJob::finished, &loop, [&](const TextSearchSummary &result) {
        summary = result;
        loop.quit();
    });
    timer.start();
    job.start(request);
    loop.exec();
    const double total = double(timer.nsecsElapsed()) / 1e9;
    std::printf(
        "\nThe box's search (\"*.txt\", recursive, \"%s\"): first rows after %.3f s, folders and files "
        "counted after %.3f s, done after %.3f s with %d rows in %d files\n",
        SearchTreeGenerator::kDanishWord, firstRows, counted, total, summary.rowCount, summary.fileCount);
}

void timeOneDocument()
{
    // 50 MB of text (25 million characters is 50 MB as UTF-16) with 100,000 occurrences.
    const QString filler = QStringLiteral("Lorem ipsum dolor sit amet, æble og pære i haven; ");
    QString text;
    const int occurrences = 100000;
    const qsizetype perGap = 25'000'000 / occurrences;
    text.reserve(25'000'000 + occurrences * 8);
    for (int i = 0; i < occurrences; ++i) {
        while (text.size() < (i + 1) * perGap)
            text += filler;
        text += i % 2 ? QStringLiteral(" Påskeæg ") : QStringLiteral(" påskeæg ");
    }
    for (TextFinder::Options options :
        { TextFinder::Options(), TextFinder::Options(TextFinder::WholeWord) }) {
        const TextFinder finder(QStringLiteral("PÅSKEÆG"), options);
        QElapsedTimer timer;
        timer.start();
        int forward = 0;
        for (qsizetype p = finder.findForward(text); p >= 0;
             p = finder.findForward(text, p + finder.needleLength()))
            ++forward;
        const double forwardSeconds = double(timer.nsecsElapsed()) / 1e9;
        timer.start();
        int backward = 0;
        for (qsizetype p = finder.findBackward(text); p >= 0; p = finder.findBackward(text, 0, p))
            ++backward;
        const double backwardSeconds = double(timer.nsecsElapsed()) / 1e9;
        std::printf("\nFind all in one document of %.0f MB%s: forward %d hits in %.3f s, backward %d hits in "
                    "%.3f s\n",
            double(text.size()) * 2 / 1e6, options ? " (whole words)" : "", forward, forwardSeconds, backward,
            backwardSeconds);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const int files = qEnvironmentVariableIsSet("TEXTSEARCH_BENCH_FILES")
        ? qEnvironmentVariableIntValue("TEXTSEARCH_BENCH_FILES")
        : 20000;
    const QString ours
        = QFileInfo(QStringLiteral(SKRIVORA_BINARY)).dir().filePath(QStringLiteral("skrivora-search"));
    if (!QFileInfo(ours).isExecutable())
        qFatal("%s is missing: build the target skrivora-search", qPrintable(ours));

    QTemporaryDir dir;
    const QString root = dir.filePath(QStringLiteral("dokumenter"));
    QElapsedTimer timer;
    timer.start();
    const SearchTreeGenerator::Counts counts = SearchTreeGenerator::generate(root, files);
    std::printf("Text search through %lld files in %lld folders, %.0f MB (generated in %.1f s)\n",
        (long long)counts.files, (long long)counts.folders, double(counts.bytes) / 1e6,
        double(timer.elapsed()) / 1e3);

    QList<Tool> tools;
    tools.append({ QStringLiteral("skrivora-search"), ours,
        [](const QString &word, const QString &folder) {
            return QStringList { "text", "--mask", "*.*", "--recursive", word, folder };
        },
        linesOf });
    for (const auto &[name, arguments] :
        { std::pair(QStringLiteral("rg"), QStringList { "-uu", "-F", "-i", "-c" }),
            std::pair(QStringLiteral("grep"), QStringList { "-r", "-F", "-i", "-c" }) }) {
        const QString program = QStandardPaths::findExecutable(name);
        if (program.isEmpty()) {
            std::printf("(%s is not installed: `make bench` installs it)\n", qPrintable(name));
            continue;
        }
        tools.append({ name, program,
            [arguments](const QString &word, const QString &folder) {
                return arguments + QStringList { word, folder };
            },
            sumOfCounts });
    }
    compareTools(tools, root, counts);
    timeTheBox(root);
    timeOneDocument();
    return 0;
}
