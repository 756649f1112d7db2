// The "Datoer" commands of the frame on real documents: date texts at the caret, the year field and
// the holiday list of the chosen year.
#include "app/DatePageControls.h"
#include "dates/HolidayList.h"
#include "documents/DocumentArea.h"
#include "documents/PlainEditor.h"
#include "documents/TFunktioner.h"
#include "documents/Twinform1.h"
#include "frame/Tmainform.h"
#include "support/ActionClick.h"
#include "support/TestApp.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QToolButton>
#include <QtTest>

namespace {

const char *const kDateCommands[] = { "aDato", "aKlokken", "aDato2", "aDato3", "aDatoUdskriv" };

Twinform1 *activeWindow(TestApp &app)
{
    return qobject_cast<Twinform1 *>(app.frame().documents()->activeDocument());
}

bool click(TestApp &app, const char *command)
{
    return clickWhenEnabled(
        app.frame().command(QString::fromLatin1(command)), [&app] { app.frame().updateActions(); });
}

bool enabled(TestApp &app, const char *command)
{
    app.frame().updateActions();
    return app.frame().command(QString::fromLatin1(command))->isEnabled();
}

QByteArray bigText()
{
    QByteArray text;
    for (int line = 0; text.size() < 4 * 1024 * 1024; ++line)
        text += "Linje " + QByteArray::number(line) + ": rødgrød med fløde\n";
    return text;
}

} // namespace

class tst_DateCommands : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void commandWritesItsTextAtTheCaretAndMarksTheDocumentChanged_data();
    void commandWritesItsTextAtTheCaretAndMarksTheDocumentChanged();
    void yearFieldShowsTheCurrentYearFromTheFirstShow();
    void holidayListOfTheChosenYearGoesIntoTheDocument();
    void dateCommandsNeedADocumentThatTakesText();
    void closingAnotherDocumentKeepsTheActiveOneTheTarget();
    void dateCommandsWaitWhileAFileStreamsIn();
    void yearControlsAreNamedForScreenReaders();
};

void tst_DateCommands::commandWritesItsTextAtTheCaretAndMarksTheDocumentChanged_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("text");
    QTest::newRow("Dato") << "aDato"
                          << "Mandag 05. Februar 2024";
    QTest::newRow("Klokken") << "aKlokken"
                             << "09:05:03";
    QTest::newRow("Dato: 00-00-0000") << "aDato2"
                                      << "05-02-2024";
    QTest::newRow("Dato: 0000-00-00") << "aDato3"
                                      << "2024-02-05";
}

void tst_DateCommands::commandWritesItsTextAtTheCaretAndMarksTheDocumentChanged()
{
    QFETCH(QString, command);
    QFETCH(QString, text);
    TestApp app;
    app.platform.clock.time = QDateTime(QDate(2024, 2, 5), QTime(9, 5, 3));
    const QString path = app.writeFile(QStringLiteral("brev.txt"), "Aarhus, \nKære Ole\n");
    app.start({ path });
    Twinform1 *window = activeWindow(app);
    QVERIFY(window);
    window->Editor->setSelection(8, 0);
    QVERIFY(!enabled(app, "fileGem"));

    QVERIFY(click(app, qPrintable(command)));

    QCOMPARE(
        window->Editor->toPlainText(), QStringLiteral("Aarhus, ") + text + QStringLiteral("\nKære Ole\n"));
    QCOMPARE(window->Editor->selStart(), 8 + int(text.size()));
    QVERIFY(window->Editor->isModified());
    QVERIFY(app.context.fields.docModified);
    QVERIFY(enabled(app, "fileGem"));
}

void tst_DateCommands::yearFieldShowsTheCurrentYearFromTheFirstShow()
{
    TestApp app;
    app.platform.clock.time = QDateTime(QDate(2031, 7, 1), QTime(8, 0));
    app.create();
    const DatePageControls &dates = app.frame().dateControls();
    QCOMPARE(dates.aarEdit->text(), QStringLiteral("0000"));
    QVERIFY(!enabled(app, "aDatoUdskriv"));

    app.start();

    QCOMPARE(dates.aarEdit->text(), QStringLiteral("2031"));
    QVERIFY(!dates.yearNuButton->isEnabled());
    QCOMPARE(dates.bogTekstLabel->text(), QStringLiteral("Datoer"));
}

