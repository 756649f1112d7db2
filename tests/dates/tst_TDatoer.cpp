// The date service writing into either kind of editor: at the caret, over a selection, never into an
// editor that has gone or cannot be edited.
#include "dates/HolidayList.h"
#include "dates/TDatoer.h"
#include "documents/PlainEditor.h"
#include "documents/RichEditor.h"
#include "support/TestPlatform.h"

#include <QLineEdit>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

namespace {

// One editor of the kind the test names beside a line edit to take the focus, in a shown window.
struct Page {
    explicit Page(bool rich)
    {
        auto *layout = new QVBoxLayout(&window);
        editor = rich ? static_cast<EditorControl *>(new RichEditor(&window))
                      : static_cast<EditorControl *>(new PlainEditor(&window));
        elsewhere = new QLineEdit(&window);
        layout->addWidget(editor->widget());
        layout->addWidget(elsewhere);
        window.show();
        window.activateWindow();
    }
    void setText(const QString &text)
    {
        QTextCursor cursor(editor->document());
        cursor.insertText(text);
        editor->setModified(false);
    }

    QWidget window;
    EditorControl *editor;
    QLineEdit *elsewhere;
};

} // namespace

class tst_TDatoer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void textsComeFromTheClockOfTheMoment();
    void dateGoesToTheCaretOfEitherKindOfEditor_data();
    void dateGoesToTheCaretOfEitherKindOfEditor();
    void dateReplacesTheSelection_data();
    void dateReplacesTheSelection();
    void nothingIsWrittenWithoutATarget();
    void aClosingWindowReleasesOnlyItsOwnEditor();
    void aDestroyedEditorStopsBeingTheTarget();
    void nothingIsWrittenWhileTheEditorCannotBeEdited();
    void holidayListReplacesTheSelectionAndLeavesTheFocus_data();
    void holidayListReplacesTheSelectionAndLeavesTheFocus();
    void holidayListOfAYearOutsideTheCalendarWritesNothing();
};

void tst_TDatoer::textsComeFromTheClockOfTheMoment()
{
    FixedClock clock;
    clock.time = QDateTime(QDate(2024, 2, 5), QTime(9, 5, 3));
    TDatoer datoer(clock, nullptr);
    QCOMPARE(datoer.getDato(), QStringLiteral("Mandag 05. Februar 2024"));
    QCOMPARE(datoer.getDato2(), QStringLiteral("05-02-2024"));
    QCOMPARE(datoer.getDato3(), QStringLiteral("2024-02-05"));
    QCOMPARE(datoer.getKlokken(), QStringLiteral("09:05:03"));
    clock.time = QDateTime(QDate(2024, 4, 7), QTime(23, 59, 59));
    QCOMPARE(datoer.getDato(), QStringLiteral("Søndag 07. April 2024"));
    QCOMPARE(datoer.getKlokken(), QStringLiteral("23:59:59"));
}

void tst_TDatoer::dateGoesToTheCaretOfEitherKindOfEditor_data()
{
    QTest::addColumn<bool>("rich");
    QTest::newRow("plain text") << false;
    QTest::newRow("rich text") << true;
}

void tst_TDatoer::dateGoesToTheCaretOfEitherKindOfEditor()
{
    QFETCH(bool, rich);
    Page page(rich);
    QVERIFY(QTest::qWaitForWindowActive(&page.window));
    page.setText(QStringLiteral("København, \nHej"));
    page.elsewhere->setFocus();
    page.editor->setSelection(11, 0);
    FixedClock clock;
    clock.time = QDateTime(QDate(2024, 2, 5), QTime(9, 5, 3));
    TDatoer datoer(clock, nullptr);
    datoer.SetEditor(page.editor);

    datoer.UdskrivTekst(datoer.getDato());

    QCOMPARE(page.editor->text(), QStringLiteral("København, Mandag 05. Februar 2024\nHej"));
    QCOMPARE(page.editor->selStart(), 34);
    QCOMPARE(page.editor->selLength(), 0);
    QVERIFY(page.editor->isModified());
    QVERIFY(page.editor->widget()->hasFocus());
}

void tst_TDatoer::dateReplacesTheSelection_data()
{
    dateGoesToTheCaretOfEitherKindOfEditor_data();
}

void tst_TDatoer::dateReplacesTheSelection()
{
    QFETCH(bool, rich);
    Page page(rich);
    page.setText(QStringLiteral("Mødet er DATO kl. TID."));
    FixedClock clock;
    clock.time = QDateTime(QDate(2025, 1, 1), QTime(0, 0, 0));
    TDatoer datoer(clock, nullptr);
    datoer.SetEditor(page.editor);

    page.editor->setSelection(9, 4);
    datoer.UdskrivTekst(datoer.getDato3());
    page.editor->setSelection(24, 3);
    datoer.UdskrivTekst(datoer.getKlokken());

    QCOMPARE(page.editor->text(), QStringLiteral("Mødet er 2025-01-01 kl. 00:00:00."));
    QCOMPARE(page.editor->selStart(), 32);
}

