#pragma once

#include <QObject>

class QWidget;

// For the start-up benchmark: when SKRIVORA_REPORT_STARTUP is set, writes to standard output the
// monotonic clock's time, in nanoseconds, at which the frame was first shown ("shown <ns>") and at which
// the event loop first went idle ("idle <ns>"). Does nothing otherwise.
class StartupProbe : public QObject {
    Q_OBJECT

public:
    static void watch(QWidget &frame);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
    static void report(const char *what);
};
