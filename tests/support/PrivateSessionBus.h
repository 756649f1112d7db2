#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A D-Bus message bus of the test's own (dbus-daemon), started with it and stopped with it, even when
// the test dies. It knows no services to start on demand, so nothing of the desktop is ever reached.
class PrivateSessionBus {
public:
    PrivateSessionBus();
    ~PrivateSessionBus();
    PrivateSessionBus(const PrivateSessionBus &) = delete;
    PrivateSessionBus &operator=(const PrivateSessionBus &) = delete;

    bool isRunning() const { return !address_.isEmpty(); }
    // The address clients connect to; empty when the bus could not be started.
    QString address() const { return address_; }
    // Why the bus is not running.
    QString error() const { return error_; }

private:
    QTemporaryDir folder_;
    QProcess daemon_;
    QString address_;
    QString error_;
};
