#pragma once

#include <QList>
#include <QtGlobal>

// What the in-process benchmarks read of their own process.
namespace ProcessMeasures {

// Processor time of this process so far, all threads, in milliseconds. On a busy machine the wall-clock
// times grow with the load of other programs; this one does not.
double processorMilliseconds();
// A field of /proc/self/status in kilobytes ("VmRSS:", "VmHWM:"); 0 when it cannot be read.
qint64 statusKilobytes(const char *field);
double median(QList<double> values);

} // namespace ProcessMeasures
