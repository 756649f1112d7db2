// Start-up time of the program: from process start to the frame first shown, and to the event loop
// first idle, with a fresh and with a populated data root. Medians of several runs.

#include "platform/SystemIdentity.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int kRuns = 9;

long long monotonicNanoseconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(path.section(u'/', 0, -2));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
}

// A data root as a user leaves it after some weeks: every settings file present, documents to reopen.
void populate(const QString &root)
{
    const QString user = SystemIdentity::userName();
    const QString settings = root + QStringLiteral("/Brugere/") + user + QStringLiteral("/Egenskaber/");
    writeFile(settings + QStringLiteral("Main.txt"), "1000\r\n750\r\n100\r\n80\r\n520\r\n");
    writeFile(settings + QStringLiteral("optUnit.txt"),
        "Windows10 Clear Day\r\n1\r\n0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n3\r\n2\r\n0\r\n1\r\n1\r\n0\r\n"
        "120\r\n0\r\n1\r\n0\r\n0\r\n");
    QByteArray types;
    for (const char *type : { "txt", "rtf", "html", "css", "js", "log", "md", "ini", "csv", "xml" })
        types += QByteArray("Type\r\n*.") + type + "\r\n1\r\n";
    writeFile(settings + QStringLiteral("ExtListe.txt"), types);
    QByteArray documents;
    const QByteArray paragraph = QByteArray("Rødgrød med fløde er en dansk ret. ").repeated(3) + "\n";
    for (int i = 1; i <= 5; ++i) {
        const QString document = root + QStringLiteral("/dokumenter/notat%1.txt").arg(i);
        writeFile(document, paragraph.repeated(100 * 1024 / paragraph.size()));
        documents += document.toUtf8() + "\r\n";
    }
    writeFile(settings + QStringLiteral("Dokumentfil.txt"), documents);
}

struct Timing {
    double shownMs;
    double idleMs;
};

Timing runOnce(const QString &root)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SKRIVORA_ROOT"), root);
    environment.insert(QStringLiteral("SKRIVORA_REPORT_STARTUP"), QStringLiteral("1"));
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    const long long started = monotonicNanoseconds();
    program.start(QStringLiteral(SKRIVORA_BINARY), {});
    long long shown = 0, idle = 0;
    while (idle == 0 && program.waitForReadyRead(30000)) {
        while (program.canReadLine()) {
            const QList<QByteArray> fields = program.readLine().trimmed().split(' ');
            if (fields.size() == 2 && fields[0] == "shown")
                shown = fields[1].toLongLong();
            else if (fields.size() == 2 && fields[0] == "idle")
                idle = fields[1].toLongLong();
        }
    }
    ::kill(pid_t(program.processId()), SIGTERM);
    program.waitForFinished(30000);
    if (shown == 0 || idle == 0)
        qFatal("the program did not report its start-up");
    return { (shown - started) / 1e6, (idle - started) / 1e6 };
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void measure(const char *label, bool populated)
{
    std::vector<double> shown, idle;
    for (int run = 0; run < kRuns; ++run) {
        QTemporaryDir root;
        if (populated)
            populate(root.path());
        const Timing timing = runOnce(root.path());
        shown.push_back(timing.shownMs);
        idle.push_back(timing.idleMs);
    }
    std::printf("%-24s frame shown %7.1f ms   event loop idle %7.1f ms   (median of %d)\n", label,
        median(shown), median(idle), kRuns);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::printf("Start-up of %s\n", SKRIVORA_BINARY);
    measure("fresh data root", false);
    measure("populated data root", true);
    return 0;
}
