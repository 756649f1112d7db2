#include "app/RadioGroup.h"
#include "frame/Tmainform.h"
#include "lists/FileListBox.h"
#include "lists/TReopenFilerX.h"
#include "lists/Tfavoritform.h"
#include "lists/Tfilform.h"
#include "lists/Topenform.h"
#include "options/Toptform.h"
#include "support/ListRows.h"
#include "support/TestApp.h"

#include <QCheckBox>
#include <QDialog>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kStartupFailure = QStringLiteral(
    "Information\nDer gik noget galt med opstarten.\nDer kan eventuelt være slettet vigtige filer.");

// A program whose options ask what to do with opened files; the user answers in the open-action box.
struct Fixture {
    Fixture()
    {
        app.create();
        box = app.context.openform;
        app.context.optform->CheckAskOpenDoc->setChecked(true);
    }
    QStringList files(const QStringList &names)
    {
        QStringList paths;
        for (const QString &name : names)
            paths << app.writeFile(name, "Tekst\n");
        return paths;
    }
    // The user picks an action, ticks or unticks "Start med ny liste" and presses a button.
    void answer(int choice, bool newList, QPushButton *Topenform::*button)
    {
        app.modal().answer([=](QDialog &dialog) {
            auto &openBox = static_cast<Topenform &>(dialog);
            openBox.handlingsBox->setItemIndex(choice);
            openBox.checkNyListe->setChecked(newList);
            (openBox.*button)->click();
            return dialog.result();
        });
    }

    TestApp app;
    Topenform *box = nullptr;
};

} // namespace

class TopenformTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstRunOffersOpeningWithTheTickDisabled();
    void settingsFileIsReadWhenItHasTwoLines_data();
    void settingsFileIsReadWhenItHasTwoLines();
    void theTickIsEnabledForTheTwoListActions();

    void withoutTheQuestionDroppedFilesOpenInDropOrder();
    void favouritesKeepTheirEntriesAndGetTheFiles();
    void favouritesStartingANewListHoldOnlyTheFiles();
    void closedListStartingANewListHoldsOnlyTheFiles();
    void cancellingOpensTheFilesAndStillStoresTheChoice();
};

void TopenformTest::firstRunOffersOpeningWithTheTickDisabled()
{
    Fixture f;
    QCOMPARE(f.box->windowTitle(), QStringLiteral("Åben"));
    QCOMPARE(f.box->size(), QSize(340, 183));
    QCOMPARE(f.box->handlingsBox->itemIndex(), 0);
    QVERIFY(!f.box->checkNyListe->isChecked());
    QVERIFY(!f.box->checkNyListe->isEnabled());
    QCOMPARE(f.box->okButton->text(), QStringLiteral("Gennemfør"));
    QVERIFY(f.box->okButton->isDefault());
    QCOMPARE(f.box->annullerButton->text(), QStringLiteral("Annuller"));
    QCOMPARE(f.app.modal().shown.size(), 0);
}

void TopenformTest::settingsFileIsReadWhenItHasTwoLines_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("choice");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<bool>("reported");

    QTest::newRow("favourites, ticked") << QByteArray("2\r\n1\r\n") << 2 << true << false;
    QTest::newRow("closed list, lf") << QByteArray("1\n0\n") << 1 << false << false;
    QTest::newRow("three lines: the defaults, no message")
        << QByteArray("2\r\n1\r\n1\r\n") << 0 << false << false;
    QTest::newRow("one line: the defaults, no message") << QByteArray("2\r\n") << 0 << false << false;
    QTest::newRow("not a number") << QByteArray("to\r\n1\r\n") << 0 << false << true;
    QTest::newRow("a choice the box does not have") << QByteArray("3\r\n1\r\n") << 0 << false << true;
    QTest::newRow("tick not a number") << QByteArray("1\r\nja\r\n") << 1 << false << true;
}

void TopenformTest::settingsFileIsReadWhenItHasTwoLines()
{
    QFETCH(QByteArray, file);
    QFETCH(int, choice);
    QFETCH(bool, ticked);
    QFETCH(bool, reported);

    TestApp app;
    app.writeSettingsFile(QStringLiteral("OpenUnit.txt"), file);
    app.create();
    const Topenform *box = app.context.openform;
    QCOMPARE(box->handlingsBox->itemIndex(), choice);
    QCOMPARE(box->checkNyListe->isChecked(), ticked);
    QCOMPARE(app.modal().texts(), reported ? QStringList { kStartupFailure } : QStringList());
}

void TopenformTest::theTickIsEnabledForTheTwoListActions()
{
    Fixture f;
    for (int choice : { 1, 2, 0 }) {
        f.box->handlingsBox->setItemIndex(choice);
        QCOMPARE(f.box->checkNyListe->isEnabled(), choice != 0);
    }
}

