#include "options/StartupRegistration.h"

#include "app/AppContext.h"
#include "app/FileMessages.h"
#include "app/SettingsFile.h"
#include "platform/AtomicFileWriter.h"
#include "platform/Autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

namespace {

const QString kShortcutName = QStringLiteral("Skrivora.desktop");

QString failureMessage()
{
    return QStringLiteral("Det lykkedes ikke at indføre programmet som startprogram.");
}

} // namespace

StartupRegistration::StartupRegistration(AppContext &context, QString executable, QObject *parent)
    : QObject(parent)
    , startProgTimer(new QTimer(this))
    , context_(context)
    , executable_(std::move(executable))
{
    startProgTimer->setInterval(kTickMilliseconds);
    connect(startProgTimer, &QTimer::timeout, this, &StartupRegistration::startProgTimerTimer);
}

void StartupRegistration::startProgDoButtonClick()
{
    context_.inform(QStringLiteral("Det kan tage lidt tid.\rTryk OK-Knappen for at starte funktionen.\r"
                                   "Der bringes en information, når funktionen er gennemført."));
    makeOpstartProg();
}

void StartupRegistration::makeOpstartProg()
{
    if (!QFileInfo(executable_).isFile()) {
        context_.inform(QStringLiteral("Genvejens mål blev ikke fundet."));
        return;
    }
    QString shortcut;
    const QString &folder = context_.fields.OptMappe;
    if (QFileInfo(folder).isDir()) {
        // The shortcut is written here directly; a failure is told now, and the timer still runs so that
        // an older shortcut in the folder keeps the toggle working.
        shortcut = folder + u'/' + kShortcutName;
        const AtomicFileWriter::Result written
            = AtomicFileWriter::write(shortcut, Autostart::shortcutFor(executable_));
        if (!written.ok)
            context_.inform(FileMessages::writeFailure(shortcut, written.error));
    }
    SPtimerFilename = shortcut;
    SPtimerCount = 0;
    startProgTimer->start();
}

void StartupRegistration::startProgTimerTimer()
{
    ++SPtimerCount;
    if (!SPtimerFilename.isEmpty() && QFileInfo(SPtimerFilename).isFile()) {
        // Stopped before any message: a tick also arrives while a dialog is open.
        startProgTimer->stop();
        SPtimerCount = 0;
        if (!Autostart::ensureFolder()) {
            context_.inform(QStringLiteral("Startup-mappen kunne ikke findes.\r"));
            return;
        }
        if (!toggleAutostartEntry())
            context_.inform(failureMessage());
        return;
    }
    if (SPtimerCount >= kTicksToWait) {
        SPtimerCount = 0;
        startProgTimer->stop();
        context_.inform(failureMessage());
    }
}

bool StartupRegistration::toggleAutostartEntry()
{
    const QString entry = Autostart::folder() + u'/' + QFileInfo(SPtimerFilename).fileName();
    if (QFileInfo::exists(entry)) {
        if (!QFile::remove(entry))
            return false;
        context_.inform(QStringLiteral("Programmet blev fjernet som StartUp-program."));
        return true;
    }
    QFile shortcut(SPtimerFilename);
    if (!shortcut.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = shortcut.readAll();
    if (shortcut.error() != QFileDevice::NoError || !AtomicFileWriter::write(entry, bytes).ok)
        return false;
    context_.inform(QStringLiteral("Programmet er indført som StartUp-program."));
    return true;
}
