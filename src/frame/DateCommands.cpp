#include "frame/DateCommands.h"

#include "app/DatePageControls.h"
#include "dates/HolidayList.h"
#include "dates/TDatoer.h"
#include "dates/YearChooser.h"
#include "documents/DocumentArea.h"
#include "frame/FrameCommandHandlers.h"
#include "frame/FrameCommands.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

DateCommands::DateCommands(TDatoer &datoer, const DatePageControls &controls, const Clock &clock,
    const DocumentArea &documents, const FrameCommands &commands, FrameCommandHandlers &handlers,
    QObject *parent)
    : QObject(parent)
    , datoer_(datoer)
    , controls_(controls)
    , years_(new YearChooser(controls, clock, this))
{
    const std::pair<const char *, QString (TDatoer::*)() const> texts[] = {
        { "aDato", &TDatoer::getDato },
        { "aKlokken", &TDatoer::getKlokken },
        { "aDato2", &TDatoer::getDato2 },
        { "aDato3", &TDatoer::getDato3 },
    };
    auto writable
        = [&documents, &datoer] { return !documents.windowsInOrder().isEmpty() && datoer.canWrite(); };
    for (const auto &[name, text] : texts) {
        const QString command = QString::fromLatin1(name);
        // The text is composed when the command runs, from the clock of that moment.
        connect(commands.get(command), &QAction::triggered, this,
            [&datoer, text = text] { datoer.UdskrivTekst((datoer.*text)()); });
        handlers.setEnableRule(command, writable);
    }
    connect(commands.get(QStringLiteral("aDatoUdskriv")), &QAction::triggered, this,
        &DateCommands::aDatoUdskrivExecute);
    handlers.setEnableRule(QStringLiteral("aDatoUdskriv"),
        [this, writable] { return writable() && HolidayList::hasList(years_->year()); });
}

void DateCommands::aDatoUdskrivExecute()
{
    if (datoer_.udskrivHelligdage(years_->year()))
        controls_.bogTekstLabel->setText(QStringLiteral("Datoer: ") + controls_.aarEdit->text());
}
