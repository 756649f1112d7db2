#pragma once

#include <QStringList>

// The Danish church holidays and Christmas days of a year, with their dates and weekdays, as lines of
// text. The movable holidays are counted from Easter Sunday.
namespace HolidayList {

// The years the list is made for, in the Gregorian calendar (counted back before its introduction too).
constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;
bool hasList(int year);

// The 19 lines of the year's list, each without its line break; none for a year outside the range.
QStringList lines(int year);

} // namespace HolidayList
