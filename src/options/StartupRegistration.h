#pragma once

#include <QObject>
#include <QString>

class AppContext;
class QTimer;

// Makes the program start when the user logs on, or stops it from doing so: each run toggles. The
// shortcut (a desktop entry starting the executable) is made in the settings folder; a one-second timer
// then waits for it and copies it into the autostart folder, or removes the copy found there.
class StartupRegistration : public QObject {
    Q_OBJECT

public:
    static constexpr int kTickMilliseconds = 1000;
    static constexpr int kTicksToWait = 10;

    StartupRegistration(AppContext &context, QString executable, QObject *parent = nullptr);

    // The button: announces the wait, then starts.
    void startProgDoButtonClick();
    void makeOpstartProg();
    void startProgTimerTimer();

    QString SPtimerFilename;
    int SPtimerCount = 0;
    QTimer *startProgTimer;

private:
    // Copies the shortcut into the autostart folder, or removes it from there; false on failure.
    bool toggleAutostartEntry();

    AppContext &context_;
    QString executable_;
};
