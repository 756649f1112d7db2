// The helper of `make faults` (scripts/fault-tests): the program's windows on scripted dialogs, run
// through the faults the script puts them in. Each command prints its figures and ends with 0 when the
// program held.

#include "DamagedFiles.h"

#include <QApplication>

#include <cstdio>

namespace {

// Qt's notices about the offscreen platform would drown the figures.
void dropQtNotices(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg || type == QtCriticalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(dropQtNotices);
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments().mid(1);
    const QString command = arguments.value(0);
    if (command == u"damaged-files" && arguments.size() >= 2)
        return damagedFiles(arguments[1], arguments.value(2, QStringLiteral("1")).toInt());
    std::fputs("fault-harness damaged-files FOLDER [STRIDE]\n", stderr);
    return 2;
}
