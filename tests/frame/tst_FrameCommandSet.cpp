// The frame's commands: what each key does and when each command may be used.
#include "app/AppContext.h"
#include "app/DocumentInfoWidgets.h"
#include "app/SearchPageControls.h"
#include "documents/DocumentArea.h"
#include "documents/PlainEditor.h"
#include "documents/TFunktioner.h"
#include "documents/Twinform1.h"
#include "frame/MenuBook.h"
#include "frame/Tgenvejsform.h"
#include "frame/Tmainform.h"
#include "lists/TReopenFilerX.h"
#include "lists/Tfavoritform.h"
#include "lists/Tfilform.h"
#include "lists/Tmappefilform.h"
#include "search/Tfilmappeform.h"
#include "search/Tfindformen.h"
#include "support/StubDocumentWindow.h"
#include "support/TestApp.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QtTest>

namespace {

bool activate(QWidget &frame)
{
    frame.activateWindow();
    return QTest::qWaitForWindowActive(&frame);
}

bool startActive(TestApp &app)
{
    app.start();
    return activate(app.frame());
}

bool enabled(TestApp &app, const char *command)
{
    app.frame().updateActions();
    return app.frame().command(QString::fromLatin1(command))->isEnabled();
}

QWidget *box(const AppContext &context, const QString &name)
{
    const QHash<QString, QWidget *> boxes = {
        { "mappefilform", context.mappefilform },
        { "favoritform", context.favoritform },
        { "filform", context.filform },
        { "findformen", context.findformen },
        { "filmappeform", context.filmappeform },
        { "genvejsform", context.genvejsform },
    };
    return boxes.value(name);
}

} // namespace

class tst_FrameCommandSet : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void enableRulesFollowOnceTheProgramIsIdle();
    void boxKeyShowsItsBoxOnce_data();
    void boxKeyShowsItsBoxOnce();
    void frameKeysWorkWhileABoxIsActive();
    void shortcutBoxDisablesOnlyItsOwnKey();
    void typeListKeyShowsTheTypeBoxModally();
    void closeAllBoxesWithOnlyFavouritesOpen();
    void closeAllBoxesLeavesTheOtherBoxes();
    void saveStaysDisabledUntilTheDocumentChanges();
    void saveAsAndPrintGoToTheActiveDocument();
    void keysReachAPlainTextDocumentOpenedFromTheDialog();
    void documentCommandsNeedADocument_data();
    void documentCommandsNeedADocument();
    void findNeedsASearchTextAndShowsTheCount();
    void findWaitsForTheWholeDocument();
    void closeAllAsksEachChangedDocumentThenResetsFileInformation();
    void closeAllLastInWindowOrderFirst();
    void closeClosesTheActiveDocument();
    void newDocumentKeysAskTheOpeningService_data();
    void newDocumentKeysAskTheOpeningService();
    void f2RefreshesTheFileInformationOfAChangedDocument();
    void openDialogHandsEveryChosenFileOnInOrder();
    void cancelledOpenDialogOpensNothing();
    void printerSettingsShowThePrinterDialog();
    void tilingArrangesTheDocuments();
    void minimiseAllMinimisesEveryDocument();
    void insertFavouriteAddsTheActiveDocument();
    void commandsCarryCaptionHintAndKeys_data();
    void commandsCarryCaptionHintAndKeys();
};

void tst_FrameCommandSet::enableRulesFollowOnceTheProgramIsIdle()
{
    TestApp app;
    QVERIFY(startActive(app));
    QAction *close = app.frame().command(QStringLiteral("winLuk"));
    QSignalSpy idle(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock);
    QVERIFY(idle.wait());
    QVERIFY(!close->isEnabled());

    StubDocumentWindow::open(app, QStringLiteral("a.txt"));
    QVERIFY(idle.wait());

    QVERIFY(close->isEnabled());
}

