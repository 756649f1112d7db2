#include "documents/DocumentArea.h"
#include "documents/DocumentWindow.h"
#include "frame/Tmainform.h"
#include "lists/FileListBox.h"
#include "lists/TReopenFilerX.h"
#include "lists/Tfilform.h"
#include "support/ActionClick.h"
#include "support/ListRows.h"
#include "support/TestApp.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {

// The document box of a freshly created program, with documents to open in its data root.
struct Fixture {
    Fixture()
    {
        app.create();
        box = app.context.filform;
    }
    QString file(const QString &name) { return app.writeFile(name, "Tekst\n"); }
    // Opens the document in a window of its own, as the open dialog does.
    DocumentWindow *open(const QString &name)
    {
        app.frame().openFiles({ file(name) });
        return app.frame().documents()->activeDocument();
    }
    static void close(DocumentWindow *window) { QVERIFY(window->parentWidget()->close()); }
    bool run(QAction *action)
    {
        return clickWhenEnabled(action, [this] { box->updateActions(); });
    }
    void closeDocuments(const QStringList &names)
    {
        for (const QString &name : names)
            box->documentClosed(file(name), name);
    }

    TestApp app;
    Tfilform *box = nullptr;
};

} // namespace

class TfilformTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstStartOpensAtTheDefaultPlaceWithEmptyLists();
    void settingsFileIsReadLineByLine_data();
    void settingsFileIsReadLineByLine();
    void closingWritesSizeAndPosition();
    void sizeAndPositionFromTheFileAreBroughtWithinTheScreen();

    void listsFollowTheDocumentWindows();
    void savingUnderANewNameAddsTheNewName();
    void closingADocumentAlreadyInTheClosedListAsksFirst();
    void closingTheProgramAsksNothingAboutTheLists();
    void reopeningTheLastOfThreeClosedSelectsTheFirstRow();
    void doubleClickReopensAClosedDocument();
    void enterReopensTheSelectedClosedDocument();
    void bringingAnOpenDocumentForwardSelectsTheNextRow();
    void selectingARowShowsItsPath();

    void restoringIsOnlyPossibleWithBothListsEmpty();
    void enableRulesFollowWhenTheProgramIsIdle();
    void savedClosedListComesBackWithoutVanishedFiles();
    void restoringAnUnreadableListTellsWhyAndKeepsTheFlag();
    void sortingTellsWhetherTheListChanged();
    void clearingAnsweredNoStillOffersSaving();
    void deletingTheLastRowSelectsTheOneBefore();
    void pruningRemovesVanishedFiles();

    void showingAFolderRemembersItForVanishedFiles();
    void showingAFolderWithNoneRememberedTellsTheUser();
    void openingADocumentStartsInTheFolderLastShown();
};

void TfilformTest::firstStartOpensAtTheDefaultPlaceWithEmptyLists()
{
    Fixture f;
    QCOMPARE(f.box->windowTitle(), QStringLiteral("Åbne og lukkede dokumenter"));
    QCOMPARE(f.box->size(), QSize(580, 480));
    QCOMPARE(f.box->pos(), QPoint(40, 40));
    QCOMPARE(f.box->ListBox1->count(), 0);
    QCOMPARE(f.box->ListBox2->count(), 0);
    QCOMPARE(f.box->fillisteNavn->text(), QStringLiteral("Lukkede dokumenter"));
    QCOMPARE(f.box->Label2->text(), QStringLiteral("Åbne dokumenter"));
    QCOMPARE(f.app.modal().shown.size(), 0);
    QCOMPARE(f.app.context.documentLists, static_cast<DocumentListEvents *>(f.box));
}

void TfilformTest::settingsFileIsReadLineByLine_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<bool>("reported");

    QTest::newRow("four lines") << QByteArray("700\r\n500\r\n100\r\n120\r\n") << QRect(100, 120, 700, 500)
                                << false;
    QTest::newRow("lines after the fourth are ignored")
        << QByteArray("700\r\n500\r\n100\r\n120\r\nmere\r\n") << QRect(100, 120, 700, 500) << false;
    QTest::newRow("three lines: the top keeps its value")
        << QByteArray("700\r\n500\r\n100\r\n") << QRect(100, 40, 700, 500) << true;
    QTest::newRow("second line not a number")
        << QByteArray("700\r\nhøj\r\n100\r\n120\r\n") << QRect(40, 40, 700, 480) << true;
    QTest::newRow("empty file") << QByteArray() << QRect(40, 40, 580, 480) << true;
    QTest::newRow("utf-8 with mark and lf") << QByteArray("\xEF\xBB\xBF"
                                                          "600\n400\n10\n20\n")
                                            << QRect(10, 20, 600, 400) << false;
}

