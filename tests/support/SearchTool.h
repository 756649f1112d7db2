#pragma once

#include <QByteArray>
#include <QStringList>

// skrivora-search run as a user runs it, next to the program the tests build.
namespace SearchTool {

struct Result {
    int exitCode = -1; // -1 when it crashed
    QByteArray out;
    QByteArray err;
};

QString program();
Result run(const QStringList &arguments);

} // namespace SearchTool
