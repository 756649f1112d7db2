#pragma once

#include "app/AppContext.h"
#include "support/TestPlatform.h"

#include <QTemporaryDir>

#include <memory>

class Tmainform;
class WindowSet;

// The whole program on scripted services, with its own data root in a temporary folder. Settings
// files can be put in place before the windows are created.
class TestApp {
public:
    TestApp();
    ~TestApp();

    QString root() const { return root_.path(); }
    QString settingsFolder() const;
    QString settingsPath(const QString &name) const { return settingsFolder() + u'/' + name; }
    void writeSettingsFile(const QString &name, const QByteArray &bytes) const;
    QByteArray readSettingsFile(const QString &name) const;
    // A file in the data root's "filer" folder, for documents to open.
    QString writeFile(const QString &name, const QByteArray &bytes) const;

    // Creates the fifteen windows, as the program does at start.
    void create();
    // Creates the windows if needed and shows the frame (its first show).
    void start(const QStringList &commandLine = {});
    // Closes the program as the user would; false when something stopped it.
    bool close();
    // Closes the program and starts it again on the same data root, as the next run would find it.
    void restart();

    Tmainform &frame() const;
    RecordingShell &shell() { return platform.shell; }
    ScriptedModalRunner &modal() { return platform.modal; }

    TestPlatform platform;
    AppContext context;

private:
    QTemporaryDir root_;
    std::unique_ptr<WindowSet> windows_;
};
