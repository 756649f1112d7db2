#pragma once

#include <QObject>

#include <functional>

// Sends the status-line hint of whatever the mouse is over, in any window of the program, to one
// handler, instead of each window's own status bar.
class StatusTipRouter : public QObject {
    Q_OBJECT

public:
    explicit StatusTipRouter(std::function<void(const QString &)> handler, QObject *parent = nullptr);
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Switched off, every widget's hint takes its ordinary way again.
    void setEnabled(bool enabled) { enabled_ = enabled; }

private:
    std::function<void(const QString &)> handler_;
    bool enabled_ = true;
};
