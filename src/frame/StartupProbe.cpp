#include "frame/StartupProbe.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <ctime>

namespace {

long long monotonicNanoseconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Shorter stretches are not worth a line: no one notices them.
constexpr long long kReportedStall = 20 * 1000 * 1000;
constexpr auto kWatchdogPeriod = std::chrono::milliseconds(5);

} // namespace

void StartupProbe::watch(QWidget &frame)
{
    if (qEnvironmentVariableIsEmpty("SKRIVORA_REPORT_STARTUP"))
        return;
    new StartupProbe(frame);
    // A zero timer fires once everything posted during start-up has been handled.
    QTimer::singleShot(0, &frame, [] { report("idle"); });
}

StartupProbe::StartupProbe(QWidget &frame)
    : QObject(&frame)
    , frame_(frame)
{
    frame.installEventFilter(this);
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance()) {
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] { waiting_ = true; });
        connect(dispatcher, &QAbstractEventDispatcher::awake, this, [this] {
            waiting_ = false;
            lastEvent_ = monotonicNanoseconds();
        });
    }
}

StartupProbe::~StartupProbe()
{
    stopping_ = true;
    if (watchdog_.joinable())
        watchdog_.join();
}

void StartupProbe::watchWindow()
{
    if (QWindow *window = frame_.windowHandle())
        window->installEventFilter(this);
}

bool StartupProbe::eventFilter(QObject *watched, QEvent *event)
{
    if (mapped_) {
        lastEvent_ = monotonicNanoseconds();
        waiting_ = false;
    } else if (watched == &frame_ && event->type() == QEvent::Show) {
        report("shown");
        frame_.removeEventFilter(this);
        watchWindow();
    } else if (watched == frame_.windowHandle() && event->type() == QEvent::Expose
        && frame_.windowHandle()->isExposed()) {
        mapped_ = true;
        report("mapped");
        watched->removeEventFilter(this);
        // From now on every event the program handles is a moment it could have answered input.
        lastEvent_ = monotonicNanoseconds();
        QCoreApplication::instance()->installEventFilter(this);
        startWatchdog();
    }
    return false;
}

void StartupProbe::startWatchdog()
{
    watchdog_ = std::thread([this] {
        long long longest = 0;
        while (!stopping_) {
            std::this_thread::sleep_for(kWatchdogPeriod);
            if (waiting_)
                continue;
            const long long stretch = monotonicNanoseconds() - lastEvent_;
            if (stretch >= kReportedStall && stretch > longest + kReportedStall) {
                longest = stretch;
                report("stall", stretch / 1000);
            }
        }
    });
}

void StartupProbe::report(const char *what, long long value)
{
    if (value >= 0)
        std::printf("%s %lld %lld\n", what, monotonicNanoseconds(), value);
    else
        std::printf("%s %lld\n", what, monotonicNanoseconds());
    std::fflush(stdout);
}
