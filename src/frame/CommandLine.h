#pragma once

#include <QStringList>

// The program's arguments: --help and --version answer and end the program; "--" ends the options;
// every other argument is a file to open.
struct CommandLine {
    enum class Action { Run, ShowHelp, ShowVersion };

    static CommandLine parse(const QStringList &arguments);
    static QString helpText();
    static QString versionText();

    Action action = Action::Run;
    QStringList files;
};
