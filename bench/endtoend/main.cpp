// The program as a user meets it, under a real X server (Xvfb): from process start to the frame mapped
// and to the first quiet moment (idle), the processor time and the peak memory it took to get there, and
// the longest stretch in which it could not have answered a key press or the mouse wheel. Beside it, in
// the same run and interleaved with it, two baselines built by this bench: a bare Qt window and a bare
// QPlainTextEdit given the same file. Cases: start with no file (fresh and populated data root), 10 MB
// and 50 MB of Danish text, 10 MB on one line and 50 MB in lines of 1 MB; with SKRIVORA_BENCH_200MB=1
// also 200 MB opened and then resized, for the memory the resizing adds. SKRIVORA_BENCH_COMPARE names
// another build of the program, measured in the file cases as a column of its own, interleaved with this
// build, so that a change is judged within one run.
//
// Idle is read from outside, as a user's system monitor would: the first moment after which the process
// used less than kQuietCpuMs of processor time in kQuietMs. Medians of the runs, and ratios to the
// baselines.

#include "frame/StartupProbe.h"
#include "platform/SystemIdentity.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QWidget>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <optional>
#include <random>
#include <vector>

#include <unistd.h>

namespace {

constexpr int kStartRuns = 7;
constexpr int kFileRuns = 3;

// SKRIVORA_BENCH_RUNS sets the number of runs of every case; SKRIVORA_BENCH_ONLY runs only the cases
// whose title contains it.
int runsOr(int runs)
{
    const int asked = qEnvironmentVariableIntValue("SKRIVORA_BENCH_RUNS");
    return asked > 0 ? asked : runs;
}

bool wanted(const char *title)
{
    const QString only = qEnvironmentVariable("SKRIVORA_BENCH_ONLY");
    return only.isEmpty() || QString::fromUtf8(title).contains(only);
}
constexpr long long kQuietMs = 400;
constexpr double kQuietCpuMs = 4;
constexpr long long kSamplingMs = 4;
constexpr long long kGiveUpMs = 90 * 1000;
constexpr int kWidth = 1000;
constexpr int kHeight = 750;

long long nowNs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(path.section(u'/', 0, -2));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// Danish prose of words separated by blanks; a line ends after a random number of words between
// wordsPerLine / 2 and wordsPerLine * 3 / 2, or never when wordsPerLine is 0.
void generateText(const QString &path, qint64 bytes, int wordsPerLine)
{
    static const char *const words[] = { "og", "i", "at", "det", "en", "til", "er", "som", "på", "med",
        "ikke", "der", "var", "men", "et", "har", "om", "vi", "havde", "over", "fra", "hvor", "eller", "skal",
        "selv", "alle", "blev", "kunne", "når", "noget", "efter", "under", "meget", "mange", "sådan",
        "æbleskiver", "smørrebrød", "kystvej", "gårdbutik", "søndag", "lørdag", "fødselsdag", "brøndgrav",
        "havnefront", "vindmølle", "løbesko", "Århus", "Ølstykke", "Næstved" };
    std::mt19937 random(19);
    std::uniform_int_distribution<int> pick(0, int(std::size(words)) - 1);
    std::uniform_int_distribution<int> length(
        std::max(1, wordsPerLine / 2), std::max(1, wordsPerLine * 3 / 2));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    QByteArray chunk;
    qint64 written = 0;
    int left = wordsPerLine > 0 ? length(random) : -1;
    while (written < bytes) {
        chunk += words[pick(random)];
        if (--left == 0) {
            chunk += '\n';
            left = length(random);
        } else {
            chunk += ' ';
        }
        if (chunk.size() >= (1 << 20) || written + chunk.size() >= bytes) {
            chunk.truncate(int(std::min<qint64>(chunk.size(), bytes - written)));
            file.write(chunk);
            written += chunk.size();
            chunk.clear();
        }
    }
}

// A data root as a user leaves it after some weeks: every settings file present, documents to reopen.
void populate(const QString &root)
{
    const QString settings
        = root + QStringLiteral("/Brugere/") + SystemIdentity::userName() + QStringLiteral("/Egenskaber/");
    writeFile(settings + QStringLiteral("Main.txt"), "1000\r\n750\r\n100\r\n80\r\n520\r\n");
    // A theme of the user's own, the documents of the last run reopened.
    writeFile(settings + QStringLiteral("optUnit.txt"),
        "Windows10 Clear Day\r\n1\r\n0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n3\r\n2\r\n0\r\n1\r\n1\r\n0\r\n"
        "120\r\n0\r\n1\r\n0\r\n0\r\n");
    QByteArray types;
    for (const char *type : { "txt", "rtf", "html", "css", "js", "log", "md", "ini", "csv", "xml" })
        types += QByteArray("Type\r\n*.") + type + "\r\n1\r\n";
    writeFile(settings + QStringLiteral("ExtListe.txt"), types);
    QByteArray documents;
    for (int i = 1; i <= 5; ++i) {
        const QString document = root + QStringLiteral("/dokumenter/notat%1.txt").arg(i);
        QDir().mkpath(root + QStringLiteral("/dokumenter"));
        generateText(document, 100 * 1024, 12);
        documents += document.toUtf8() + "\r\n";
    }
    writeFile(settings + QStringLiteral("Dokumentfil.txt"), documents);
}

// ---- the baselines, run as child processes of this bench ----

int runBareWindow(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(kWidth, kHeight);
    StartupProbe::watch(window);
    window.show();
    return QApplication::exec();
}

int runBareEditor(int argc, char **argv, const QString &path)
{
    QApplication app(argc, argv);
    QPlainTextEdit editor;
    editor.resize(kWidth, kHeight);
    if (!path.isEmpty()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", qPrintable(path));
        editor.setPlainText(QString::fromUtf8(file.readAll()));
    }
    StartupProbe::watch(editor);
    editor.show();
    return QApplication::exec();
}

// ---- measuring a child from outside ----

struct ProcessorClock {
    // Processor time of every thread the process has had, in nanoseconds: a thread that ended keeps the
    // last value seen.
    QMap<QString, long long> threads;