void tst_TDatoer::nothingIsWrittenWithoutATarget()
{
    Page page(false);
    page.setText(QStringLiteral("tekst"));
    FixedClock clock;
    TDatoer datoer(clock, nullptr);
    QVERIFY(!datoer.canWrite());
    datoer.UdskrivTekst(QStringLiteral("x"));
    QVERIFY(datoer.udskrivHelligdage(2024));
    QCOMPARE(datoer.datoerListe(), HolidayList::lines(2024));
    QCOMPARE(page.editor->text(), QStringLiteral("tekst"));
    QVERIFY(!page.editor->isModified());
}

void tst_TDatoer::aClosingWindowReleasesOnlyItsOwnEditor()
{
    Page first(false);
    Page second(true);
    FixedClock clock;
    TDatoer datoer(clock, nullptr);
    datoer.SetEditor(first.editor);
    datoer.SetEditor(second.editor);

    datoer.releaseEditor(first.editor);
    QCOMPARE(datoer.Editor(), second.editor);
    datoer.UdskrivTekst(QStringLiteral("her"));
    QCOMPARE(second.editor->text(), QStringLiteral("her"));
    QVERIFY(first.editor->text().isEmpty());

    datoer.releaseEditor(second.editor);
    QCOMPARE(datoer.Editor(), nullptr);
    datoer.UdskrivTekst(QStringLiteral("igen"));
    QCOMPARE(second.editor->text(), QStringLiteral("her"));
}

void tst_TDatoer::aDestroyedEditorStopsBeingTheTarget()
{
    FixedClock clock;
    TDatoer datoer(clock, nullptr);
    auto page = std::make_unique<Page>(false);
    datoer.SetEditor(page->editor);
    page.reset();
    QCOMPARE(datoer.Editor(), nullptr);
    QVERIFY(!datoer.canWrite());
    datoer.UdskrivTekst(QStringLiteral("ingen steder"));
}

void tst_TDatoer::nothingIsWrittenWhileTheEditorCannotBeEdited()
{
    Page page(false);
    page.setText(QStringLiteral("indlæses"));
    auto *plain = static_cast<PlainEditor *>(page.editor);
    plain->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    FixedClock clock;
    TDatoer datoer(clock, nullptr);
    datoer.SetEditor(page.editor);

    QVERIFY(!datoer.canWrite());
    datoer.UdskrivTekst(datoer.getDato());
    datoer.udskrivHelligdage(2024);
    QCOMPARE(page.editor->text(), QStringLiteral("indlæses"));
    QVERIFY(!page.editor->isModified());

    plain->setTextInteractionFlags(Qt::TextEditorInteraction);
    QVERIFY(datoer.canWrite());
}

void tst_TDatoer::holidayListReplacesTheSelectionAndLeavesTheFocus_data()
{
    dateGoesToTheCaretOfEitherKindOfEditor_data();
}

void tst_TDatoer::holidayListReplacesTheSelectionAndLeavesTheFocus()
{
    QFETCH(bool, rich);
    Page page(rich);
    QVERIFY(QTest::qWaitForWindowActive(&page.window));
    page.setText(QStringLiteral("Før\nSKIFT UD\nEfter"));
    page.editor->setSelection(4, 8);
    page.elsewhere->setFocus();
    FixedClock clock;
    TDatoer datoer(clock, nullptr);
    datoer.SetEditor(page.editor);

    QVERIFY(datoer.udskrivHelligdage(2024));

    const QString list = HolidayList::lines(2024).join(u'\n') + u'\n';
    QCOMPARE(page.editor->text(), QStringLiteral("Før\n") + list + QStringLiteral("\nEfter"));
    QCOMPARE(page.editor->selStart(), 4 + int(list.size()));
    QVERIFY(page.editor->isModified());
    QVERIFY(page.elsewhere->hasFocus());
    QCOMPARE(datoer.datoerListe(), HolidayList::lines(2024));

    // One step back takes the whole list away.
    page.editor->undo();
    QCOMPARE(page.editor->text(), QStringLiteral("Før\nSKIFT UD\nEfter"));
}

void tst_TDatoer::holidayListOfAYearOutsideTheCalendarWritesNothing()
{
    Page page(false);
    page.setText(QStringLiteral("tekst"));
    FixedClock clock;
    TDatoer datoer(clock, nullptr);
    datoer.SetEditor(page.editor);
    QVERIFY(datoer.udskrivHelligdage(2024));
    page.editor->setSelection(0, 0);
    const QString before = page.editor->text();

    for (int year : { 0, -5, 10000 })
        QVERIFY(!datoer.udskrivHelligdage(year));
    QCOMPARE(page.editor->text(), before);
    QCOMPARE(datoer.datoerListe(), HolidayList::lines(2024));
}

QTEST_MAIN(tst_TDatoer)
#include "tst_TDatoer.moc"
