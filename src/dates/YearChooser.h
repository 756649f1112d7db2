#pragma once

#include <QObject>

class Clock;
struct DatePageControls;

// The year field of the "Dokument" page and its five buttons: "Nu" sets the year of the clock, the
// others step one or ten years. The steps stop at the first and last year the holiday list is made
// for, and a button that could not move the year further is disabled.
class YearChooser : public QObject {
    Q_OBJECT

public:
    YearChooser(const DatePageControls &controls, const Clock &clock, QObject *parent);

    void yearNuButtonClick();
    void yearTilbageButton10Click() { step(-10); }
    void yearTilbageButtonClick() { step(-1); }
    void yearFremButtonClick() { step(1); }
    void yearFremButton10Click() { step(10); }

    // The year the field shows, as a number; 0 for the "0000" shown until the frame is first shown.
    int year() const;

private:
    void step(int years);
    void show(int year);

    const DatePageControls &controls_;
    const Clock &clock_;
};