void tst_DateCommands::holidayListOfTheChosenYearGoesIntoTheDocument()
{
    TestApp app;
    app.platform.clock.time = QDateTime(QDate(2024, 2, 5), QTime(9, 5, 3));
    const QString path = app.writeFile(QStringLiteral("kalender.txt"), "Helligdage\nSLET\n");
    app.start({ path });
    Twinform1 *window = activeWindow(app);
    const DatePageControls &dates = app.frame().dateControls();
    dates.yearFremButton->click();
    dates.yearFremButton10->click();
    QCOMPARE(dates.aarEdit->text(), QStringLiteral("2035"));
    window->Editor->setSelection(11, 5);

    QVERIFY(click(app, "aDatoUdskriv"));

    const QString list = HolidayList::lines(2035).join(u'\n') + u'\n';
    QCOMPARE(window->Editor->toPlainText(), QStringLiteral("Helligdage\n") + list);
    QVERIFY(list.startsWith(QStringLiteral("Følgende dage og datoer er for år 2035.\n")));
    QCOMPARE(dates.bogTekstLabel->text(), QStringLiteral("Datoer: 2035"));
    QVERIFY(window->Editor->isModified());

    // The heading keeps the year of the last list until the next one is written.
    dates.yearNuButton->click();
    QCOMPARE(dates.bogTekstLabel->text(), QStringLiteral("Datoer: 2035"));
}

void tst_DateCommands::dateCommandsNeedADocumentThatTakesText()
{
    TestApp app;
    app.start();
    for (const char *command : kDateCommands)
        QVERIFY2(!enabled(app, command), command);

    app.frame().funk()->openwin(QString(), QStringLiteral(".txt"));
    for (const char *command : kDateCommands)
        QVERIFY2(enabled(app, command), command);

    QVERIFY(activeWindow(app)->parentWidget()->close());
    QTRY_VERIFY(app.frame().documents()->windowsInOrder().isEmpty());
    for (const char *command : kDateCommands)
        QVERIFY2(!enabled(app, command), command);
}

void tst_DateCommands::closingAnotherDocumentKeepsTheActiveOneTheTarget()
{
    TestApp app;
    app.start();
    app.frame().funk()->openwin(QString(), QStringLiteral(".txt"));
    Twinform1 *first = activeWindow(app);
    app.frame().funk()->openwin(QString(), QStringLiteral(".txt"));
    Twinform1 *second = activeWindow(app);
    QVERIFY(first != second);

    // As "Luk alle" does, from the last in the window order: the first window closes while the second
    // stays the active one, and stays the one the dates go to.
    QVERIFY(first->parentWidget()->close());
    QTRY_COMPARE(app.frame().documents()->windowsInOrder().size(), 1);
    QCOMPARE(activeWindow(app), second);

    QVERIFY(click(app, "aDato3"));
    QCOMPARE(second->Editor->toPlainText(), QStringLiteral("2026-12-09"));
}

void tst_DateCommands::dateCommandsWaitWhileAFileStreamsIn()
{
    TestApp app;
    const QString path = app.writeFile(QStringLiteral("stor.txt"), bigText());
    app.start({ path });
    Twinform1 *window = activeWindow(app);
    QVERIFY(window->isLoading());
    QVERIFY(!enabled(app, "aDato"));
    QVERIFY(!enabled(app, "aDatoUdskriv"));

    QTRY_VERIFY_WITH_TIMEOUT(!window->isLoading(), 60000);
    QVERIFY(enabled(app, "aDato"));
    window->Editor->setSelection(0, 0);
    QVERIFY(click(app, "aDato2"));
    QVERIFY(window->Editor->toPlainText().startsWith(QStringLiteral("09-12-2026Linje 0")));
    QVERIFY(window->Editor->isModified());
}

void tst_DateCommands::yearControlsAreNamedForScreenReaders()
{
    TestApp app;
    app.create();
    const DatePageControls &dates = app.frame().dateControls();
    QCOMPARE(dates.yearTilbageButton10->accessibleName(), QStringLiteral("Gå ti år tilbage"));
    QCOMPARE(dates.yearTilbageButton->accessibleName(), QStringLiteral("Gå et år tilbage"));
    QCOMPARE(dates.yearFremButton->accessibleName(), QStringLiteral("Gå et år frem"));
    QCOMPARE(dates.yearFremButton10->accessibleName(), QStringLiteral("Gå ti år frem"));
    QCOMPARE(dates.aarEdit->accessibleName(), QStringLiteral("År"));
}

QTEST_MAIN(tst_DateCommands)
#include "tst_DateCommands.moc"
