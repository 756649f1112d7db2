#include "documents/DocumentArea.h"
#include "documents/TFunktioner.h"
#include "documents/TextTypeList.h"
#include "documents/Ttypeform.h"
#include "frame/Tmainform.h"
#include "support/TestApp.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

// Opens the box as the command does, lets the user act on it, and returns how it closed.
int useBox(TestApp &app, std::function<int(Ttypeform &)> act)
{
    Ttypeform &box = *app.context.typeform;
    app.modal().answer([&box, act](QDialog &) { return act(box); });
    return app.context.platform.modal.exec(box);
}

int pressSave(Ttypeform &box)
{
    box.saveknap->click();
    return box.result();
}

} // namespace

class TtypeformTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void typedTypesBecomeMasks_data();
    void typedTypesBecomeMasks();
    void firstRunShowsAnEmptyListAndStandardWritesTwelve();
    void addedTypeIsSavedAndOpensWithoutQuestion();
    void untickedTypeIsAskedAbout();
    void movingTheSecondRowUpLeavesNothingSelected();
    void deletingAsksAndCancelDropsEveryEdit();
    void heightIsRemembered();
};

void TtypeformTest::typedTypesBecomeMasks_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("mask");
    for (const char *typed : { "txt", ".txt", "*.txt", "old.txt" })
        QTest::newRow(typed) << QString::fromLatin1(typed) << QStringLiteral("*.txt");
    QTest::newRow("txt.") << QStringLiteral("txt.") << QStringLiteral("*.");
    QTest::newRow("*.*") << QStringLiteral("*.*") << QStringLiteral("*.*");
}

void TtypeformTest::typedTypesBecomeMasks()
{
    QFETCH(QString, typed);
    QFETCH(QString, mask);
    QCOMPARE(TextTypeList::normaliseMask(typed), mask);
}

void TtypeformTest::firstRunShowsAnEmptyListAndStandardWritesTwelve()
{
    TestApp app;
    app.start();
    QVERIFY(app.context.fields.extListe.isEmpty());
    useBox(app, [&app](Ttypeform &box) {
        [&] { QCOMPARE(box.typeliste->topLevelItemCount(), 0); }();
        app.modal().answer(1); // Ja to the standard list
        box.standardKnap->click();
        return int(QDialog::Rejected);
    });
    QCOMPARE(app.modal().texts(),
        QStringList { QStringLiteral("Der vil muligvist blive fjernet typer, der er indført "
                                     "senere!\nSkal standardlisten hentes alligevel?") });
    const QByteArray file = app.readSettingsFile(QStringLiteral("ExtListe.txt"));
    QCOMPARE(file.count("\r\n"), 36);
    QVERIFY(file.startsWith("Tekstfil\r\n*.txt\r\n1\r\nRich Text\r\n*.rtf\r\n1\r\n"));
    QCOMPARE(app.context.typeform->rows(), TextTypeList::standard());
}

