// The Danish date and clock texts, for moments fixed by the test.
#include "dates/DateTexts.h"

#include <QtTest>

class tst_DateTexts : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void longDateNamesEveryDayOfTheWeek_data();
    void longDateNamesEveryDayOfTheWeek();
    void shortDatesPadDayAndMonth_data();
    void shortDatesPadDayAndMonth();
    void clockTexts_data();
    void clockTexts();
    void namesOutsideTheirTablesAreEmpty();
};

void tst_DateTexts::longDateNamesEveryDayOfTheWeek_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    QTest::newRow("monday with a padded day") << QDate(2024, 2, 5) << "Mandag 05. Februar 2024";
    QTest::newRow("tuesday") << QDate(2024, 12, 24) << "Tirsdag 24. December 2024";
    QTest::newRow("wednesday new year") << QDate(2025, 1, 1) << "Onsdag 01. Januar 2025";
    QTest::newRow("thursday") << QDate(2024, 5, 9) << "Torsdag 09. Maj 2024";
    QTest::newRow("friday the tenth is not padded") << QDate(2025, 1, 10) << "Fredag 10. Januar 2025";
    QTest::newRow("saturday") << QDate(2024, 6, 29) << "Lørdag 29. Juni 2024";
    QTest::newRow("sunday") << QDate(2024, 4, 7) << "Søndag 07. April 2024";
    QTest::newRow("a year of one digit stays as it is") << QDate(7, 3, 1) << "Torsdag 01. Marts 7";
    QTest::newRow("the last year") << QDate(9999, 12, 31) << "Fredag 31. December 9999";
}

void tst_DateTexts::longDateNamesEveryDayOfTheWeek()
{
    QFETCH(QDate, date);
    QFETCH(QString, text);
    QCOMPARE(DateTexts::getDato(date), text);
}

void tst_DateTexts::shortDatesPadDayAndMonth_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("dayFirst");
    QTest::addColumn<QString>("yearFirst");
    QTest::newRow("single digits") << QDate(2024, 2, 5) << "05-02-2024"
                                   << "2024-02-05";
    QTest::newRow("two digits") << QDate(2023, 11, 30) << "30-11-2023"
                                << "2023-11-30";
    QTest::newRow("tenth of october") << QDate(2024, 10, 10) << "10-10-2024"
                                      << "2024-10-10";
}

void tst_DateTexts::shortDatesPadDayAndMonth()
{
    QFETCH(QDate, date);
    QFETCH(QString, dayFirst);
    QFETCH(QString, yearFirst);
    QCOMPARE(DateTexts::getDato2(date), dayFirst);
    QCOMPARE(DateTexts::getDato3(date), yearFirst);
}

void tst_DateTexts::clockTexts_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("text");
    QTest::newRow("midnight") << QTime(0, 0, 0) << "00:00:00";
    QTest::newRow("one second before midnight") << QTime(23, 59, 59) << "23:59:59";
    QTest::newRow("morning") << QTime(9, 5, 3) << "09:05:03";
    QTest::newRow("afternoon on the 24-hour clock") << QTime(14, 30, 10) << "14:30:10";
}

void tst_DateTexts::clockTexts()
{
    QFETCH(QTime, time);
    QFETCH(QString, text);
    QCOMPARE(DateTexts::getKlokken(time), text);
}

void tst_DateTexts::namesOutsideTheirTablesAreEmpty()
{
    QCOMPARE(DateTexts::makeDag(1), QStringLiteral("Mandag "));
    QCOMPARE(DateTexts::makeDag(7), QStringLiteral("Søndag "));
    QCOMPARE(DateTexts::makeMaaned(1), QStringLiteral(" Januar"));
    QCOMPARE(DateTexts::makeMaaned(12), QStringLiteral(" December"));
    for (unsigned outside : { 0u, 8u, 4294967295u })
        QVERIFY(DateTexts::makeDag(outside).isEmpty());
    for (unsigned outside : { 0u, 13u, 4294967295u })
        QVERIFY(DateTexts::makeMaaned(outside).isEmpty());
}

QTEST_GUILESS_MAIN(tst_DateTexts)
#include "tst_DateTexts.moc"
