#include "platform/DesktopShell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

int missingFileCode(const QFileInfo &file)
{
    return file.dir().exists() ? Shell::FileNotFound : Shell::PathNotFound;
}

QString defaultApplicationFor(const QString &mimeType)
{
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), { QStringLiteral("query"), QStringLiteral("default"), mimeType });
    if (!query.waitForFinished(5000))
        return {};
    return QString::fromUtf8(query.readAllStandardOutput()).trimmed();
}

// The Exec line of an installed .desktop entry, with its field codes filled in for one file.
QStringList commandOfDesktopEntry(const QString &desktopId, const QString &path)
{
    const QString entryPath = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, desktopId);
    QFile entry(entryPath);
    if (entryPath.isEmpty() || !entry.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    bool inMainGroup = false;
    while (!entry.atEnd()) {
        const QString line = QString::fromUtf8(entry.readLine()).trimmed();
        if (line.startsWith(u'['))
            inMainGroup = line == QLatin1String("[Desktop Entry]");
        else if (inMainGroup && line.startsWith(QLatin1String("Exec="))) {
            QStringList command = QProcess::splitCommand(line.mid(5));
            QStringList filled;
            for (const QString &argument : command) {
                if (argument == QLatin1String("%f") || argument == QLatin1String("%F"))
                    filled << path;
                else if (argument == QLatin1String("%u") || argument == QLatin1String("%U"))
                    filled << QUrl::fromLocalFile(path).toString();
                else if (!(argument.size() == 2 && argument.startsWith(u'%')))
                    filled << argument;
            }
            return filled;
        }
    }
    return {};
}

int startDetached(const QString &program, const QStringList &arguments, const QString &folder = {})
{
    return QProcess::startDetached(program, arguments, folder) ? Shell::Accepted : Shell::FileNotFound;
}

} // namespace

int DesktopShell::openFile(const QString &path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return missingFileCode(file);
    const QString mimeType = QMimeDatabase().mimeTypeForFile(file).name();
    if (defaultApplicationFor(mimeType).isEmpty() && !file.isExecutable())
        return NoAssociation;
    return startDetached(QStringLiteral("xdg-open"), { file.absoluteFilePath() }, file.absolutePath());
}

// The desktop knows no "edit" action: a file whose type is text goes to the default application for
// plain text, any other type has no editor, as on a system where the type lacks the verb.
int DesktopShell::editFile(const QString &path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return missingFileCode(file);
    if (!QMimeDatabase().mimeTypeForFile(file).inherits(QStringLiteral("text/plain")))
        return NoAssociation;
    const QStringList command
        = commandOfDesktopEntry(defaultApplicationFor(QStringLiteral("text/plain")), file.absoluteFilePath());
    if (command.isEmpty())
        return NoAssociation;
    return startDetached(command.first(), command.mid(1), file.absolutePath());
}

// A batch file runs with the shell in a terminal that stays open afterwards.
int DesktopShell::runBatchFile(const QString &path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return missingFileCode(file);
    const QString script = QStringLiteral("sh \"$0\"; exec \"${SHELL:-sh}\"");
    return startDetached(QStringLiteral("x-terminal-emulator"),
        { QStringLiteral("-e"), QStringLiteral("sh"), QStringLiteral("-c"), script, file.absoluteFilePath() },
        QDir::currentPath());
}

int DesktopShell::showFolder(const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        return PathNotFound;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder)) ? Accepted : NoAssociation;
}

int DesktopShell::openAddress(const QString &address)
{
    return QDesktopServices::openUrl(QUrl::fromUserInput(address)) ? Accepted : NoAssociation;
}

int DesktopShell::runScript(const QString &script, const QString &first, const QString &second)
{
    const QFileInfo file(script);
    if (!file.exists())
        return missingFileCode(file);
    if (!file.isExecutable())
        return AccessDenied;
    return startDetached(file.absoluteFilePath(), { first, second });
}
