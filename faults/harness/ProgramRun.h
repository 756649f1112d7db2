#pragma once

#include "app/AppContext.h"
#include "support/TestPlatform.h"

#include <QStringList>

#include <memory>

class Tmainform;
class WindowSet;

// One run of the program on a data root that outlives it (a fault script starts, kills and starts again
// on the same files), with scripted dialogs that answer as the script says.
class ProgramRun {
public:
    explicit ProgramRun(const QString &root);
    ~ProgramRun();

    QString settingsFolder() const;
    // Creates the fifteen windows and shows the frame, as the program's start does.
    void start(const QStringList &commandLine = {});
    bool close();
    Tmainform &frame() const;
    // The texts of every message shown so far.
    QStringList messages() const { return platform.modal.texts(); }

    TestPlatform platform;
    AppContext context;

private:
    QString root_;
    std::unique_ptr<WindowSet> windows_;
};

// Waits on the event loop until the condition holds or the time is up.
bool waitFor(const std::function<bool()> &condition, int milliseconds);