    long long read(qint64 pid)
    {
        const QString folder = QStringLiteral("/proc/%1/task").arg(pid);
        for (const QString &thread : QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QFile stat(folder + u'/' + thread + QStringLiteral("/schedstat"));
            if (stat.open(QIODevice::ReadOnly))
                threads[thread]
                    = std::max(threads.value(thread), stat.readAll().split(' ').value(0).toLongLong());
        }
        long long sum = 0;
        for (const long long value : std::as_const(threads))
            sum += value;
        return sum;
    }
};

qint64 statusKilobytes(qint64 pid, const char *field)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').first().toLongLong();
    }
    return 0;
}

struct Outcome {
    double mappedMs = 0;
    double idleMs = 0; // negative: never idle
    double cpuMs = 0;
    double peakMiB = 0;
    double stallMs = 0; // longest stretch without handling an event, from mapped to idle
    double resizeGrowthMiB = 0;
};

struct Launch {
    QString program;
    QStringList arguments;
    QString root; // SKRIVORA_ROOT, for the program
    bool resizeAfterIdle = false;
};

void resizeByX(qint64 pid, const QString &display)
{
    // Eight widths in a row, as a user dragging the window's edge; each is laid out before the next.
    QProcess search;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    search.setProcessEnvironment(environment);
    search.start(QStringLiteral("xdotool"),
        { QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
            QString::number(pid) });
    search.waitForFinished();
    const QByteArray window = search.readAllStandardOutput().trimmed().split('\n').value(0);
    if (window.isEmpty())
        qFatal("no window to resize");
    for (int step = 0; step < 8; ++step) {
        QProcess resize;
        resize.setProcessEnvironment(environment);
        resize.start(QStringLiteral("xdotool"),
            { QStringLiteral("windowsize"), QString::fromLatin1(window), QString::number(700 + step * 60),
                QString::number(kHeight) });
        resize.waitForFinished();
        QThread::msleep(300);
    }
}

