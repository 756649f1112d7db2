#include "ProgramRun.h"

#include "frame/Tmainform.h"
#include "frame/WindowSet.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

ProgramRun::ProgramRun(const QString &root)
    : platform(root)
    , context(platform.platform())
    , root_(root)
{
    qputenv("SKRIVORA_ROOT", root.toLocal8Bit());
}

ProgramRun::~ProgramRun() = default;

QString ProgramRun::settingsFolder() const
{
    return root_ + QStringLiteral("/Brugere/") + platform.platform().userName + QStringLiteral("/Egenskaber");
}

void ProgramRun::start(const QStringList &commandLine)
{
    windows_ = std::make_unique<WindowSet>(context);
    frame().setCommandLineFiles(commandLine);
    frame().show();
    QCoreApplication::processEvents();
}

bool ProgramRun::close()
{
    const bool closed = frame().close();
    QCoreApplication::processEvents();
    return closed;
}

Tmainform &ProgramRun::frame() const
{
    return windows_->frame();
}

bool waitFor(const std::function<bool()> &condition, int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}
