#include "frame/StartupProbe.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

void StartupProbe::watch(QWidget &frame)
{
    if (qEnvironmentVariableIsEmpty("SKRIVORA_REPORT_STARTUP"))
        return;
    frame.installEventFilter(new StartupProbe(&frame));
    // A zero timer fires once everything posted during start-up has been handled.
    QTimer::singleShot(0, &frame, [] { report("idle"); });
}

bool StartupProbe::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show) {
        report("shown");
        watched->removeEventFilter(this);
    }
    return false;
}

void StartupProbe::report(const char *what)
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::printf("%s %lld\n", what, static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
    std::fflush(stdout);
}