// Samples the child's processor time until it has been quiet for kQuietMs; returns the moment the quiet
// began, or nothing when it never did.
std::optional<long long> waitForQuiet(
    QProcess &child, ProcessorClock &clock, long long from, long long *cpuAtIdle)
{
    struct Sample {
        long long at;
        long long cpu;
    };
    std::vector<Sample> samples;
    size_t candidate = 0;
    while (nowNs() - from < kGiveUpMs * 1000000LL) {
        child.waitForReadyRead(int(kSamplingMs));
        samples.push_back({ nowNs(), clock.read(child.processId()) });
        while (
            candidate < samples.size() && samples.back().at - samples[candidate].at >= kQuietMs * 1000000LL) {
            if (samples.back().cpu - samples[candidate].cpu < kQuietCpuMs * 1e6) {
                *cpuAtIdle = samples[candidate].cpu;
                return samples[candidate].at;
            }
            ++candidate;
        }
    }
    return std::nullopt;
}

Outcome runOnce(const Launch &launch, const QString &display)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("SKRIVORA_REPORT_STARTUP"), QStringLiteral("1"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    if (!launch.root.isEmpty())
        environment.insert(QStringLiteral("SKRIVORA_ROOT"), launch.root);
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    ProcessorClock clock;
    const long long started = nowNs();
    child.start(launch.program, launch.arguments);
    if (!child.waitForStarted())
        qFatal("cannot start %s", qPrintable(launch.program));

    long long mapped = 0;
    long long cpuAtIdle = 0;
    std::optional<long long> idle;
    QByteArray lines;
    while (mapped == 0 && nowNs() - started < kGiveUpMs * 1000000LL) {
        child.waitForReadyRead(int(kSamplingMs));
        lines += child.readAllStandardOutput();
        if (lines.contains("mapped "))
            mapped = nowNs();
        clock.read(child.processId());
        if (child.state() != QProcess::Running)
            qFatal("%s ended during start-up", qPrintable(launch.program));
    }
    for (const QByteArray &line : lines.split('\n')) {
        if (line.startsWith("mapped "))
            mapped = line.split(' ').value(1).toLongLong();
    }
    if (mapped != 0)
        idle = waitForQuiet(child, clock, started, &cpuAtIdle);

    Outcome outcome;
    outcome.mappedMs = (mapped - started) / 1e6;
    outcome.idleMs = idle ? (*idle - started) / 1e6 : -1;
    outcome.cpuMs = (idle ? cpuAtIdle : clock.read(child.processId())) / 1e6;
    outcome.peakMiB = statusKilobytes(child.processId(), "VmHWM:") / 1024.0;
    lines += child.readAllStandardOutput();
    for (const QByteArray &line : lines.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.value(0) == "stall" && (!idle || fields.value(1).toLongLong() <= *idle))
            outcome.stallMs = std::max(outcome.stallMs, fields.value(2).toLongLong() / 1e3);
    }
    if (launch.resizeAfterIdle && idle) {
        const qint64 before = statusKilobytes(child.processId(), "VmRSS:");
        resizeByX(child.processId(), display);
        long long ignored = 0;
        waitForQuiet(child, clock, nowNs(), &ignored);
        outcome.resizeGrowthMiB = (statusKilobytes(child.processId(), "VmHWM:") - before) / 1024.0;
    }
    ::kill(pid_t(child.processId()), SIGKILL);
    child.waitForFinished();
    return outcome;
}

struct Column {
    Column(QString name, QString program, QStringList arguments, QString root, bool baseline)
        : name(std::move(name))
        , baseline(baseline)
    {
        launch.program = std::move(program);
        launch.arguments = std::move(arguments);
        launch.root = std::move(root);
    }

    QString name;
    Launch launch;
    bool baseline = false;
    std::vector<Outcome> outcomes;

