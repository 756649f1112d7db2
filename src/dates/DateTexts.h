#pragma once

#include <QDateTime>
#include <QString>

// The Danish date and clock texts, composed from a given moment of the local clock.
namespace DateTexts {

// "Mandag " to "Søndag " for Monday = 1 to Sunday = 7, each with its trailing blank; else empty.
QString makeDag(unsigned weekday);
// " Januar" to " December" for 1 to 12, each with its leading blank; else empty.
QString makeMaaned(unsigned month);
// A number with a "0" in front when it has a single digit.
QString twoDigits(int number);

// "Mandag 05. Februar 2024"
QString getDato(const QDate &date);
// "05-02-2024"
QString getDato2(const QDate &date);
// "2024-02-05"
QString getDato3(const QDate &date);
// "09:05:03", on the 24-hour clock
QString getKlokken(const QTime &time);

} // namespace DateTexts