void tst_FrameCommandSet::boxKeyShowsItsBoxOnce_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("box");
    QTest::newRow("F3 folders and files") << int(Qt::Key_F3) << "mappefilBox"
                                          << "mappefilform";
    QTest::newRow("F4 favourites") << int(Qt::Key_F4) << "favoritBox"
                                   << "favoritform";
    QTest::newRow("F5 documents") << int(Qt::Key_F5) << "dokumentBox"
                                  << "filform";
    QTest::newRow("F6 find text") << int(Qt::Key_F6) << "aSearchTekst"
                                  << "findformen";
    QTest::newRow("F7 find folders and files") << int(Qt::Key_F7) << "aSearchMappeFiler"
                                               << "filmappeform";
    QTest::newRow("F9 shortcuts") << int(Qt::Key_F9) << "openGenvejsboksen"
                                  << "genvejsform";
}

void tst_FrameCommandSet::boxKeyShowsItsBoxOnce()
{
    QFETCH(int, key);
    QFETCH(QString, command);
    QFETCH(QString, box);
    TestApp app;
    QVERIFY(startActive(app));
    QWidget *shown = ::box(app.context, box);
    QVERIFY(enabled(app, qPrintable(command)));

    QTest::keyClick(&app.frame(), Qt::Key(key));
    QTRY_VERIFY(shown->isVisible());
    QVERIFY(!enabled(app, qPrintable(command)));

    shown->close();
    QVERIFY(enabled(app, qPrintable(command)));
}

// Once a box had the focus, F9 and the other frame keys did nothing.
void tst_FrameCommandSet::frameKeysWorkWhileABoxIsActive()
{
    TestApp app;
    QVERIFY(startActive(app));
    QWidget &favourites = *app.context.favoritform;
    favourites.show();
    QVERIFY(activate(favourites));

    QTest::keyClick(&favourites, Qt::Key_F9);
    QTRY_VERIFY(app.context.genvejsform->isVisible());
    app.context.genvejsform->close();

    QVERIFY(activate(favourites));
    QTest::keyClick(&favourites, Qt::Key_F5);
    QTRY_VERIFY(app.context.filform->isVisible());
}

void tst_FrameCommandSet::shortcutBoxDisablesOnlyItsOwnKey()
{
    TestApp app;
    QVERIFY(startActive(app));
    Tgenvejsform &overview = *app.context.genvejsform;

    QTest::keyClick(&app.frame(), Qt::Key_F9);
    QTRY_VERIFY(overview.isVisible());
    QVERIFY(!enabled(app, "openGenvejsboksen"));
    QVERIFY(enabled(app, "openFiltypeboksen"));

    // F9 once more, back in the frame, does nothing: the box stays one and open.
    QVERIFY(activate(app.frame()));
    QTest::keyClick(&app.frame(), Qt::Key_F9);
    QVERIFY(overview.isVisible());

    overview.close();
    QVERIFY(enabled(app, "openGenvejsboksen"));
}

void tst_FrameCommandSet::typeListKeyShowsTheTypeBoxModally()
{
    TestApp app;
    QVERIFY(startActive(app));

    QTest::keyClick(&app.frame(), Qt::Key_F8);

    QCOMPARE(app.modal().shown.size(), 1);
    QCOMPARE(app.modal().shown.first().caption, QStringLiteral("Filtypeboksen"));
}

void tst_FrameCommandSet::closeAllBoxesWithOnlyFavouritesOpen()
{
    TestApp app;
    QVERIFY(startActive(app));
    QVERIFY(!enabled(app, "closeAllBokse"));
    QTest::keyClick(&app.frame(), Qt::Key_F4);
    QTRY_VERIFY(app.context.favoritform->isVisible());
    QVERIFY(enabled(app, "closeAllBokse"));

    QVERIFY(activate(app.frame()));
    QTest::keyClick(&app.frame(), Qt::Key_5, Qt::ControlModifier);
    QToolButton *closeAll = nullptr;
    for (QToolButton *button :
        app.frame().menuBook()->widget(MenuBook::Bokse)->findChildren<QToolButton *>()) {
        if (button->text() == QLatin1String("Luk alle bokse"))
            closeAll = button;
    }
    QVERIFY(closeAll);
    QTest::mouseClick(closeAll, Qt::LeftButton);

    QVERIFY(!app.context.favoritform->isVisible());
    QVERIFY(!enabled(app, "closeAllBokse"));
}

