#pragma once

#include <QObject>

#include <atomic>
#include <thread>

class QWidget;

// For the start-up benchmarks: when SKRIVORA_REPORT_STARTUP is set, writes to standard output the
// monotonic clock's time, in nanoseconds, at which the frame was first shown ("shown <ns>"), first exposed
// on the screen ("mapped <ns>") and at which the event loop first went idle ("idle <ns>"); from the first
// exposure on, every new longest stretch in which the event loop handled no event although it was not
// waiting for one ("stall <ns> <microseconds>"), while it lasts: how long a key press or a turn of the
// mouse wheel would have waited. Does nothing otherwise.
class StartupProbe : public QObject {
    Q_OBJECT

public:
    static void watch(QWidget &frame);
    ~StartupProbe() override;

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit StartupProbe(QWidget &frame);
    static void report(const char *what, long long value = -1);
    void watchWindow();
    void startWatchdog();

    QWidget &frame_;
    bool mapped_ = false;
    // Written by the user-interface thread, read by the watchdog.
    std::atomic<long long> lastEvent_ { 0 };
    std::atomic<bool> waiting_ { false };
    std::atomic<bool> stopping_ { false };
    std::thread watchdog_;
};
