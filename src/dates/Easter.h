#pragma once

#include <QDate>

// Easter Sunday of the Gregorian calendar, by Gauss's rule with its two exceptions.
namespace Easter {

// The day of Easter Sunday; its month (3 = March, 4 = April) goes to month. Meant for the years 1 to
// 9999, which the calendar dates of the program cover.
int beregnPaaskeS(int year, int &month);
QDate sunday(int year);

} // namespace Easter