void TtypeformTest::addedTypeIsSavedAndOpensWithoutQuestion()
{
    TestApp app;
    app.writeSettingsFile(QStringLiteral("ExtListe.txt"), "Tekstfil\r\n*.txt\r\n1\r\n");
    app.start();
    const int result = useBox(app, [](Ttypeform &box) {
        box.tekstedit->setText(QStringLiteral("Logfil"));
        box.typeedit->setText(QStringLiteral("log"));
        box.insertknap->click();
        [&] {
            QVERIFY(box.tekstedit->text().isEmpty());
            QVERIFY(box.saveknap->isEnabled());
        }();
        return pressSave(box);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(app.readSettingsFile(QStringLiteral("ExtListe.txt")),
        QByteArray("Tekstfil\r\n*.txt\r\n1\r\nLogfil\r\n*.log\r\n1\r\n"));
    app.frame().funk()->openwin(app.writeFile(QStringLiteral("system.log"), "log"), QString());
    QCOMPARE(app.frame().documents()->windowsInOrder().size(), 1);
    QCOMPARE(app.modal().texts(), QStringList());
}

void TtypeformTest::untickedTypeIsAskedAbout()
{
    TestApp app;
    app.writeSettingsFile(QStringLiteral("ExtListe.txt"),
        TextTypeList::toLines(TextTypeList::standard()).join(u"\r\n").toUtf8() + "\r\n");
    app.start();
    useBox(app, [](Ttypeform &box) {
        box.typeliste->topLevelItem(10)->setCheckState(0, Qt::Unchecked); // Batch
        return pressSave(box);
    });
    QVERIFY(app.readSettingsFile(QStringLiteral("ExtListe.txt")).contains("Batch\r\n*.bat\r\n0\r\n"));
    app.modal().answer(2);
    app.frame().funk()->openwin(app.writeFile(QStringLiteral("kør.bat"), "echo"), QString());
    QCOMPARE(app.modal().texts().size(), 1);
    QVERIFY(app.modal().texts().first().startsWith(QStringLiteral("Filtype: .bat\n")));
    QCOMPARE(app.frame().documents()->windowsInOrder().size(), 0);
}

void TtypeformTest::movingTheSecondRowUpLeavesNothingSelected()
{
    TestApp app;
    app.writeSettingsFile(
        QStringLiteral("ExtListe.txt"), "A\r\n*.a\r\n1\r\nB\r\n*.b\r\n0\r\nC\r\n*.c\r\n1\r\n");
    app.start();
    useBox(app, [](Ttypeform &box) {
        box.typeliste->setCurrentItem(box.typeliste->topLevelItem(1));
        box.Aop->trigger();
        [&] {
            QCOMPARE(box.rows().first(),
                (TextTypeList::Entry { QStringLiteral("B"), QStringLiteral("*.b"), false }));
            QVERIFY(box.typeliste->selectedItems().isEmpty());
            QVERIFY(!box.Aop->isEnabled());
        }();
        box.typeliste->setCurrentItem(box.typeliste->topLevelItem(1));
        box.Aned->trigger();
        [&] {
            QCOMPARE(box.rows()[2].name, QStringLiteral("A"));
            QCOMPARE(box.typeliste->currentItem(), box.typeliste->topLevelItem(2));
            QVERIFY(!box.Aned->isEnabled());
        }();
        return pressSave(box);
    });
    QCOMPARE(app.readSettingsFile(QStringLiteral("ExtListe.txt")),
        QByteArray("B\r\n*.b\r\n0\r\nC\r\n*.c\r\n1\r\nA\r\n*.a\r\n1\r\n"));
}

void TtypeformTest::deletingAsksAndCancelDropsEveryEdit()
{
    TestApp app;
    const QByteArray stored = "A\r\n*.a\r\n1\r\nB\r\n*.b\r\n1\r\n";
    app.writeSettingsFile(QStringLiteral("ExtListe.txt"), stored);
    app.start();
    useBox(app, [&app](Ttypeform &box) {
        box.typeliste->setCurrentItem(box.typeliste->topLevelItem(1));
        app.modal().answer(1); // delete B
        box.aDelete->trigger();
        [&] {
            QCOMPARE(app.modal().texts().last(),
                QStringLiteral("Skal filtypen:\nB\nslettes?\nHusk at gemme, hvis ændringer skal bevares."));
            QCOMPARE(box.typeliste->topLevelItemCount(), 1);
        }();
        box.lukKnap->click();
        return box.result();
    });
    QCOMPARE(app.readSettingsFile(QStringLiteral("ExtListe.txt")), stored);
    useBox(app, [](Ttypeform &box) {
        [&] {
            QCOMPARE(box.typeliste->topLevelItemCount(), 2);
            QVERIFY(!box.saveknap->isEnabled());
        }();
        return int(QDialog::Rejected);
    });
}

void TtypeformTest::heightIsRemembered()
{
    TestApp app;
    app.start();
    QCOMPARE(app.context.typeform->width(), 274);
    useBox(app, [](Ttypeform &box) {
        box.resize(274, 600);
        return int(QDialog::Rejected);
    });
    QVERIFY(app.close());
    QVERIFY(app.readSettingsFile(QStringLiteral("Main.txt")).endsWith("\r\n600\r\n"));
}

QTEST_MAIN(TtypeformTest)
#include "tst_Ttypeform.moc"