void TfilformTest::settingsFileIsReadLineByLine()
{
    QFETCH(QByteArray, file);
    QFETCH(QRect, geometry);
    QFETCH(bool, reported);

    TestApp app;
    app.writeSettingsFile(QStringLiteral("filUnit.txt"), file);
    app.create();
    const Tfilform *box = app.context.filform;
    QCOMPARE(QRect(box->pos(), box->size()), geometry);
    const QStringList expected = reported
        ? QStringList { "Information\nDer gik noget galt med opstarten.\nDer kan eventuelt være slettet "
                        "vigtige filer." }
        : QStringList();
    QCOMPARE(app.modal().texts(), expected);
}

void TfilformTest::closingWritesSizeAndPosition()
{
    Fixture f;
    f.box->resize(640, 420);
    f.box->move(70, 80);
    f.box->show();
    QVERIFY(f.box->close());
    QVERIFY(!f.box->isVisible());
    QCOMPARE(f.app.readSettingsFile(QStringLiteral("filUnit.txt")), QByteArray("640\r\n420\r\n70\r\n80\r\n"));
}

// A width of 2147483647 in the file made a box 32767 pixels wide with its title bar and buttons out of
// reach, and was written back, so every later start repeated it.
void TfilformTest::sizeAndPositionFromTheFileAreBroughtWithinTheScreen()
{
    TestApp app;
    app.writeSettingsFile(QStringLiteral("filUnit.txt"), "2147483647\r\n2147483647\r\n-90000\r\n90000\r\n");
    app.create();
    Tfilform *box = app.context.filform;
    box->show();
    const QRect screen = box->screen()->availableGeometry();
    QVERIFY(box->width() <= screen.width());
    QVERIFY(box->height() <= screen.height());
    QVERIFY(screen.intersects(box->frameGeometry()));
    QVERIFY(box->close());
    const QList<QByteArray> written = app.readSettingsFile(QStringLiteral("filUnit.txt")).split('\n');
    QVERIFY(written.at(0).trimmed().toInt() <= screen.width());
    QVERIFY(written.at(1).trimmed().toInt() <= screen.height());
}

void TfilformTest::listsFollowTheDocumentWindows()
{
    Fixture f;
    f.app.start();
    QList<DocumentWindow *> windows;
    for (const char *name : { "a.txt", "b.txt", "c.txt" })
        windows << f.open(QString::fromUtf8(name));
    QCOMPARE(rowsOf(*f.box->ListBox2), (QStringList { "a.txt", "b.txt", "c.txt" }));
    QVERIFY(!f.box->ListeForandret2);

    f.close(windows[0]);
    f.close(windows[2]);
    QCOMPARE(rowsOf(*f.box->ListBox1), (QStringList { "a.txt", "c.txt" }));
    QCOMPARE(rowsOf(*f.box->ListBox2), QStringList { "b.txt" });
    QCOMPARE(f.box->FavFiler1->GetFilnavn(0), f.file("a.txt"));
    QVERIFY(f.box->ListeForandret1);
    QVERIFY(f.box->ListeForandret2);
    QCOMPARE(f.app.modal().shown.size(), 0);
}

void TfilformTest::savingUnderANewNameAddsTheNewName()
{
    Fixture f;
    f.app.start();
    DocumentWindow *window = f.open(QStringLiteral("udkast.txt"));
    f.app.platform.fileDialogs.saveAnswers.enqueue(f.app.root() + QStringLiteral("/filer/endelig.txt"));
    window->GemSom();
    QCOMPARE(rowsOf(*f.box->ListBox2), (QStringList { "udkast.txt", "endelig.txt" }));
    QVERIFY(f.box->ListeForandret2);
}

