#include "dates/DateTexts.h"

#include <array>

namespace DateTexts {

QString makeDag(unsigned weekday)
{
    static const std::array<QString, 7> names = { QStringLiteral("Mandag "), QStringLiteral("Tirsdag "),
        QStringLiteral("Onsdag "), QStringLiteral("Torsdag "), QStringLiteral("Fredag "),
        QStringLiteral("Lørdag "), QStringLiteral("Søndag ") };
    return weekday >= 1 && weekday <= names.size() ? names[weekday - 1] : QString();
}

QString makeMaaned(unsigned month)
{
    static const std::array<QString, 12> names = { QStringLiteral(" Januar"), QStringLiteral(" Februar"),
        QStringLiteral(" Marts"), QStringLiteral(" April"), QStringLiteral(" Maj"), QStringLiteral(" Juni"),
        QStringLiteral(" Juli"), QStringLiteral(" August"), QStringLiteral(" September"),
        QStringLiteral(" Oktober"), QStringLiteral(" November"), QStringLiteral(" December") };
    return month >= 1 && month <= names.size() ? names[month - 1] : QString();
}

QString twoDigits(int number)
{
    const QString digits = QString::number(number);
    return digits.size() == 1 ? u'0' + digits : digits;
}

QString getDato(const QDate &date)
{
    return makeDag(unsigned(date.dayOfWeek())) + twoDigits(date.day()) + u'.'
        + makeMaaned(unsigned(date.month())) + u' ' + QString::number(date.year());
}

QString getDato2(const QDate &date)
{
    return twoDigits(date.day()) + u'-' + twoDigits(date.month()) + u'-' + QString::number(date.year());
}

QString getDato3(const QDate &date)
{
    return QString::number(date.year()) + u'-' + twoDigits(date.month()) + u'-' + twoDigits(date.day());
}

QString getKlokken(const QTime &time)
{
    return twoDigits(time.hour()) + u':' + twoDigits(time.minute()) + u':' + twoDigits(time.second());
}

} // namespace DateTexts
