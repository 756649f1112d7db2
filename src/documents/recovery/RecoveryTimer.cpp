#include "documents/recovery/RecoveryTimer.h"

RecoveryTimer::RecoveryTimer(
    std::chrono::milliseconds quiet, std::chrono::milliseconds longest, QObject *parent)
    : QObject(parent)
{
    quiet_.setSingleShot(true);
    quiet_.setInterval(quiet);
    longest_.setSingleShot(true);
    longest_.setInterval(longest);
    connect(&quiet_, &QTimer::timeout, this, &RecoveryTimer::fire);
    connect(&longest_, &QTimer::timeout, this, &RecoveryTimer::fire);
}

void RecoveryTimer::changed()
{
    quiet_.start();
    if (!longest_.isActive())
        longest_.start();
}

void RecoveryTimer::cancel()
{
    quiet_.stop();
    longest_.stop();
}

void RecoveryTimer::fire()
{
    cancel();
    Q_EMIT due();
}
