// Easter Sunday and the holiday list of a year: dates an almanac gives, and the exact lines written.
#include "dates/Easter.h"
#include "dates/HolidayList.h"

#include <QtTest>

namespace {

// Easter by another rule (the anonymous Gregorian computus in Meeus' form), to check every year against.
QDate meeusEaster(int year)
{
    const int a = year % 19, b = year / 100, c = year % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7, m = (a + 11 * h + 22 * l) / 451;
    const int n = h + l - 7 * m + 114;
    return QDate(year, n / 31, n % 31 + 1);
}

QString separator()
{
    return QString(55, u'-');
}

// The line of the list that starts with the label.
QString lineOf(const QStringList &lines, const QString &label)
{
    for (const QString &line : lines) {
        if (line.startsWith(label))
            return line;
    }
    return QString();
}

} // namespace

class tst_HolidayList : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void easterAsTheAlmanacsGiveIt_data();
    void easterAsTheAlmanacsGiveIt();
    void easterAgreesWithAnotherRuleInEveryYear();
    void listOf2024Whole();
    void movableHolidaysAtTheEdgesOfTheEasterSeason_data();
    void movableHolidaysAtTheEdgesOfTheEasterSeason();
    void everyHolidayFallsOnItsWeekdayInEveryYear();
    void noListOutsideTheYearsOfTheCalendar();
};

void tst_HolidayList::easterAsTheAlmanacsGiveIt_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::newRow("1818, earliest possible") << 1818 << 3 << 22;
    QTest::newRow("1943, latest possible") << 1943 << 4 << 25;
    QTest::newRow("1954, exception of 18 April") << 1954 << 4 << 18;
    QTest::newRow("1981, exception of 19 April") << 1981 << 4 << 19;
    QTest::newRow("2000") << 2000 << 4 << 23;
    QTest::newRow("2008") << 2008 << 3 << 23;
    QTest::newRow("2011") << 2011 << 4 << 24;
    QTest::newRow("2018, first of April") << 2018 << 4 << 1;
    QTest::newRow("2024") << 2024 << 3 << 31;
    QTest::newRow("2038, latest possible") << 2038 << 4 << 25;
    QTest::newRow("2049, exception of 18 April") << 2049 << 4 << 18;
    QTest::newRow("2076, exception of 19 April") << 2076 << 4 << 19;
    QTest::newRow("2285, earliest possible") << 2285 << 3 << 22;
}

void tst_HolidayList::easterAsTheAlmanacsGiveIt()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    int computedMonth = 0;
    QCOMPARE(Easter::beregnPaaskeS(year, computedMonth), day);
    QCOMPARE(computedMonth, month);
}

void tst_HolidayList::easterAgreesWithAnotherRuleInEveryYear()
{
    for (int year = HolidayList::kFirstYear; year <= HolidayList::kLastYear; ++year) {
        const QDate easter = Easter::sunday(year);
        if (easter != meeusEaster(year))
            QFAIL(
                qPrintable(QStringLiteral("year %1: %2, another rule gives %3")
                               .arg(year)
                               .arg(easter.toString(Qt::ISODate), meeusEaster(year).toString(Qt::ISODate))));
        QCOMPARE(easter.dayOfWeek(), 7);
    }
}

void tst_HolidayList::listOf2024Whole()
{
    const QStringList expected = {
        QStringLiteral("Følgende dage og datoer er for år 2024."),
        separator(),
        QStringLiteral("Skærtorsdag: 28. Marts - Torsdag "),
        QStringLiteral("Langfredag: 29. Marts - Fredag "),
        QStringLiteral("Påskedag: 31. Marts - Søndag "),
        QStringLiteral("Anden påskedag: 1. April - Mandag "),
        separator(),
        QStringLiteral("Store bededag: 26. April - Fredag "),
        QStringLiteral("Kristi himmelfartsdag: 9. Maj - Torsdag "),
        separator(),
        QStringLiteral("Pinsedag: 19. Maj - Søndag "),
        QStringLiteral("2. pinsedag: 20. Maj - Mandag "),
        separator(),
        QStringLiteral("Juleaften: 24. December - Tirsdag "),
        QStringLiteral("1. Juledag: 25. December - Onsdag "),
        QStringLiteral("2. juledag: 26. December - Torsdag "),
        separator(),
        QStringLiteral("Nytårsdag: 01. Januar - Onsdag "),
        separator(),
    };
    QCOMPARE(HolidayList::lines(2024), expected);
}

