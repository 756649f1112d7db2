#include "support/SearchTool.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace SearchTool {

QString program()
{
    return QFileInfo(QStringLiteral(SKRIVORA_BINARY)).dir().filePath(QStringLiteral("skrivora-search"));
}

Result run(const QStringList &arguments)
{
    QProcess process;
    process.start(program(), arguments);
    if (!process.waitForFinished(60000))
        qFatal("skrivora-search did not finish");
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        process.readAllStandardOutput(), process.readAllStandardError() };
}

} // namespace SearchTool