void TfilformTest::closingADocumentAlreadyInTheClosedListAsksFirst()
{
    Fixture f;
    f.closeDocuments({ "brev.txt" });
    f.app.start();
    DocumentWindow *window = f.open(QStringLiteral("brev.txt"));
    f.app.modal().answer(QDialog::Rejected);
    f.close(window);
    QCOMPARE(f.app.modal().texts(),
        QStringList { "Listen over lukkede dokumenter:\nbrev findes allerede i listen.\nSkal den indføres "
                      "alligevel?" });
    QCOMPARE(rowsOf(*f.box->ListBox1), QStringList { "brev.txt" });
    QCOMPARE(f.box->ListBox2->count(), 0);
}

// The lists are not kept past the program's end: a question about them there would change nothing.
void TfilformTest::closingTheProgramAsksNothingAboutTheLists()
{
    Fixture f;
    f.closeDocuments({ "brev.txt" });
    f.app.start();
    f.open(QStringLiteral("brev.txt"));
    QVERIFY(f.app.close());
    QCOMPARE(f.app.modal().texts(), QStringList());
}

void TfilformTest::reopeningTheLastOfThreeClosedSelectsTheFirstRow()
{
    Fixture f;
    f.app.start();
    f.closeDocuments({ "a.txt", "b.txt", "c.txt" });
    const int requests = f.app.context.fields.newCount;
    f.box->ListBox1->setCurrentRow(2);
    QVERIFY(f.run(f.box->FLopenEdit));
    QCOMPARE(rowsOf(*f.box->ListBox1), (QStringList { "a.txt", "b.txt" }));
    QCOMPARE(f.box->ListBox1->selectedRow(), 0);
    // The document went to the opening service and opened in a window of its own.
    QCOMPARE(f.app.context.fields.docFilnavn, f.file("c.txt"));
    QCOMPARE(f.app.context.fields.newCount, requests + 1);
    QCOMPARE(f.app.frame().documents()->activeDocument()->Filnavn(), f.file("c.txt"));
    QCOMPARE(rowsOf(*f.box->ListBox2), QStringList { "c.txt" });
}

void TfilformTest::doubleClickReopensAClosedDocument()
{
    Fixture f;
    f.closeDocuments({ "a.txt", "b.txt" });
    f.box->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.box));
    const QPoint row = f.box->ListBox1->visualItemRect(f.box->ListBox1->item(1)).center();
    QTest::mouseClick(f.box->ListBox1->viewport(), Qt::LeftButton, {}, row);
    QTest::mouseDClick(f.box->ListBox1->viewport(), Qt::LeftButton, {}, row);
    QCOMPARE(rowsOf(*f.box->ListBox1), QStringList { "a.txt" });
    QCOMPARE(f.app.context.fields.docFilnavn, f.file("b.txt"));
}

void TfilformTest::enterReopensTheSelectedClosedDocument()
{
    Fixture f;
    f.closeDocuments({ "a.txt", "b.txt" });
    f.box->ListBox1->setCurrentRow(0);
    QTest::keyClick(f.box->ListBox1, Qt::Key_Return);
    QCOMPARE(rowsOf(*f.box->ListBox1), QStringList { "b.txt" });
    QCOMPARE(f.app.context.fields.docFilnavn, f.file("a.txt"));
    // Without a selection Enter does nothing.
    f.box->FavFiler1->selectIndex(-1);
    QTest::keyClick(f.box->ListBox1, Qt::Key_Space);
    QCOMPARE(rowsOf(*f.box->ListBox1), QStringList { "b.txt" });
}

void TfilformTest::bringingAnOpenDocumentForwardSelectsTheNextRow()
{
    Fixture f;
    f.app.start();
    DocumentWindow *first = f.open(QStringLiteral("a.txt"));
    DocumentWindow *second = f.open(QStringLiteral("b.txt"));
    f.app.frame().documents()->activate(second);
    QCOMPARE(f.app.frame().documents()->activeDocument(), second);
    f.box->ListBox2->setCurrentRow(0);
    QVERIFY(f.run(f.box->FLopenEdit2));
    QCOMPARE(f.app.frame().documents()->activeDocument(), first);
    QCOMPARE(f.box->ListBox2->selectedRow(), 1);
    f.box->ListBox2->setCurrentRow(1);
    QVERIFY(f.run(f.box->FLopenEdit2));
    QCOMPARE(f.app.frame().documents()->activeDocument(), second);
    QCOMPARE(f.box->ListBox2->selectedRow(), 0);
}

