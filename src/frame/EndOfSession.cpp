#include "frame/EndOfSession.h"

#include "frame/Tmainform.h"
#include "platform/TerminationSignals.h"

#include <QGuiApplication>
#include <QSessionManager>

void EndOfSession::watch(Tmainform &frame, TerminationSignals &termination)
{
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &frame, [&frame] {
        frame.writeRecoveryCopiesNow();
        frame.close();
    });
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &frame, [&frame](QSessionManager &manager) {
        frame.writeRecoveryCopiesNow();
        if (!frame.closeProgram())
            manager.cancel();
    });
}
