// The helper of `make faults` (scripts/fault-tests): the program's windows on scripted dialogs, run
// through the faults the script puts them in. Each command prints its figures and ends with 0 when the
// program held.

#include "DamagedFiles.h"
#include "RecoveryUnderFaults.h"
#include "SavingUnderFaults.h"

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
    const auto argument = [&arguments](int i) { return arguments.value(i); };
    if (command == u"damaged-files" && arguments.size() >= 2)
        return damagedFiles(argument(1), argument(2).isEmpty() ? 1 : argument(2).toInt());
    if (command == u"save-once" && arguments.size() == 4)
        return saveOnce(argument(1), argument(2), argument(3).toInt());
    if (command == u"start-close" && arguments.size() >= 2)
        return startAndClose(argument(1), argument(2));
    if (command == u"write-failures" && arguments.size() >= 3)
        return writeFailures(argument(1), argument(2), argument(3));
    if (command == u"modify-three" && arguments.size() >= 3)
        return modifyThree(argument(1), argument(2), argument(3) == u"--ended-from-outside");
    if (command == u"recover-three" && arguments.size() == 3)
        return recoverThree(argument(1), argument(2));
    if (command == u"second-instance" && arguments.size() == 2)
        return secondInstance(argument(1));
    std::fputs("fault-harness damaged-files WORK [STRIDE]\n"
               "fault-harness save-once ROOT DOCUMENT N\n"
               "fault-harness start-close ROOT [DOCUMENT]\n"
               "fault-harness write-failures ROOT DOCUMENT [FOLDER-TO-FILL]\n"
               "fault-harness modify-three ROOT FOLDER [--ended-from-outside]\n"
               "fault-harness recover-three ROOT FOLDER\n"
               "fault-harness second-instance ROOT\n",
        stderr);
    return 2;
}
