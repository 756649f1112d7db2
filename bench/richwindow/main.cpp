// bench-richwindow: opening a big RTF file in the rich-text window as the user meets it. The whole
// program is made (the fifteen windows on the system's services, a data root of its own) and the file goes
// through the opening service, as "Åben..." sends it. Measured: the time to the first screen of the
// document, to the whole document laid out, the memory it took per byte of file, and a key press at the
// end of the text until the position display shows the new position. Beside it, a bare QTextEdit reading
// the same file with the same reader, the floor the window stands on. Each run is a child process of its
// own, so that its peak memory is its own. Medians are printed; nothing is asserted.

#include "ProcessMeasures.h"
#include "RtfCorpusGenerator.h"

#include "app/AppContext.h"
#include "documents/DocumentArea.h"
#include "documents/RichEditor.h"
#include "documents/TFunktioner.h"
#include "documents/Twinform2.h"
#include "documents/rtf/RtfReader.h"
#include "frame/Tmainform.h"
#include "frame/WindowSet.h"
#include "platform/widgets/SystemPlatform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

#include <cstdio>

using namespace ProcessMeasures;

namespace {

constexpr int kParagraphs = 20000;
constexpr int kRuns = 3;
constexpr int kKeyPresses = 21;

// Notes the first paint of a widget.
struct PaintWatch : QObject {
    bool painted = false;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

// The editor lays a long document out in steps from the top; the last paragraph laid out means all are.
bool fullyLaidOut(const QTextDocument &document)
{
    return document.lastBlock().layout()->lineCount() > 0;
}

struct Timings {
    double first = 0;
    double laidOut = 0;
    double firstProcessor = 0;
    double laidOutProcessor = 0;
};

Timings waitForLayout(QTextEdit &editor, const QElapsedTimer &clock, double processorAtStart)
{
    PaintWatch watch;
    editor.viewport()->installEventFilter(&watch);
    editor.viewport()->update();
    Timings timings;
    while (!watch.painted)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    timings.first = clock.nsecsElapsed() / 1e6;
    timings.firstProcessor = processorMilliseconds() - processorAtStart;
    while (!fullyLaidOut(*editor.document()))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    timings.laidOut = clock.nsecsElapsed() / 1e6;
    timings.laidOutProcessor = processorMilliseconds() - processorAtStart;
    editor.viewport()->removeEventFilter(&watch);
    return timings;
}

struct KeyPress {
    double wall = 0; // microseconds
    double processor = 0;
};

// Microseconds from a key press at the end of the text to the position display showing the new position.
KeyPress keyPressAtTheEnd(Twinform2 &window)
{
    QList<double> times;
    QList<double> processor;
    QLabel *position = window.InfoPanels[3];
    for (int i = 0; i < kKeyPresses; ++i) {
        window.Editor->moveCursor(QTextCursor::End);
        QCoreApplication::processEvents();
        position->clear();
        const double processorBefore = processorMilliseconds();
        QElapsedTimer clock;
        clock.start();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(window.Editor, &press);
        QApplication::sendEvent(window.Editor, &release);
        times.append(clock.nsecsElapsed() / 1000.0);
        processor.append((processorMilliseconds() - processorBefore) * 1000.0);
        if (position->text().isEmpty())
            qFatal("the position display did not change");
    }
    return { median(times), median(processor) };
}

// The window: prints "first laidOut peakKB firstCpu laidOutCpu keyUs keyCpuUs".
int runWindow(const QString &path)
{
    QTemporaryDir root;
    qputenv("SKRIVORA_ROOT", root.path().toLocal8Bit());
    SystemPlatform system;
    system.platform().dataRoot = root.path();
    AppContext context(system.platform());
    WindowSet windows(context);
    Tmainform &frame = windows.frame();
    frame.resize(1000, 800);
    frame.show();
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
    const qint64 baseline = statusKilobytes("VmRSS:");

    const double processorAtStart = processorMilliseconds();
    QElapsedTimer clock;
    clock.start();
    frame.funk()->openwin(path, QString());
    auto *window = qobject_cast<Twinform2 *>(frame.documents()->activeDocument());
    if (!window)
        qFatal("no rich-text window opened for %s", qPrintable(path));
    const Timings timings = waitForLayout(*window->Editor, clock, processorAtStart);
    const qint64 peak = statusKilobytes("VmHWM:") - baseline;
    const KeyPress key = keyPressAtTheEnd(*window);
    std::printf("%.1f %.1f %lld %.1f %.1f %.1f %.1f\n", timings.first, timings.laidOut, peak,
        timings.firstProcessor, timings.laidOutProcessor, key.wall, key.processor);
    // The text was changed by the key presses; the program is left without the save question.
    std::fflush(stdout);
    std::_Exit(0);
}

// A bare editor showing the same file read by the same reader into a document of its own, as an
// application that reads before it shows would: prints "first laidOut peakKB firstCpu laidOutCpu".
int runBare(const QString &path)
{
    QTextEdit editor;
    editor.resize(1000, 700);
    editor.show();
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
    const qint64 baseline = statusKilobytes("VmRSS:");
    const double processorAtStart = processorMilliseconds();
    QElapsedTimer clock;
    clock.start();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    auto *document = new QTextDocument(&editor);
    RtfReader::read(file.readAll(), *document);
    editor.setDocument(document);
    const Timings timings = waitForLayout(editor, clock, processorAtStart);
    const qint64 peak = statusKilobytes("VmHWM:") - baseline;
    std::printf("%.1f %.1f %lld %.1f %.1f\n", timings.first, timings.laidOut, peak, timings.firstProcessor,
        timings.laidOutProcessor);
    return 0;
}

QList<QList<double>> runChildren(const QString &mode, const QString &path, int columns)
{
    QList<QList<double>> values(columns);
    for (int run = 0; run < kRuns; ++run) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), { mode, path });
        if (!child.waitForFinished(-1) || child.exitCode() != 0)
            qFatal("run %s failed", qPrintable(mode));
        const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
        for (int i = 0; i < columns && i < fields.size(); ++i)
            values[i].append(fields[i].toDouble());
    }
    return values;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && (qstrcmp(argv[1], "--window") == 0 || qstrcmp(argv[1], "--bare") == 0)) {
        QApplication app(argc, argv);
        const QString path = QString::fromLocal8Bit(argv[2]);
        return qstrcmp(argv[1], "--window") == 0 ? runWindow(path) : runBare(path);
    }
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("stor.rtf"));
    const QByteArray rtf = RtfCorpusGenerator::generate(kParagraphs, 2024);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size())
        qFatal("cannot write %s", qPrintable(path));
    file.close();
    std::printf("richwindow: %d formatted paragraphs, %.1f MB of RTF, editor 1000x700; medians of %d runs\n",
        kParagraphs, rtf.size() / 1e6, kRuns);
    std::printf("%-18s %22s %22s %9s %11s %11s\n", "", "first ms (cpu)", "laid out ms (cpu)", "peak MB",
        "bytes/byte", "key@end us (cpu)");

    const QList<QList<double>> bare = runChildren(QStringLiteral("--bare"), path, 5);
    const QList<QList<double>> window = runChildren(QStringLiteral("--window"), path, 7);
    auto row = [&](const char *name, const QList<QList<double>> &values, bool key) {
        const double peakKilobytes = median(values[2]);
        std::printf("%-18s %13.0f (%6.0f) %13.0f (%6.0f) %9.0f %11.1f", name, median(values[0]),
            median(values[3]), median(values[1]), median(values[4]), peakKilobytes / 1024.0,
            peakKilobytes * 1024.0 / rtf.size());
        if (key)
            std::printf(" %8.0f (%5.0f)", median(values[5]), median(values[6]));
        std::printf("\n");
    };
    row("bare QTextEdit", bare, false);
    row("rich-text window", window, true);
    std::printf("window / bare: first %.2f (cpu %.2f), laid out %.2f (cpu %.2f), memory %.2f\n",
        median(window[0]) / median(bare[0]), median(window[3]) / median(bare[3]),
        median(window[1]) / median(bare[1]), median(window[4]) / median(bare[4]),
        median(window[2]) / median(bare[2]));
    return 0;
}