void tst_FrameCommandSet::closeAllBoxesLeavesTheOtherBoxes()
{
    TestApp app;
    QVERIFY(startActive(app));
    const QStringList closable = { "filform", "mappefilform", "favoritform", "findformen", "filmappeform" };
    for (const QString &name : closable)
        box(app.context, name)->show();
    app.context.genvejsform->show();

    app.frame().command(QStringLiteral("closeAllBokse"))->trigger();

    for (const QString &name : closable)
        QVERIFY2(!box(app.context, name)->isVisible(), qPrintable(name));
    QVERIFY(app.context.genvejsform->isVisible());
    QVERIFY(!enabled(app, "closeAllBokse"));
}

void tst_FrameCommandSet::saveStaysDisabledUntilTheDocumentChanges()
{
    TestApp app;
    QVERIFY(startActive(app));
    StubDocumentWindow *document = StubDocumentWindow::open(app, QStringLiteral("brev.txt"));
    document->editor->setFocus();
    QVERIFY(!enabled(app, "fileGem"));
    QTest::keyClick(&app.frame(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(document->calls.isEmpty());

    document->setModified(true);
    QVERIFY(enabled(app, "fileGem"));
    QTest::keyClick(&app.frame(), Qt::Key_S, Qt::ControlModifier);

    QCOMPARE(document->calls, QStringList({ "Gem", "filInformation" }));
    QVERIFY(!enabled(app, "fileGem"));
}

void tst_FrameCommandSet::keysReachAPlainTextDocumentOpenedFromTheDialog()
{
    TestApp app;
    QVERIFY(startActive(app));
    const QString path = app.writeFile(QStringLiteral("brev.txt"), "Hej\n");
    app.platform.fileDialogs.openAnswers.enqueue({ path });
    QTest::keyClick(&app.frame(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(app.frame().documents()->windowsInOrder().size(), 1);
    auto *document = qobject_cast<Twinform1 *>(app.frame().documents()->windowsInOrder().first());
    QVERIFY(document);
    document->Editor->setFocus();
    QTRY_VERIFY(document->Editor->hasFocus());
    QVERIFY(!enabled(app, "fileGem"));

    QTest::keyClick(document->Editor, Qt::Key_X);
    QVERIFY(enabled(app, "fileGem"));
    QTest::keyClick(&app.frame(), Qt::Key_S, Qt::ControlModifier);

    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("xHej\n"));
    QVERIFY(!enabled(app, "fileGem"));
    QTest::keyClick(&app.frame(), Qt::Key_1, Qt::ControlModifier);
    QCOMPARE(app.frame().menuBog->currentWidget()->objectName(), QStringLiteral("menuSide1"));
    QVERIFY(app.frame().infoWidgets().filnavnEdit->text().contains(QStringLiteral("brev.txt")));
}

void tst_FrameCommandSet::saveAsAndPrintGoToTheActiveDocument()
{
    TestApp app;
    QVERIFY(startActive(app));
    StubDocumentWindow *first = StubDocumentWindow::open(app, QStringLiteral("første.txt"));
    StubDocumentWindow *second = StubDocumentWindow::open(app, QStringLiteral("anden.txt"));
    app.frame().updateActions();

    QTest::keyClick(&app.frame(), Qt::Key_S, Qt::ControlModifier | Qt::AltModifier);
    app.frame().command(QStringLiteral("udskrivDokument"))->trigger();

    QCOMPARE(second->calls, QStringList({ "GemSom", "filInformation", "udskrivDokument" }));
    QVERIFY(first->calls.isEmpty());
}

void tst_FrameCommandSet::documentCommandsNeedADocument_data()
{
    QTest::addColumn<QString>("command");
    for (const char *name : { "fileGemSom", "udskrivDokument", "aRedskabslinje", "WindowCascade",
             "WindowTileHorizontal", "WindowTileVertical", "WindowMinimizeAll", "winLuk", "winLukAlle" })
        QTest::newRow(name) << QString::fromLatin1(name);
}

void tst_FrameCommandSet::documentCommandsNeedADocument()
{
    QFETCH(QString, command);
    TestApp app;
    QVERIFY(startActive(app));
    QVERIFY(!enabled(app, qPrintable(command)));
    StubDocumentWindow::open(app, QStringLiteral("a.txt"));
    QVERIFY(enabled(app, qPrintable(command)));
}

void tst_FrameCommandSet::findNeedsASearchTextAndShowsTheCount()
{
    TestApp app;
    QVERIFY(startActive(app));
    StubDocumentWindow *document = StubDocumentWindow::open(app, QStringLiteral("a.txt"));
    document->matches = 3;
    const SearchPageControls &search = app.frame().menuBook()->searchControls();
    QVERIFY(!enabled(app, "findTekst"));
    QVERIFY(!enabled(app, "erstatTekst"));

    QTest::keyClick(&app.frame(), Qt::Key_3, Qt::ControlModifier);
    QTRY_VERIFY(search.ordEdit->hasFocus());
    QTest::keyClicks(search.ordEdit, QStringLiteral("hus"));
    QVERIFY(enabled(app, "findTekst"));
    QVERIFY(enabled(app, "erstatTekst"));
    QTest::keyClick(&app.frame(), Qt::Key_F, Qt::ControlModifier);

    QCOMPARE(document->calls, QStringList({ "FindOrd" }));
    QCOMPARE(search.antalFundLabel->text(), QStringLiteral("Antal forekomster: 3"));
}

// A document whose file is still coming in would be searched only in part, and its count shown as if whole.
void tst_FrameCommandSet::findWaitsForTheWholeDocument()
{
    TestApp app;
    QVERIFY(startActive(app));
    StubDocumentWindow *document = StubDocumentWindow::open(app, QStringLiteral("stor.txt"));
    document->loading = true;
    app.frame().menuBook()->searchControls().ordEdit->setText(QStringLiteral("hus"));
    QVERIFY(!enabled(app, "findTekst"));
    QVERIFY(!enabled(app, "erstatTekst"));
    document->loading = false;
    QVERIFY(enabled(app, "findTekst"));
    QVERIFY(enabled(app, "erstatTekst"));
}

void tst_FrameCommandSet::closeAllAsksEachChangedDocumentThenResetsFileInformation()
{
    TestApp app;
    QVERIFY(startActive(app));
    StubDocumentWindow::open(app, QStringLiteral("a.txt"))->setModified(true);
    StubDocumentWindow::open(app, QStringLiteral("b.txt"))->setModified(true);
    app.frame().udskrivFilInfo();
    QCOMPARE(app.frame().infoWidgets().filnavnEdit->text(), QStringLiteral("b.txt"));
    QVERIFY(enabled(app, "winLukAlle"));

    QTest::keyClick(&app.frame(), Qt::Key_L, Qt::ControlModifier | Qt::AltModifier);

    QCOMPARE(app.modal().texts(), QStringList({ "Gem ændringer i a.txt?", "Gem ændringer i b.txt?" }));
    QCOMPARE(app.frame().infoWidgets().filnavnEdit->text(), QStringLiteral("Der er ingen åbne dokumenter."));
    QTRY_VERIFY(app.frame().documents()->windowsInOrder().isEmpty());
    QVERIFY(!enabled(app, "winLukAlle"));
}

void tst_FrameCommandSet::closeAllLastInWindowOrderFirst()
{
    TestApp app;
    QVERIFY(startActive(app));
    for (const char *name : { "a.txt", "b.txt", "c.txt" })
        StubDocumentWindow::open(app, QString::fromLatin1(name))->setModified(true);
    // Window order now: c, b, a; "b" activated again puts it first: b, c, a.
    DocumentArea *documents = app.frame().documents();
    documents->activate(documents->windowsInOrder().at(1));

    app.frame().command(QStringLiteral("winLukAlle"))->trigger();

    QCOMPARE(app.modal().texts(),
        QStringList({ "Gem ændringer i a.txt?", "Gem ændringer i c.txt?", "Gem ændringer i b.txt?" }));
}

void tst_FrameCommandSet::closeClosesTheActiveDocument()
{
    TestApp app;
    QVERIFY(startActive(app));
    StubDocumentWindow::open(app, QStringLiteral("a.txt"));
    QPointer<StubDocumentWindow> active = StubDocumentWindow::open(app, QStringLiteral("b.txt"));
    app.frame().updateActions();

    QTest::keyClick(&app.frame(), Qt::Key_L, Qt::ControlModifier);

    QTRY_VERIFY(!active);
    QCOMPARE(app.frame().documents()->windowsInOrder().size(), 1);
    QCOMPARE(app.frame().documents()->windowsInOrder().first()->capNavn(), QStringLiteral("a.txt"));
}

void tst_FrameCommandSet::newDocumentKeysAskTheOpeningService_data()
{
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("extension");
    QTest::newRow("Ctrl+N text") << QKeySequence(Qt::CTRL | Qt::Key_N) << ".txt";
    QTest::newRow("Ctrl+Alt+N rich text") << QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_N) << ".rtf";
}

void tst_FrameCommandSet::newDocumentKeysAskTheOpeningService()
{
    QFETCH(QKeySequence, key);
    QFETCH(QString, extension);
    TestApp app;
    QVERIFY(startActive(app));
    const int requestsBefore = app.context.fields.newCount;

    QTest::keySequence(&app.frame(), key);

    // What the opening service hands to the new document window.
    QCOMPARE(app.context.fields.newCount, requestsBefore + 1);
    QVERIFY(app.context.fields.docFilnavn.isEmpty());
    QCOMPARE(app.context.fields.docExt, extension);
}

void tst_FrameCommandSet::f2RefreshesTheFileInformationOfAChangedDocument()
{
    TestApp app;
    QVERIFY(startActive(app));
    StubDocumentWindow *document = StubDocumentWindow::open(app, QStringLiteral("brev.txt"));
    QVERIFY(!enabled(app, "opdaterFilinfo"));

    document->setModified(true);
    QVERIFY(enabled(app, "opdaterFilinfo"));
    QTest::keyClick(&app.frame(), Qt::Key_F2);

    QCOMPARE(document->calls, QStringList({ "filInformation" }));
    QCOMPARE(app.frame().infoWidgets().filnavnEdit->text(), QStringLiteral("brev.txt"));
}

void tst_FrameCommandSet::openDialogHandsEveryChosenFileOnInOrder()
{
    TestApp app;
    QVERIFY(startActive(app));
    // Types the system opens, so what reached the opening service shows in the shell's record.
    const QString first = app.writeFile(QStringLiteral("første.pdf"), "%PDF");
    const QString second = app.writeFile(QStringLiteral("anden.pdf"), "%PDF");
    app.platform.fileDialogs.openAnswers.enqueue({ first, second });

    QTest::keyClick(&app.frame(), Qt::Key_O, Qt::ControlModifier);

    QCOMPARE(app.shell().calls.size(), 2);
    QCOMPARE(app.shell().calls[0].target, first);
    QCOMPARE(app.shell().calls[1].target, second);
}

void tst_FrameCommandSet::cancelledOpenDialogOpensNothing()
{
    TestApp app;
    QVERIFY(startActive(app));
    const int requestsBefore = app.context.fields.newCount;

    QTest::keyClick(&app.frame(), Qt::Key_O, Qt::ControlModifier);

    QCOMPARE(app.context.fields.newCount, requestsBefore);
    QVERIFY(app.shell().calls.isEmpty());
}

void tst_FrameCommandSet::printerSettingsShowThePrinterDialog()
{
    TestApp app;
    QVERIFY(startActive(app));
    app.platform.fileDialogs.printerAnswers.enqueue(true);
    QVERIFY(enabled(app, "printerEgenskaber"));

    app.frame().command(QStringLiteral("printerEgenskaber"))->trigger();

    QVERIFY(app.platform.fileDialogs.printerAnswers.isEmpty());
}

void tst_FrameCommandSet::tilingArrangesTheDocuments()
{
    TestApp app;
    QVERIFY(startActive(app));
    StubDocumentWindow *first = StubDocumentWindow::open(app, QStringLiteral("a.txt"));
    StubDocumentWindow *second = StubDocumentWindow::open(app, QStringLiteral("b.txt"));
    const QRect space = app.frame().documents()->viewport()->rect();
    app.frame().updateActions();
    QWidget *active = second->parentWidget();
    QWidget *other = first->parentWidget();

    app.frame().command(QStringLiteral("WindowTileHorizontal"))->trigger();
    QCOMPARE(active->geometry(), QRect(0, 0, space.width(), space.height() / 2));
    QCOMPARE(other->geometry().top(), space.height() / 2);
    QCOMPARE(other->geometry().bottom(), space.bottom());

    app.frame().command(QStringLiteral("WindowTileVertical"))->trigger();
    QCOMPARE(active->geometry(), QRect(0, 0, space.width() / 2, space.height()));
    QCOMPARE(other->geometry().left(), space.width() / 2);
    QCOMPARE(other->geometry().right(), space.right());
}

void tst_FrameCommandSet::minimiseAllMinimisesEveryDocument()
{
    TestApp app;
    QVERIFY(startActive(app));
    StubDocumentWindow *first = StubDocumentWindow::open(app, QStringLiteral("a.txt"));
    StubDocumentWindow *second = StubDocumentWindow::open(app, QStringLiteral("b.txt"));
    app.frame().updateActions();

    app.frame().command(QStringLiteral("WindowMinimizeAll"))->trigger();

    QVERIFY(first->parentWidget()->isMinimized());
    QVERIFY(second->parentWidget()->isMinimized());
}

void tst_FrameCommandSet::commandsCarryCaptionHintAndKeys_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("keys");
    QTest::newRow("information") << "openMenu5"
                                 << "Information"
                                 << "Åben eller luk informationsmenuen"
                                 << "Ctrl+7, F1";
    QTest::newRow("boxes page") << "openMenu7"
                                << "Bokse"
                                << "Programmets forskellige bokse"
                                << "Ctrl+5";
    QTest::newRow("save as") << "fileGemSom"
                             << "Gem som..."
                             << "Gem dokumentet med et nyt navn"
                             << "Ctrl+Alt+S";
    QTest::newRow("close all") << "winLukAlle"
                               << "Luk alle"
                               << "Luk alle dokumenter"
                               << "Ctrl+Alt+L";
    QTest::newRow("google") << "googleUrl"
                            << "Google"
                            << "Skriv tekst og søg på nettet med Google"
                            << "Ctrl+Shift+G";
    QTest::newRow("date") << "aDato2"
                          << "Dato: 00-00-0000"
                          << "Udskriv dato med format dd-mm-åååå"
                          << "";
}

void tst_FrameCommandSet::commandsCarryCaptionHintAndKeys()
{
    QFETCH(QString, command);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QFETCH(QString, keys);
    TestApp app;
    app.create();
    QAction *action = app.frame().command(command);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->statusTip(), hint);
    QStringList actual;
    for (const QKeySequence &key : action->shortcuts())
        actual << key.toString(QKeySequence::PortableText);
    QCOMPARE(actual.join(QStringLiteral(", ")), keys);
}

void tst_FrameCommandSet::insertFavouriteAddsTheActiveDocument()
{
    TestApp app;
    QVERIFY(startActive(app));
    QVERIFY(!enabled(app, "insertFavoritliste"));
    const QString path = app.writeFile(QStringLiteral("favorit.txt"), "x");
    app.frame().funk()->openwin(path, QString());
    QVERIFY(enabled(app, "insertFavoritliste"));
    app.frame().command(QStringLiteral("insertFavoritliste"))->trigger();
    QVERIFY(app.context.favoritform->isVisible());
    QCOMPARE(app.context.favoritform->FavFiler->entries().size(), 1);
    QCOMPARE(app.context.favoritform->FavFiler->entries().first().Filnavn, path);
}

QTEST_MAIN(tst_FrameCommandSet)
#include "tst_FrameCommandSet.moc"