void tst_HolidayList::movableHolidaysAtTheEdgesOfTheEasterSeason_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("line");
    QTest::newRow("2285 ascension in april") << 2285 << "Kristi"
                                             << "Kristi himmelfartsdag: 30. April - Torsdag ";
    QTest::newRow("2285 whit sunday") << 2285 << "Pinsedag"
                                      << "Pinsedag: 10. Maj - Søndag ";
    QTest::newRow("2038 whit monday in june") << 2038 << "2. pinse"
                                              << "2. pinsedag: 14. Juni - Mandag ";
    QTest::newRow("2018 maundy thursday back in march") << 2018 << "Skær"
                                                        << "Skærtorsdag: 29. Marts - Torsdag ";
    QTest::newRow("2018 good friday back in march") << 2018 << "Lang"
                                                    << "Langfredag: 30. Marts - Fredag ";
    QTest::newRow("2018 ascension") << 2018 << "Kristi"
                                    << "Kristi himmelfartsdag: 10. Maj - Torsdag ";
    QTest::newRow("2008 ascension on the first of may") << 2008 << "Kristi"
                                                        << "Kristi himmelfartsdag: 1. Maj - Torsdag ";
    QTest::newRow("2008 whit sunday") << 2008 << "Pinsedag"
                                      << "Pinsedag: 11. Maj - Søndag ";
    QTest::newRow("2024 easter monday into april") << 2024 << "Anden"
                                                   << "Anden påskedag: 1. April - Mandag ";
    QTest::newRow("9999 new year of the year after") << 9999 << "Nytår"
                                                     << "Nytårsdag: 01. Januar - Lørdag ";
}

void tst_HolidayList::movableHolidaysAtTheEdgesOfTheEasterSeason()
{
    QFETCH(int, year);
    QFETCH(QString, label);
    QFETCH(QString, line);
    QCOMPARE(lineOf(HolidayList::lines(year), label), line);
}

void tst_HolidayList::everyHolidayFallsOnItsWeekdayInEveryYear()
{
    const QList<std::pair<QString, QString>> weekdays = {
        { QStringLiteral("Skærtorsdag: "), QStringLiteral("Torsdag ") },
        { QStringLiteral("Langfredag: "), QStringLiteral("Fredag ") },
        { QStringLiteral("Påskedag: "), QStringLiteral("Søndag ") },
        { QStringLiteral("Anden påskedag: "), QStringLiteral("Mandag ") },
        { QStringLiteral("Store bededag: "), QStringLiteral("Fredag ") },
        { QStringLiteral("Kristi himmelfartsdag: "), QStringLiteral("Torsdag ") },
        { QStringLiteral("Pinsedag: "), QStringLiteral("Søndag ") },
        { QStringLiteral("2. pinsedag: "), QStringLiteral("Mandag ") },
    };
    for (int year = HolidayList::kFirstYear; year <= HolidayList::kLastYear; ++year) {
        const QStringList lines = HolidayList::lines(year);
        QCOMPARE(lines.size(), 19);
        for (const auto &[label, weekday] : weekdays) {
            const QString line = lineOf(lines, label);
            if (!line.endsWith(QStringLiteral(" - ") + weekday))
                QFAIL(qPrintable(QString::number(year) + QStringLiteral(": ") + line));
        }
    }
}

void tst_HolidayList::noListOutsideTheYearsOfTheCalendar()
{
    for (int year : { -1, 0, 10000, std::numeric_limits<int>::max(), std::numeric_limits<int>::min() }) {
        QVERIFY(!HolidayList::hasList(year));
        QVERIFY(HolidayList::lines(year).isEmpty());
    }
    QCOMPARE(HolidayList::lines(1).first(), QStringLiteral("Følgende dage og datoer er for år 1."));
    QCOMPARE(HolidayList::lines(9999).size(), 19);
}

QTEST_GUILESS_MAIN(tst_HolidayList)
#include "tst_HolidayList.moc"
