// The year field of the "Dokument" page: "Nu", the four steps, and the edges of the calendar.
#include "app/DatePageControls.h"
#include "dates/YearChooser.h"
#include "support/TestPlatform.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

namespace {

// The controls as the menu book makes them, before the frame is first shown.
struct YearControls {
    YearControls()
    {
        controls.bogTekstLabel = new QLabel(QStringLiteral("Datoer"), &page);
        controls.yearNuButton = new QToolButton(&page);
        controls.yearTilbageButton10 = new QToolButton(&page);
        controls.yearTilbageButton = new QToolButton(&page);
        controls.aarEdit = new QLineEdit(QStringLiteral("0000"), &page);
        controls.yearFremButton = new QToolButton(&page);
        controls.yearFremButton10 = new QToolButton(&page);
    }
    QString field() const { return controls.aarEdit->text(); }
    // Which of the four step buttons can be pressed: back ten, back one, forward one, forward ten.
    QString steps() const
    {
        QString state;
        for (const QToolButton *button : { controls.yearTilbageButton10, controls.yearTilbageButton,
                 controls.yearFremButton, controls.yearFremButton10 })
            state += button->isEnabled() ? u'+' : u'-';
        return state;
    }

    QWidget page;
    DatePageControls controls;
};

} // namespace

class tst_YearChooser : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void nuShowsTheYearOfTheClockAndDisablesItself();
    void stepsMoveTheYearAndEnableNu();
    void stepsStopAtTheEdgesOfTheCalendar_data();
    void stepsStopAtTheEdgesOfTheCalendar();
    void nothingToStepFromBeforeTheFirstNu();
};

void tst_YearChooser::nuShowsTheYearOfTheClockAndDisablesItself()
{
    YearControls page;
    FixedClock clock;
    clock.time = QDateTime(QDate(2024, 2, 5), QTime(12, 0));
    YearChooser years(page.controls, clock, nullptr);
    QCOMPARE(page.field(), QStringLiteral("0000"));
    QCOMPARE(years.year(), 0);

    page.controls.yearNuButton->click();

    QCOMPARE(page.field(), QStringLiteral("2024"));
    QCOMPARE(years.year(), 2024);
    QVERIFY(!page.controls.yearNuButton->isEnabled());
    QCOMPARE(page.steps(), QStringLiteral("++++"));
}

void tst_YearChooser::stepsMoveTheYearAndEnableNu()
{
    YearControls page;
    FixedClock clock;
    clock.time = QDateTime(QDate(2024, 2, 5), QTime(12, 0));
    YearChooser years(page.controls, clock, nullptr);
    years.yearNuButtonClick();

    page.controls.yearFremButton->click();
    QCOMPARE(page.field(), QStringLiteral("2025"));
    QVERIFY(page.controls.yearNuButton->isEnabled());
    page.controls.yearTilbageButton->click();
    QCOMPARE(page.field(), QStringLiteral("2024"));
    // Back at the year "Nu" set, by steps: "Nu" stays pressable.
    QVERIFY(page.controls.yearNuButton->isEnabled());

    page.controls.yearFremButton10->click();
    QCOMPARE(page.field(), QStringLiteral("2034"));
    page.controls.yearTilbageButton10->click();
    page.controls.yearTilbageButton10->click();
    QCOMPARE(page.field(), QStringLiteral("2014"));

    clock.time = QDateTime(QDate(2031, 1, 1), QTime(0, 0));
    page.controls.yearNuButton->click();
    QCOMPARE(page.field(), QStringLiteral("2031"));
    QVERIFY(!page.controls.yearNuButton->isEnabled());
}

void tst_YearChooser::stepsStopAtTheEdgesOfTheCalendar_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("steps");
    QTest::newRow("ten back from 5 stops at 1") << 5 << "back10"
                                                << "1"
                                                << "--++";
    QTest::newRow("one back from 2 reaches 1") << 2 << "back1"
                                               << "1"
                                               << "--++";
    QTest::newRow("ten forward from 9995 stops at 9999") << 9995 << "forward10"
                                                         << "9999"
                                                         << "++--";
    QTest::newRow("one forward from 9998 reaches 9999") << 9998 << "forward1"
                                                        << "9999"
                                                        << "++--";
    QTest::newRow("ten back from 9999 leaves the edge") << 9999 << "back10"
                                                        << "9989"
                                                        << "++++";
    QTest::newRow("ten forward from 1 leaves the edge") << 1 << "forward10"
                                                        << "11"
                                                        << "++++";
}

void tst_YearChooser::stepsStopAtTheEdgesOfTheCalendar()
{
    QFETCH(int, start);
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(QString, steps);
    YearControls page;
    FixedClock clock;
    clock.time = QDateTime(QDate(start, 6, 1), QTime(12, 0));
    YearChooser years(page.controls, clock, nullptr);
    years.yearNuButtonClick();

    const QHash<QString, std::pair<QToolButton *, void (YearChooser::*)()>> buttons = {
        { QStringLiteral("back10"),
            { page.controls.yearTilbageButton10, &YearChooser::yearTilbageButton10Click } },
        { QStringLiteral("back1"),
            { page.controls.yearTilbageButton, &YearChooser::yearTilbageButtonClick } },
        { QStringLiteral("forward1"), { page.controls.yearFremButton, &YearChooser::yearFremButtonClick } },
        { QStringLiteral("forward10"),
            { page.controls.yearFremButton10, &YearChooser::yearFremButton10Click } },
    };
    const auto [pressed, handler] = buttons.value(button);
    pressed->click();

    QCOMPARE(page.field(), field);
    QCOMPARE(page.steps(), steps);
    // The handler run once more at the edge, past its disabled button: the year stays inside.
    (years.*handler)();
    if (steps != QStringLiteral("++++"))
        QCOMPARE(page.field(), field);
}

void tst_YearChooser::nothingToStepFromBeforeTheFirstNu()
{
    YearControls page;
    FixedClock clock;
    YearChooser years(page.controls, clock, nullptr);
    QCOMPARE(page.steps(), QStringLiteral("----"));
    QVERIFY(page.controls.yearNuButton->isEnabled());
    years.yearFremButtonClick();
    years.yearTilbageButton10Click();
    QCOMPARE(page.field(), QStringLiteral("0000"));
}

QTEST_MAIN(tst_YearChooser)
#include "tst_YearChooser.moc"
