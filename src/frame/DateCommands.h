#pragma once

#include <QObject>

class Clock;
class DocumentArea;
class FrameCommandHandlers;
class FrameCommands;
class TDatoer;
class YearChooser;
struct DatePageControls;

// The frame's "Datoer" commands: the date and clock texts at the caret of the active document, and the
// holiday list of the year chosen on the "Dokument" page. They are enabled while a document can take
// the text.
class DateCommands : public QObject {
    Q_OBJECT

public:
    DateCommands(TDatoer &datoer, const DatePageControls &controls, const Clock &clock,
        const DocumentArea &documents, const FrameCommands &commands, FrameCommandHandlers &handlers,
        QObject *parent);

    YearChooser &years() { return *years_; }
    // Writes the list of the chosen year and names the year in the heading of the block.
    void aDatoUdskrivExecute();

private:
    TDatoer &datoer_;
    const DatePageControls &controls_;
    YearChooser *years_;
};
