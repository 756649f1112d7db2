#include "dates/YearChooser.h"

#include "app/DatePageControls.h"
#include "dates/HolidayList.h"
#include "platform/Clock.h"

#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

YearChooser::YearChooser(const DatePageControls &controls, const Clock &clock, QObject *parent)
    : QObject(parent)
    , controls_(controls)
    , clock_(clock)
{
    connect(controls.yearNuButton, &QToolButton::clicked, this, &YearChooser::yearNuButtonClick);
    connect(
        controls.yearTilbageButton10, &QToolButton::clicked, this, &YearChooser::yearTilbageButton10Click);
    connect(controls.yearTilbageButton, &QToolButton::clicked, this, &YearChooser::yearTilbageButtonClick);
    connect(controls.yearFremButton, &QToolButton::clicked, this, &YearChooser::yearFremButtonClick);
    connect(controls.yearFremButton10, &QToolButton::clicked, this, &YearChooser::yearFremButton10Click);
    show(year());
}

int YearChooser::year() const
{
    return controls_.aarEdit->text().toInt();
}

void YearChooser::yearNuButtonClick()
{
    show(std::clamp(clock_.now().date().year(), HolidayList::kFirstYear, HolidayList::kLastYear));
    controls_.yearNuButton->setEnabled(false);
}

void YearChooser::step(int years)
{
    // The field holds a year of the list once "Nu" has run; before that there is nothing to step from.
    if (!HolidayList::hasList(year()))
        return;
    show(std::clamp(year() + years, HolidayList::kFirstYear, HolidayList::kLastYear));
    controls_.yearNuButton->setEnabled(true);
}

void YearChooser::show(int shown)
{
    const bool inRange = HolidayList::hasList(shown);
    if (inRange)
        controls_.aarEdit->setText(QString::number(shown));
    const bool back = inRange && shown > HolidayList::kFirstYear;
    const bool forward = inRange && shown < HolidayList::kLastYear;
    controls_.yearTilbageButton10->setEnabled(back);
    controls_.yearTilbageButton->setEnabled(back);
    controls_.yearFremButton->setEnabled(forward);
    controls_.yearFremButton10->setEnabled(forward);
}