    double medianOf(double Outcome::*field) const
    {
        std::vector<double> values;
        for (const Outcome &outcome : outcomes)
            values.push_back(outcome.*field);
        return median(values);
    }
    int neverIdle() const
    {
        return int(
            std::count_if(outcomes.begin(), outcomes.end(), [](const Outcome &o) { return o.idleMs < 0; }));
    }
};

void printCase(const char *title, std::vector<Column> &columns, bool withResize)
{
    std::printf("\n%s (medians of %zu runs)\n", title, columns.front().outcomes.size());
    std::printf("  %-52s %10s %10s %10s %9s %11s%s\n", "", "mapped ms", "idle ms", "cpu ms", "peak MiB",
        "stall ms", withResize ? "  resize +MiB" : "");
    for (const Column &column : columns) {
        const int never = column.neverIdle();
        char idle[32];
        if (never * 2 > int(column.outcomes.size()))
            std::snprintf(idle, sizeof idle, "> %lld", kGiveUpMs);
        else
            std::snprintf(idle, sizeof idle, "%.0f", column.medianOf(&Outcome::idleMs));
        std::printf("  %-52s %10.0f %10s %10.0f %9.0f %11.0f", qPrintable(column.name),
            column.medianOf(&Outcome::mappedMs), idle, column.medianOf(&Outcome::cpuMs),
            column.medianOf(&Outcome::peakMiB), column.medianOf(&Outcome::stallMs));
        if (withResize)
            std::printf("  %12.0f", column.medianOf(&Outcome::resizeGrowthMiB));
        std::printf("\n");
    }
    for (const Column &program : columns) {
        if (program.baseline)
            continue;
        for (const Column &base : columns) {
            if (!base.baseline)
                continue;
            const QString label = program.name + QStringLiteral(" / ") + base.name;
            std::printf("  %-52s %10.2f %10.2f %10.2f %9.2f\n", qPrintable(label),
                program.medianOf(&Outcome::mappedMs) / base.medianOf(&Outcome::mappedMs),
                program.neverIdle() ? 0.0
                                    : program.medianOf(&Outcome::idleMs) / base.medianOf(&Outcome::idleMs),
                program.medianOf(&Outcome::cpuMs) / base.medianOf(&Outcome::cpuMs),
                program.medianOf(&Outcome::peakMiB) / base.medianOf(&Outcome::peakMiB));
        }
    }
    std::fflush(stdout);
}

// Runs every column once per round, the columns of a round in turn, so that a change in the machine's
// load falls on all of them alike.
void runCase(
    const char *title, std::vector<Column> columns, int runs, const QString &display, bool withResize = false)
{
    for (int round = 0; round < runs; ++round) {
        for (Column &column : columns)
            column.outcomes.push_back(runOnce(column.launch, display));
    }
    printCase(title, columns, withResize);
}

