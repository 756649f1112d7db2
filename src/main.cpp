#include "app/AppContext.h"
#include "app/AppIcon.h"
#include "app/DanishTranslations.h"
#include "app/ProgramResources.h"
#include "app/StorageLayout.h"
#include "documents/spelling/HunspellDictionary.h"
#include "frame/CommandLine.h"
#include "frame/EndOfSession.h"
#include "frame/StartupProbe.h"
#include "frame/Tmainform.h"
#include "frame/WindowSet.h"
#include "options/ThemeService.h"
#include "options/Toptform.h"
#include "platform/TerminationSignals.h"
#include "platform/widgets/SystemPlatform.h"

#include <QApplication>

#include <cstdio>

namespace {

QStringList argumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char *argv[])
{
    // --help and --version answer without a display.
    const CommandLine early = CommandLine::parse(argumentsOf(argc, argv));
    if (early.action != CommandLine::Action::Run) {
        const QString text = early.action == CommandLine::Action::ShowHelp ? CommandLine::helpText()
                                                                           : CommandLine::versionText();
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Skrivora"));
    QApplication::setApplicationVersion(QStringLiteral(SKRIVORA_VERSION));
    // The installed desktop entry, which the desktop shows the running program by.
    QApplication::setDesktopFileName(QStringLiteral("dk.skrivora.skrivora"));
    ProgramResources::load();
    QApplication::setWindowIcon(AppIcon::icon());
    DanishTranslations::install(app);
    // Installed before the windows exist, so a termination that arrives during start-up still closes the
    // program in order once the event loop runs.
    TerminationSignals termination;
    SystemPlatform system;
    system.platform().dictionaryFolders = HunspellDictionary::systemFolders();
    // The look before any window exists: the one the options box will apply, so that it finds it applied
    // rather than restyling every finished window (a fifth of the start); "Sky" when that look cannot be
    // had, and then the options box says so.
    if (!ThemeService::apply(Toptform::designAtStart(
            StorageLayout::settingsFolder(system.platform().dataRoot, system.platform().userName))))
        ThemeService::apply(QStringLiteral("Sky"));
    AppContext context(system.platform());
    WindowSet windows(context);
    Tmainform &frame = windows.frame();
    if (!frame.storageFailure().isEmpty()) {
        context.inform(frame.storageFailure());
        return 1;
    }
    frame.setCommandLineFiles(CommandLine::parse(QApplication::arguments()).files);

    EndOfSession::watch(frame, termination);

    StartupProbe::watch(frame);
    frame.show();
    return QApplication::exec();
}
