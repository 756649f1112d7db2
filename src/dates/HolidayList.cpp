#include "dates/HolidayList.h"

#include "dates/DateTexts.h"
#include "dates/Easter.h"

#include <QDate>

namespace HolidayList {

namespace {

QString weekday(const QDate &date)
{
    return DateTexts::makeDag(unsigned(date.dayOfWeek()));
}

// "31. Marts - Søndag ": the day without a leading zero, the month name and the weekday.
QString movableDate(const QDate &date)
{
    return QString::number(date.day()) + u'.' + DateTexts::makeMaaned(unsigned(date.month()))
        + QStringLiteral(" - ") + weekday(date);
}

} // namespace

bool hasList(int year)
{
    return year >= kFirstYear && year <= kLastYear;
}

QStringList lines(int year)
{
    if (!hasList(year))
        return {};
    const QDate easter = Easter::sunday(year);
    auto fromEaster = [&easter](int days) { return movableDate(easter.addDays(days)); };
    const QString separator(55, u'-');
    return {
        QStringLiteral("Følgende dage og datoer er for år ") + QString::number(year) + u'.',
        separator,
        QStringLiteral("Skærtorsdag: ") + fromEaster(-3),
        QStringLiteral("Langfredag: ") + fromEaster(-2),
        QStringLiteral("Påskedag: ") + fromEaster(0),
        QStringLiteral("Anden påskedag: ") + fromEaster(1),
        separator,
        QStringLiteral("Store bededag: ") + fromEaster(26),
        QStringLiteral("Kristi himmelfartsdag: ") + fromEaster(39),
        separator,
        QStringLiteral("Pinsedag: ") + fromEaster(49),
        QStringLiteral("2. pinsedag: ") + fromEaster(50),
        separator,
        QStringLiteral("Juleaften: 24. December - ") + weekday(QDate(year, 12, 24)),
        QStringLiteral("1. Juledag: 25. December - ") + weekday(QDate(year, 12, 25)),
        QStringLiteral("2. juledag: 26. December - ") + weekday(QDate(year, 12, 26)),
        separator,
        QStringLiteral("Nytårsdag: 01. Januar - ") + weekday(QDate(year + 1, 1, 1)),
        separator,
    };
}

} // namespace HolidayList
