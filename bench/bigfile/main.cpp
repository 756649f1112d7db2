// Opening big plain-text files: for generated files of 1, 10 and 50 MB (and 200 MB when
// SKRIVORA_BENCH_200MB=1), the time to the first screen, the time until the whole text is in and the
// window is idle again (every paragraph measured for the line count), the peak memory, and the time from a
// key press to the position display being updated at the start and at the end of the document.
// Each run is a child process of its own, so that its peak memory is its own. Medians are printed.

#include "ProcessMeasures.h"

#include "documents/PlainEditor.h"
#include "documents/loading/DocumentLoader.h"
#include "documents/position/PositionTracker.h"
#include "documents/spelling/HunspellDictionary.h"
#include "documents/spelling/SpellingService.h"
#include "documents/spelling/TextMarker.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <random>

using namespace ProcessMeasures;

namespace {

constexpr int kRuns = 3;
constexpr int kKeyPresses = 21;

// Danish text of varying line length, some lines long enough to wrap, now and then an address or a
// misspelt word, as in exported notes and logs.
void generate(const QString &path, qint64 bytes)
{
    static const char *const words[] = { "og", "i", "at", "det", "en", "den", "til", "er", "som", "på", "de",
        "med", "han", "af", "for", "ikke", "der", "var", "mig", "sig", "men", "et", "har", "om", "vi", "min",
        "havde", "ham", "hun", "nu", "over", "da", "fra", "du", "ud", "sin", "dem", "os", "op", "man", "hans",
        "hvor", "eller", "hvad", "skal", "selv", "her", "alle", "vil", "blev", "kunne", "ind", "når", "være",
        "dog", "noget", "ville", "jo", "deres", "efter", "ned", "skulle", "denne", "end", "dette", "mit",
        "også", "under", "have", "dig", "anden", "hende", "mine", "alt", "meget", "sit", "sine", "vor", "mod",
        "disse", "hvis", "din", "nogle", "hos", "blive", "mange", "ad", "bliver", "hendes", "været", "thi",
        "jer", "sådan", "rødgrød", "fløde", "ærø", "færge", "blåbær", "kørekort", "øresund", "sølvbryllup",
        "æblekage", "skærgård" };
    std::mt19937 random(2026);
    std::uniform_int_distribution<int> pick(0, int(std::size(words)) - 1);
    std::uniform_int_distribution<int> length(3, 40);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    QByteArray chunk;
    qint64 written = 0;
    for (qint64 line = 0; written < bytes; ++line) {
        const int count = length(random);
        for (int i = 0; i < count; ++i) {
            chunk += words[pick(random)];
            chunk += ' ';
        }
        if (line % 50 == 0)
            chunk += "se https://www.example.dk/side/" + QByteArray::number(line) + ' ';
        if (line % 30 == 0)
            chunk += "hsu ";
        chunk += '\n';
        if (chunk.size() > (1 << 20) || written + chunk.size() >= bytes) {
            file.write(chunk);
            written += chunk.size();
            chunk.clear();
        }
    }
}

// Stands in for the document window's key-release handler, which runs the position display.
class PositionDisplay : public QObject {
public:
    PositionDisplay(PlainEditor &editor, PositionTracker &tracker)
        : tracker_(tracker)
    {
        editor.installEventFilter(this);
    }
    QLabel label;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyRelease) {
            const PositionTracker::Position at = tracker_.position();
            label.setText(QString::number(at.line + 1) + u',' + QString::number(at.column) + u' '
                + QString::number(at.lineCount));
        }
        return false;
    }

private:
    PositionTracker &tracker_;
};

// Microseconds from a key press to the position display showing the new position.
double keyPressMicroseconds(PlainEditor &editor, PositionDisplay &display, QTextCursor::MoveOperation where)
{
    QList<double> times;
    for (int i = 0; i < kKeyPresses; ++i) {
        editor.moveCursor(where);
        QCoreApplication::processEvents();
        display.label.clear();
        QElapsedTimer clock;
        clock.start();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(&editor, &press);
        QApplication::sendEvent(&editor, &release);
        times.append(clock.nsecsElapsed() / 1000.0);
        if (display.label.text().isEmpty())
            qFatal("the position display did not change");
    }
    return median(times);
}

