// skrivora-search: the program's two searches on the command line, for scripts, tests and benchmarks.
// The first argument names the search; the rest are that search's own.

#include "NamesCommand.h"
#include "TextCommand.h"

#include <QGuiApplication>

#include <cstdio>

namespace {

enum ExitCode { UsageError = 2 };

void printUsage(FILE *stream)
{
    std::fputs("Brug: skrivora-search SØGNING [TILVALG] ...\n", stream);
    std::fputs(TextCommand::usage(), stream);
    std::fputs(NamesCommand::usage(), stream);
    std::fputs("Afslutningskoder: 0 med fund, 1 uden fund, 2 forkerte argumenter.\n", stream);
}

// Qt's own notices (about the offscreen platform's missing runtime folder, say) are no business of
// someone reading search results; the tool's own messages go to stderr directly.
void dropQtNotices(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fputs(qPrintable(message + u'\n'), stderr);
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(dropQtNotices);
    // Names need no font: the search starts without a GUI application's set-up.
    if (argc > 1 && qstrcmp(argv[1], "names") == 0) {
        QCoreApplication app(argc, argv);
        return NamesCommand::run(app.arguments().mid(2));
    }
    // Lines are laid out in a font, which needs a GUI application; nothing is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    const QString command = arguments.value(0);

    if (command == u"text")
        return TextCommand::run(arguments.mid(1));
    if (command == u"--help" || command == u"-h") {
        printUsage(stdout);
        return 0;
    }
    printUsage(stderr);
    return UsageError;
}