void TopenformTest::withoutTheQuestionDroppedFilesOpenInDropOrder()
{
    Fixture f;
    f.app.context.optform->CheckAskOpenDoc->setChecked(false);
    f.app.start();
    const QStringList files = f.files({ "a.txt", "b.txt", "c.txt" });
    const int requests = f.app.context.fields.newCount;
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &file : files)
        urls << QUrl::fromLocalFile(file);
    data.setUrls(urls);
    // As the desktop delivers a drop: the frame first takes the drag in, then the drop.
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&f.app.frame(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&f.app.frame(), &drop);
    QTRY_COMPARE(f.app.context.fields.newCount, requests + 3);
    QCOMPARE(f.app.context.fields.docFilnavn, files.last());
    QCOMPARE(f.app.modal().shown.size(), 0);
}

void TopenformTest::favouritesKeepTheirEntriesAndGetTheFiles()
{
    Fixture f;
    Tfavoritform *favourites = f.app.context.favoritform;
    QVERIFY(
        favourites->FavFiler->InsertItem(f.files({ "gammel.txt" }).first(), QStringLiteral("gammel.txt"), 3));
    favourites->ListeForandret = false;
    f.answer(Topenform::kFavoritter, false, &Topenform::okButton);
    f.app.frame().openFiles(f.files({ "b.txt", "a.txt" }));
    QCOMPARE(f.app.modal().shown.first().caption, QStringLiteral("Åben"));
    QVERIFY(favourites->isVisible());
    QCOMPARE(rowsOf(*favourites->favFilerListe), (QStringList { "gammel.txt", "b.txt", "a.txt" }));
    QVERIFY(favourites->ListeForandret);
    QCOMPARE(f.app.readSettingsFile(QStringLiteral("OpenUnit.txt")), QByteArray("2\r\n0\r\n"));
}

void TopenformTest::favouritesStartingANewListHoldOnlyTheFiles()
{
    Fixture f;
    Tfavoritform *favourites = f.app.context.favoritform;
    QVERIFY(
        favourites->FavFiler->InsertItem(f.files({ "gammel.txt" }).first(), QStringLiteral("gammel.txt"), 3));
    f.answer(Topenform::kFavoritter, true, &Topenform::okButton);
    f.app.frame().openFiles(f.files({ "a.txt", "b.txt" }));
    QCOMPARE(rowsOf(*favourites->favFilerListe), (QStringList { "a.txt", "b.txt" }));
    QCOMPARE(f.app.readSettingsFile(QStringLiteral("OpenUnit.txt")), QByteArray("2\r\n1\r\n"));
}

void TopenformTest::closedListStartingANewListHoldsOnlyTheFiles()
{
    Fixture f;
    Tfilform *documentBox = f.app.context.filform;
    documentBox->documentClosed(f.files({ "gammel.txt" }).first(), QStringLiteral("gammel.txt"));
    documentBox->ListeForandret1 = false;
    f.answer(Topenform::kLukkedeDokumenter, true, &Topenform::okButton);
    const int requests = f.app.context.fields.newCount;
    f.app.frame().openFiles(f.files({ "a.txt", "b.txt" }));
    QVERIFY(documentBox->isVisible());
    QCOMPARE(rowsOf(*documentBox->ListBox1), (QStringList { "a.txt", "b.txt" }));
    QCOMPARE(documentBox->FavFiler1->GetFilnavn(0), f.app.root() + QStringLiteral("/filer/a.txt"));
    // The list changed since it was last saved, so saving it is offered.
    QVERIFY(documentBox->ListeForandret1);
    QCOMPARE(f.app.context.fields.newCount, requests);
}

void TopenformTest::cancellingOpensTheFilesAndStillStoresTheChoice()
{
    Fixture f;
    f.answer(Topenform::kLukkedeDokumenter, false, &Topenform::annullerButton);
    const int requests = f.app.context.fields.newCount;
    const QStringList files = f.files({ "a.txt", "b.txt" });
    f.app.frame().openFiles(files);
    QCOMPARE(f.app.context.fields.newCount, requests + 2);
    QCOMPARE(f.app.context.fields.docFilnavn, files.last());
    QCOMPARE(f.app.context.filform->ListBox1->count(), 0);
    QVERIFY(!f.app.context.filform->isVisible());
    QCOMPARE(f.app.readSettingsFile(QStringLiteral("OpenUnit.txt")), QByteArray("1\r\n0\r\n"));
}

QTEST_MAIN(TopenformTest)
#include "tst_Topenform.moc"