// One run in this process: prints "first loaded idle peakKB keyStartUs keyEndUs loadedCpu idleCpu".
int runOnce(const QString &path)
{
    SpellingService spelling(HunspellDictionary::systemFolders(), QString());
    spelling.isAvailable(); // the dictionary is loaded once per program, not per document
    PlainEditor editor;
    editor.resize(800, 600);
    editor.show();
    new TextMarker(editor, &spelling);
    auto *tracker = new PositionTracker(editor);
    PositionDisplay display(editor, *tracker);
    DocumentLoader loader;
    QCoreApplication::processEvents();
    const qint64 baseline = statusKilobytes("VmRSS:");

    bool painted = false;
    struct PaintWatch : QObject {
        bool *painted;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint)
                *painted = true;
            return false;
        }
    } watch;
    watch.painted = &painted;
    editor.viewport()->installEventFilter(&watch);

    const double processorAtStart = processorMilliseconds();
    QElapsedTimer clock;
    clock.start();
    if (!loader.start(path, editor))
        qFatal("cannot open %s: %s", qPrintable(path), qPrintable(loader.errorText()));
    while (!painted)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    const double first = clock.nsecsElapsed() / 1e6;
    while (loader.isLoading())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double loaded = clock.nsecsElapsed() / 1e6;
    const double loadedProcessor = processorMilliseconds() - processorAtStart;
    while (tracker->isMeasuring())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
    const double idle = clock.nsecsElapsed() / 1e6;
    const double idleProcessor = processorMilliseconds() - processorAtStart;
    const qint64 peak = statusKilobytes("VmHWM:") - baseline;

    const double keyStart = keyPressMicroseconds(editor, display, QTextCursor::Start);
    const double keyEnd = keyPressMicroseconds(editor, display, QTextCursor::End);
    std::printf("%.1f %.1f %.1f %lld %.1f %.1f %.1f %.1f\n", first, loaded, idle, peak, keyStart, keyEnd,
        loadedProcessor, idleProcessor);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--run") == 0) {
        QApplication app(argc, argv);
        return runOnce(QString::fromLocal8Bit(argv[2]));
    }
    QCoreApplication app(argc, argv);
    QList<int> sizes { 1, 10, 50 };
    if (qEnvironmentVariableIntValue("SKRIVORA_BENCH_200MB") == 1)
        sizes.append(200);
    QTemporaryDir dir;
    std::printf(
        "bigfile: plain-text window, 800x600, word wrap, spelling and links marked; medians of %d runs\n",
        kRuns);
    std::printf("%8s %10s %18s %18s %9s %13s %11s\n", "size", "first ms", "loaded ms (cpu)", "idle ms (cpu)",
        "peak MB", "key@start us", "key@end us");
    for (const int megabytes : sizes) {
        const QString path = dir.filePath(QStringLiteral("%1MB.txt").arg(megabytes));
        generate(path, qint64(megabytes) * 1000 * 1000);
        QList<double> columns[8];
        for (int run = 0; run < kRuns; ++run) {
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child.start(QCoreApplication::applicationFilePath(), { QStringLiteral("--run"), path });
            if (!child.waitForFinished(-1) || child.exitCode() != 0)
                qFatal("run for %d MB failed", megabytes);
            const QList<QByteArray> values = child.readAllStandardOutput().trimmed().split(' ');
            for (int i = 0; i < 8 && i < values.size(); ++i)
                columns[i].append(values[i].toDouble());
        }
        std::printf("%6d MB %10.1f %9.0f (%6.0f) %9.0f (%6.0f) %9.0f %13.1f %11.1f\n", megabytes,
            median(columns[0]), median(columns[1]), median(columns[6]), median(columns[2]),
            median(columns[7]), median(columns[3]) / 1024.0, median(columns[4]), median(columns[5]));
        std::fflush(stdout);
        QFile::remove(path);
    }
    return 0;
}
