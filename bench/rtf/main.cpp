// bench-rtf: reading and writing a large RTF document, as opening and saving a big file in the rich-text
// window would. Reports medians; asserts nothing.

#include "RtfCorpusGenerator.h"

#include "documents/rtf/RtfReader.h"
#include "documents/rtf/RtfWriter.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextDocument>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kParagraphs = 20000;
constexpr int kRepeats = 5;

long peakResidentKilobytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

template <typename Work> double medianMilliseconds(Work work)
{
    std::vector<double> times;
    for (int i = 0; i < kRepeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);

    const QByteArray rtf = RtfCorpusGenerator::generate(kParagraphs, 2024);
    const long baseline = peakResidentKilobytes();
    std::printf("document: %d paragraphs, %.1f MB of RTF\n", kParagraphs, rtf.size() / 1e6);

    QTextDocument document;
    const double readTime = medianMilliseconds([&] { RtfReader::read(rtf, document); });
    const long afterReading = peakResidentKilobytes();
    std::printf("read:  median %.0f ms of %d, %d blocks\n", readTime, kRepeats, document.blockCount());

    QByteArray written;
    const double writeTime = medianMilliseconds([&] { written = RtfWriter::write(document); });
    const long afterWriting = peakResidentKilobytes();
    std::printf("write: median %.0f ms of %d, %.1f MB of RTF\n", writeTime, kRepeats, written.size() / 1e6);

    std::printf("peak memory: %.0f MB with the RTF in memory, %.0f MB after reading (+%.0f), %.0f MB after "
                "writing (+%.0f)\n",
        baseline / 1024.0, afterReading / 1024.0, (afterReading - baseline) / 1024.0, afterWriting / 1024.0,
        (afterWriting - afterReading) / 1024.0);
    return 0;
}