// Xvfb picks a free display itself and names it on its standard output.
class VirtualScreen {
public:
    bool start()
    {
        server_.setProcessChannelMode(QProcess::SeparateChannels);
        server_.start(QStringLiteral("Xvfb"),
            { QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                QStringLiteral("tcp") });
        if (!server_.waitForStarted())
            return false;
        QByteArray number;
        while (!number.contains('\n') && server_.waitForReadyRead(10000))
            number += server_.readAllStandardOutput();
        if (number.trimmed().isEmpty())
            return false;
        display_ = u':' + QString::fromLatin1(number.trimmed());
        return true;
    }
    ~VirtualScreen()
    {
        server_.terminate();
        server_.waitForFinished();
    }
    QString display() const { return display_; }

private:
    QProcess server_;
    QString display_;
};

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 2 && qstrcmp(argv[1], "--bare-window") == 0)
        return runBareWindow(argc, argv);
    if (argc >= 2 && qstrcmp(argv[1], "--bare-editor") == 0)
        return runBareEditor(argc, argv, argc >= 3 ? QString::fromLocal8Bit(argv[2]) : QString());

    QCoreApplication app(argc, argv);
    if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()) {
        std::printf("endtoend: no Xvfb, nothing measured\n");
        return 0;
    }
    VirtualScreen screen;
    if (!screen.start())
        qFatal("Xvfb did not start");
    const QString self = QCoreApplication::applicationFilePath();
    const QString program = QStringLiteral(SKRIVORA_BINARY);
    const QString compared = qEnvironmentVariable("SKRIVORA_BENCH_COMPARE");
    QTemporaryDir dir;
    std::printf("endtoend: %s under Xvfb %s, window %dx%d; idle = %lld ms with under %.0f ms of processor "
                "time; stall = longest time no event was handled between mapped and idle\n",
        qPrintable(program), qPrintable(screen.display()), kWidth, kHeight, kQuietMs, kQuietCpuMs);

    auto bareWindow = [&] {
        return Column(QStringLiteral("bare Qt window"), self, { QStringLiteral("--bare-window") }, {}, true);
    };
    auto bareEditor = [&](const QString &file) {
        return Column(
            QStringLiteral("bare QPlainTextEdit"), self, { QStringLiteral("--bare-editor"), file }, {}, true);
    };
    auto skrivora = [&](const QString &label, const QString &root, const QStringList &files) {
        return Column(label, program, files, root, false);
    };
    int rootCount = 0;
    auto freshRoot = [&] {
        const QString root = dir.filePath(QStringLiteral("root%1").arg(++rootCount));
        QDir().mkpath(root);
        return root;
    };

    if (wanted("start, no file")) {
        std::vector<Column> columns { bareWindow(), bareEditor(QString()),
            skrivora(QStringLiteral("program, fresh root"), freshRoot(), {}) };
        Column populated = skrivora(QStringLiteral("program, populated root"), freshRoot(), {});
        populate(populated.launch.root);
        columns.push_back(populated);
        // The fresh root fills itself at the first run: each run gets one of its own.
        for (int round = 0; round < runsOr(kStartRuns); ++round) {
            columns[2].launch.root = freshRoot();
            for (Column &column : columns)
                column.outcomes.push_back(runOnce(column.launch, screen.display()));
        }
        printCase("start, no file", columns, false);
    }

    struct FileCase {
        const char *title;
        qint64 bytes;
        int wordsPerLine;
    };
    const FileCase cases[] = { { "open 10 MB", 10 * 1000 * 1000, 12 }, { "open 50 MB", 50 * 1000 * 1000, 12 },
        { "open 10 MB on one line", 10 * 1000 * 1000, 0 },
        { "open 50 MB in lines of 1 MB", 50 * 1000 * 1000, 125 * 1000 } };
    for (const FileCase &fileCase : cases) {
        if (!wanted(fileCase.title))
            continue;
        const QString file = dir.filePath(QStringLiteral("tekst.txt"));
        generateText(file, fileCase.bytes, fileCase.wordsPerLine);
        std::vector<Column> columns { bareEditor(file),
            skrivora(QStringLiteral("program"), freshRoot(), { file }) };
        if (!compared.isEmpty())
            columns.push_back(
                Column(QStringLiteral("compared build"), compared, { file }, freshRoot(), false));
        runCase(fileCase.title, columns, runsOr(kFileRuns), screen.display());
        QFile::remove(file);
    }
    if (qEnvironmentVariableIntValue("SKRIVORA_BENCH_200MB") == 1 && wanted("open 200 MB, then resize")) {
        const QString file = dir.filePath(QStringLiteral("tekst.txt"));
        generateText(file, 200 * 1000 * 1000, 12);
        Column column = skrivora(QStringLiteral("program"), freshRoot(), { file });
        column.launch.resizeAfterIdle = true;
        Column bare = bareEditor(file);
        bare.launch.resizeAfterIdle = true;
        runCase("open 200 MB, then resize", { bare, column }, 1, screen.display(), true);
        QFile::remove(file);
    }
    return 0;
}