void TfilformTest::selectingARowShowsItsPath()
{
    Fixture f;
    f.closeDocuments({ "a.txt" });
    f.box->ListBox1->setCurrentRow(0);
    QCOMPARE(f.box->infoBar->text(), f.file("a.txt"));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(f.box->ListBox1, &leave);
    QCOMPARE(f.box->infoBar->text(), QString());
}

void TfilformTest::restoringIsOnlyPossibleWithBothListsEmpty()
{
    Fixture f;
    f.box->updateActions();
    QVERIFY(f.box->aHentFilliste->isEnabled());
    f.app.start();
    f.open(QStringLiteral("a.txt"));
    f.box->updateActions();
    QVERIFY(!f.box->aHentFilliste->isEnabled());
}

void TfilformTest::enableRulesFollowWhenTheProgramIsIdle()
{
    Fixture f;
    f.box->updateActions();
    QVERIFY(!f.box->FLsletAlle->isEnabled());
    f.closeDocuments({ "a.txt" });
    // The event loop between two of the user's actions: it goes idle, and the rules run.
    QEventLoop loop;
    connect(f.box->FLsletAlle, &QAction::changed, &loop, &QEventLoop::quit);
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    QVERIFY(f.box->FLsletAlle->isEnabled());
    QVERIFY(!f.box->aHentFilliste->isEnabled());
}

void TfilformTest::savedClosedListComesBackWithoutVanishedFiles()
{
    Fixture f;
    f.closeDocuments({ "a.txt", "b.txt" });
    QVERIFY(f.run(f.box->aGemFilliste));
    QVERIFY(!f.box->ListeForandret1);
    const QByteArray saved
        = "a.txt\r\n" + f.file("a.txt").toUtf8() + "\r\nb.txt\r\n" + f.file("b.txt").toUtf8() + "\r\n";
    QCOMPARE(f.app.readSettingsFile(QStringLiteral("FavFiler1.txt")), saved);
    f.box->updateActions();
    QVERIFY(!f.box->aGemFilliste->isEnabled());

    f.box->FavFiler1->DeleteAlleItems();
    f.box->ListeForandret1 = true;
    QVERIFY(QFile::remove(f.file("a.txt")));
    QVERIFY(f.run(f.box->aHentFilliste));
    QCOMPARE(rowsOf(*f.box->ListBox1), QStringList { "b.txt" });
    QVERIFY(!f.box->ListeForandret1);
    QCOMPARE(f.app.readSettingsFile(QStringLiteral("FavFiler1.txt")),
        "b.txt\r\n" + f.file("b.txt").toUtf8() + "\r\n");
}

void TfilformTest::restoringAnUnreadableListTellsWhyAndKeepsTheFlag()
{
    Fixture f;
    QVERIFY(QDir().mkpath(f.app.settingsPath(QStringLiteral("FavFiler1.txt"))));
    f.box->ListeForandret1 = true;
    QVERIFY(f.run(f.box->aHentFilliste));
    QCOMPARE(f.app.modal().texts().size(), 1);
    QVERIFY(f.app.modal().texts().first().startsWith(QStringLiteral("Filen:\n")));
    QVERIFY(f.app.modal().texts().first().contains(QStringLiteral("kunne ikke læses.")));
    QVERIFY(f.box->ListeForandret1);
}

void TfilformTest::sortingTellsWhetherTheListChanged()
{
    Fixture f;
    f.closeDocuments({ "a.txt", "b.txt" });
    f.box->ListeForandret1 = false;
    QVERIFY(f.run(f.box->Fabc));
    QCOMPARE(f.box->infoBar->text(), QStringLiteral("Listen blev ikke ændret"));
    QVERIFY(!f.box->ListeForandret1);

    f.closeDocuments({ "Æble.txt", "Anker.txt" });
    QVERIFY(f.run(f.box->Fabc));
    QCOMPARE(f.box->infoBar->text(), QStringLiteral("Listen blev sorteret alfabetisk"));
    QCOMPARE(rowsOf(*f.box->ListBox1), (QStringList { "a.txt", "Anker.txt", "b.txt", "Æble.txt" }));
    QVERIFY(f.box->ListeForandret1);
    QCOMPARE(f.app.modal().shown.size(), 0);
}

