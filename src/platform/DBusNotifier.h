#pragma once

#include "platform/Notifier.h"

#include <QHash>

// freedesktop notifications over the session bus; silently nothing when no notification service runs.
class DBusNotifier : public Notifier {
public:
    void notify(const QString &name, const QString &title, const QString &text) override;

private:
    QHash<QString, uint> idsByName_;
};
