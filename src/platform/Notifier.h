#pragma once

#include <QString>

// Sends a title and a text to the desktop's notification centre.
class Notifier {
public:
    virtual ~Notifier() = default;
    // name tells notifications apart; a second one with the same name replaces the first.
    virtual void notify(const QString &name, const QString &title, const QString &text) = 0;
};