void TfilformTest::clearingAnsweredNoStillOffersSaving()
{
    Fixture f;
    f.closeDocuments({ "a.txt" });
    f.box->ListeForandret1 = false;
    f.app.modal().answer(QDialog::Rejected);
    QVERIFY(f.run(f.box->FLsletAlle));
    QCOMPARE(f.app.modal().texts(), QStringList { "Skal alle indførte elementer i listen fjernes?" });
    QCOMPARE(f.box->ListBox1->count(), 1);
    f.box->updateActions();
    QVERIFY(f.box->aGemFilliste->isEnabled());
}

void TfilformTest::deletingTheLastRowSelectsTheOneBefore()
{
    Fixture f;
    f.closeDocuments({ "a.txt", "b.txt", "c.txt" });
    f.box->ListeForandret1 = false;
    f.box->ListBox1->setCurrentRow(2);
    QVERIFY(f.run(f.box->FLsletValgte));
    QCOMPARE(rowsOf(*f.box->ListBox1), (QStringList { "a.txt", "b.txt" }));
    QCOMPARE(f.box->ListBox1->selectedRow(), 1);
    QVERIFY(f.box->ListeForandret1);
    f.box->ListBox1->setCurrentRow(0);
    QVERIFY(f.run(f.box->FLsletValgte));
    QCOMPARE(f.box->ListBox1->selectedRow(), 0);
    QCOMPARE(rowsOf(*f.box->ListBox1), QStringList { "b.txt" });
}

void TfilformTest::pruningRemovesVanishedFiles()
{
    Fixture f;
    f.closeDocuments({ "a.txt", "b.txt", "c.txt" });
    f.box->ListeForandret1 = false;
    QVERIFY(QFile::remove(f.file("a.txt")));
    QVERIFY(QFile::remove(f.file("c.txt")));
    f.box->FavFiler1->selectIndex(1);
    QVERIFY(f.run(f.box->opdaterBox1));
    QCOMPARE(rowsOf(*f.box->ListBox1), QStringList { "b.txt" });
    QVERIFY(!f.box->ListeForandret1);
    QCOMPARE(f.app.modal().shown.size(), 0);
}

void TfilformTest::showingAFolderRemembersItForVanishedFiles()
{
    Fixture f;
    f.closeDocuments({ "a.txt" });
    const QString other = f.app.writeFile(QStringLiteral("andet/b.txt"), "x");
    f.box->documentClosed(other, QStringLiteral("b.txt"));
    f.box->FavFiler1->selectIndex(0);
    QVERIFY(f.run(f.box->FLVisMappe));
    QCOMPARE(f.box->openMappeName, f.app.root() + QStringLiteral("/filer"));

    QVERIFY(QFile::remove(other));
    f.box->FavFiler1->selectIndex(1);
    QVERIFY(f.run(f.box->FLVisMappe));
    QCOMPARE(f.app.shell().calls.size(), 2);
    QCOMPARE(f.app.shell().calls[1].operation, QStringLiteral("showFolder"));
    QCOMPARE(f.app.shell().calls[1].target, f.app.root() + QStringLiteral("/filer"));
    QCOMPARE(f.app.modal().shown.size(), 0);
}

void TfilformTest::showingAFolderWithNoneRememberedTellsTheUser()
{
    Fixture f;
    f.app.start();
    f.open(QStringLiteral("a.txt"));
    QVERIFY(QFile::remove(f.file("a.txt")));
    f.box->FavFiler2->selectIndex(0);
    QVERIFY(f.run(f.box->FLVisMappe2));
    QCOMPARE(f.app.modal().texts(), QStringList { "Information:\nMappen blev ikke fundet." });
    QCOMPARE(f.app.shell().calls.size(), 0);
}

void TfilformTest::openingADocumentStartsInTheFolderLastShown()
{
    Fixture f;
    QSignalSpy fileOpen(f.app.frame().command(QStringLiteral("fileOpen")), &QAction::triggered);
    QVERIFY(f.run(f.box->openDokument));
    QCOMPARE(fileOpen.count(), 1);
    QCOMPARE(f.app.context.fields.openDialogFolder, QString());

    f.closeDocuments({ "a.txt" });
    f.box->FavFiler1->selectIndex(0);
    QVERIFY(f.run(f.box->FLVisMappe));
    QVERIFY(f.run(f.box->openDokument));
    QCOMPARE(fileOpen.count(), 2);
    QCOMPARE(f.app.context.fields.openDialogFolder, f.app.root() + QStringLiteral("/filer"));
}

QTEST_MAIN(TfilformTest)
#include "tst_Tfilform.moc"
