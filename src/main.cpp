#include "app/AppContext.h"
#include "app/AppIcon.h"
#include "documents/spelling/HunspellDictionary.h"
#include "frame/CommandLine.h"
#include "frame/StartupProbe.h"
#include "frame/Tmainform.h"
#include "frame/WindowSet.h"
#include "options/ThemeService.h"
#include "platform/TerminationSignals.h"
#include "platform/widgets/SystemPlatform.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QSessionManager>
#include <QTranslator>

#include <cstdio>

namespace {

QStringList argumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// Qt's own dialogs and context menus speak Danish too.
void installDanishTranslations(QApplication &app)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_da"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
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
    QApplication::setDesktopFileName(QStringLiteral("skrivora"));
    QApplication::setWindowIcon(AppIcon::icon());
    installDanishTranslations(app);
    // Installed before the windows exist, so a termination that arrives during start-up still closes the
    // program in order once the event loop runs.
    TerminationSignals termination;
    // The start look, before any window exists; the options box then applies the user's own.
    ThemeService::apply(QStringLiteral("Sky"));

    SystemPlatform system;
    system.platform().dictionaryFolders = HunspellDictionary::systemFolders();
    AppContext context(system.platform());
    WindowSet windows(context);
    Tmainform &frame = windows.frame();
    if (!frame.storageFailure().isEmpty()) {
        context.inform(frame.storageFailure());
        return 1;
    }
    frame.setCommandLineFiles(CommandLine::parse(QApplication::arguments()).files);

    QObject::connect(&termination, &TerminationSignals::terminationRequested, &frame, &QWidget::close);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &frame, [&frame](QSessionManager &manager) {
        if (!frame.closeProgram())
            manager.cancel();
    });

    StartupProbe::watch(frame);
    frame.show();
    return QApplication::exec();
}
