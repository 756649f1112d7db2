#include "documents/Tprintform.h"
#include "frame/Tmainform.h"
#include "support/TestApp.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

QStringList texts(const Tprintform &box)
{
    return { box.Edit1->text(), box.Edit2->text(), box.Edit3->text(), box.Edit4->text(), box.Edit5->text() };
}

const QStringList kDefaults = { QStringLiteral("2,5"), QStringLiteral("1"), QStringLiteral("2"),
    QStringLiteral("1,5"), QStringLiteral("1") };

// Types into the field as the user does, at its end.
void typeAtEnd(QLineEdit *field, const QString &text)
{
    field->setFocus();
    field->end(false);
    QTest::keyClicks(field, text);
}

} // namespace

class TprintformTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void showsTheDefaultsAndStandardPutsThemBack();
    void fieldsLetThroughOnlyWhatTheyCanHold_data();
    void fieldsLetThroughOnlyWhatTheyCanHold();
    void cancelledValuesAreKeptForTheNextPrint_data();
    void cancelledValuesAreKeptForTheNextPrint();
    void isAFixedBoxOnTopCentredOverTheFrame();
};

void TprintformTest::showsTheDefaultsAndStandardPutsThemBack()
{
    TestApp app;
    app.start();
    Tprintform &box = *app.context.printform;
    QCOMPARE(box.windowTitle(), QStringLiteral("Udskriv dokument"));
    QCOMPARE(box.GroupBox1->title(), QStringLiteral("Margen i centimeter"));
    QCOMPARE(box.GroupBox2->title(), QStringLiteral("Aktion"));
    QCOMPARE(box.Button3->text(), QStringLiteral("Print    "));
    QCOMPARE(texts(box), kDefaults);
    for (QLineEdit *field : { box.Edit1, box.Edit2, box.Edit3, box.Edit4, box.Edit5 })
        field->setText(QStringLiteral("7"));
    box.Button1->click();
    QCOMPARE(texts(box), kDefaults);
}

void TprintformTest::fieldsLetThroughOnlyWhatTheyCanHold_data()
{
    QTest::addColumn<int>("field"); // 1 to 5
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("left");
    QTest::newRow("a point in a margin") << 1 << QString() << QStringLiteral("2.5") << QStringLiteral("25");
    QTest::newRow("letters in a margin")
        << 4 << QStringLiteral("1,5") << QStringLiteral("cm") << QStringLiteral("1,5");
    QTest::newRow("a comma stays in a margin")
        << 2 << QStringLiteral("1") << QStringLiteral(",75") << QStringLiteral("1,75");
    QTest::newRow("a comma in the copy count")
        << 5 << QStringLiteral("1") << QStringLiteral(",2") << QStringLiteral("12");
    QTest::newRow("a minus in the copy count")
        << 5 << QStringLiteral("1") << QStringLiteral("-") << QStringLiteral("1");
}

void TprintformTest::fieldsLetThroughOnlyWhatTheyCanHold()
{
    QFETCH(int, field);
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(QString, left);
    TestApp app;
    app.start();
    Tprintform &box = *app.context.printform;
    box.show();
    QLineEdit *edit = QList<QLineEdit *> { box.Edit1, box.Edit2, box.Edit3, box.Edit4, box.Edit5 }[field - 1];
    edit->setText(before);
    typeAtEnd(edit, typed);
    QCOMPARE(edit->text(), left);
    QCOMPARE(edit->cursorPosition(), edit->text().size());
    QCOMPARE(Tprintform::Floatkon(QStringLiteral("a1.2,3 ø")), QStringLiteral("12,3"));
    QCOMPARE(Tprintform::IntegerKon(QStringLiteral("a1.2,3 ø")), QStringLiteral("123"));
}

void TprintformTest::cancelledValuesAreKeptForTheNextPrint_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Annuller") << QStringLiteral("Annuller");
    QTest::newRow("Escape") << QStringLiteral("Escape");
    QTest::newRow("close box") << QStringLiteral("close box");
}

void TprintformTest::cancelledValuesAreKeptForTheNextPrint()
{
    QFETCH(QString, how);
    TestApp app;
    app.start();
    Tprintform &box = *app.context.printform;
    app.modal().answer([&box, how](QDialog &) {
        box.Edit1->setText(QStringLiteral("3"));
        box.Edit5->setText(QStringLiteral("4"));
        if (how == u"Annuller")
            box.Button2->click();
        else if (how == u"Escape")
            QTest::keyClick(&box, Qt::Key_Escape);
        else
            box.close();
        return box.result();
    });
    QVERIFY(!box.askForPrint());
    QVERIFY(!box.isVisible());
    QCOMPARE(texts(box),
        QStringList({ QStringLiteral("3"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("1,5"),
            QStringLiteral("4") }));

    app.modal().answer([&box](QDialog &) {
        box.Button3->click();
        return box.result();
    });
    QVERIFY(box.askForPrint());
    QCOMPARE(box.fields().left, QStringLiteral("3"));
    QCOMPARE(box.fields().copies, QStringLiteral("4"));
}

void TprintformTest::isAFixedBoxOnTopCentredOverTheFrame()
{
    TestApp app;
    app.start();
    Tprintform &box = *app.context.printform;
    QRect shownAt;
    QSize smallest;
    QSize largest;
    app.modal().answer([&](QDialog &dialog) {
        shownAt = dialog.frameGeometry();
        smallest = dialog.minimumSize();
        largest = dialog.maximumSize();
        return int(QDialog::Rejected);
    });
    box.askForPrint();
    QVERIFY(box.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!box.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!box.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(smallest, largest);
    const QPoint offCentre = shownAt.center() - app.frame().frameGeometry().center();
    QVERIFY2(offCentre.manhattanLength() <= 4,
        qPrintable(QStringLiteral("%1,%2").arg(offCentre.x()).arg(offCentre.y())));
}

QTEST_MAIN(TprintformTest)
#include "tst_Tprintform.moc"
