#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>

// When a modified document's recovery copy is due: a short while after the user stops typing, and at
// the latest a longer while after the first change that has no copy yet, so steady typing still gets one.
class RecoveryTimer : public QObject {
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds kQuiet { 3000 };
    static constexpr std::chrono::milliseconds kLongest { 30000 };

    explicit RecoveryTimer(std::chrono::milliseconds quiet = kQuiet,
        std::chrono::milliseconds longest = kLongest, QObject *parent = nullptr);

    // The text has changed.
    void changed();
    // No copy is wanted for the changes so far (the document was saved, or a copy was just taken).
    void cancel();
    bool isPending() const { return quiet_.isActive() || longest_.isActive(); }

Q_SIGNALS:
    void due();

private:
    void fire();

    QTimer quiet_;
    QTimer longest_;
};
