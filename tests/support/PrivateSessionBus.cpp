#include "support/PrivateSessionBus.h"

#include <QFile>

#include <csignal>
#include <sys/prctl.h>

namespace {

// A session bus that lets every client own any name and call anything, and starts no services.
QByteArray configuration(const QString &socketFolder)
{
    return "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
           " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
           "<busconfig>\n"
           "  <type>session</type>\n"
           "  <listen>unix:dir="
        + socketFolder.toLocal8Bit()
        + "</listen>\n"
          "  <auth>EXTERNAL</auth>\n"
          "  <policy context=\"default\">\n"
          "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
          "    <allow eavesdrop=\"true\"/>\n"
          "    <allow own=\"*\"/>\n"
          "  </policy>\n"
          "</busconfig>\n";
}

} // namespace

PrivateSessionBus::PrivateSessionBus()
{
    const QString configPath = folder_.filePath(QStringLiteral("bus.conf"));
    QFile config(configPath);
    if (!config.open(QIODevice::WriteOnly) || config.write(configuration(folder_.path())) < 0) {
        error_ = QStringLiteral("cannot write ") + configPath;
        return;
    }
    config.close();

    // The bus goes when the test goes, however it ends.
    daemon_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    daemon_.start(QStringLiteral("dbus-daemon"),
        { QStringLiteral("--config-file=") + configPath, QStringLiteral("--nofork"),
            QStringLiteral("--print-address") });
    if (!daemon_.waitForStarted(10000)) {
        error_ = QStringLiteral("dbus-daemon did not start (package dbus-daemon): ") + daemon_.errorString();
        return;
    }
    while (!daemon_.canReadLine()) {
        if (!daemon_.waitForReadyRead(10000)) {
            error_ = QStringLiteral("dbus-daemon gave no address: ")
                + QString::fromLocal8Bit(daemon_.readAllStandardError());
            return;
        }
    }
    address_ = QString::fromLocal8Bit(daemon_.readLine()).trimmed();
}

PrivateSessionBus::~PrivateSessionBus()
{
    if (daemon_.state() == QProcess::NotRunning)
        return;
    daemon_.terminate();
    if (!daemon_.waitForFinished(5000))
        daemon_.kill();
    daemon_.waitForFinished(5000);
}
