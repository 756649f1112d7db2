// How long the file lists take with many entries: sorting captions (random and reversed order), and
// turning a list file's lines into entries while every path is checked on disk. Medians of several runs.

#include "lists/ReopenList.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kRuns = 7;

double medianMs(const std::function<void()> &prepare, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

QString randomCaption(QRandomGenerator &random)
{
    static const QString letters
        = QStringLiteral("abcdefghijklmnopqrstuvwxyzæøåABCDEFGHIJKLMNOPQRSTUVWXYZÆØÅ ");
    QString caption;
    const int length = 4 + int(random.bounded(20));
    for (int i = 0; i < length; ++i)
        caption += letters[int(random.bounded(letters.size()))];
    return caption + QStringLiteral(".txt");
}

void benchSorting(int count)
{
    QRandomGenerator random(count);
    QList<TReopenRec> randomEntries;
    for (int i = 0; i < count; ++i)
        randomEntries.append({ randomCaption(random), QStringLiteral("/sti/%1").arg(i) });
    QList<TReopenRec> reversed = randomEntries;
    std::sort(reversed.begin(), reversed.end(), [](const TReopenRec &a, const TReopenRec &b) {
        return ReopenList::sortKey(a.Caption) > ReopenList::sortKey(b.Caption);
    });

    ReopenList list;
    const double randomMs = medianMs([&] { list.replaceAll(randomEntries); }, [&] { list.sortFrom(0); });
    const double reversedMs = medianMs([&] { list.replaceAll(reversed); }, [&] { list.sortFrom(0); });
    std::printf(
        "sort %6d captions: random order %9.2f ms, reversed order %9.2f ms\n", count, randomMs, reversedMs);
}

void benchLoading(int count)
{
    QTemporaryDir folder;
    QStringList lines;
    for (int i = 0; i < count; ++i) {
        const QString path = folder.filePath(QStringLiteral("dokument%1.txt").arg(i));
        // Every other file exists; the rest are pruned.
        if (i % 2 == 0) {
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly))
                qFatal("cannot write %s", qPrintable(path));
        }
        lines << QFileInfo(path).fileName() << path;
    }
    const auto isFile = [](const QString &path) { return QFileInfo(path).isFile(); };
    QList<TReopenRec> entries;
    const double ms
        = medianMs([] {}, [&] { entries = ReopenList::fromLines(lines, TItemtype::itFil, isFile); });
    std::printf("load %6d entries, half of them gone: %9.2f ms (%lld kept)\n", count, ms,
        static_cast<long long>(entries.size()));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    for (int count : { 100, 1000, 10000 })
        benchSorting(count);
    for (int count : { 100, 1000, 10000 })
        benchLoading(count);
    return 0;
}
