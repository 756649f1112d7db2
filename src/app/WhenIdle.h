#pragma once

#include <functional>

class QObject;

// Runs an update each time the event loop is about to wait for events: how enable rules stay current
// without every change having to refresh them. The connection ends with the receiver.
namespace WhenIdle {

void run(QObject *receiver, std::function<void()> update);

} // namespace WhenIdle
