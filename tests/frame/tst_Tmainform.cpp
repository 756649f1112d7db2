#include "app/RadioGroup.h"
#include "documents/DocumentArea.h"
#include "documents/DocumentWindow.h"
#include "documents/TFunktioner.h"
#include "frame/Tmainform.h"
#include "lists/Tfavoritform.h"
#include "lists/Tfilform.h"
#include "lists/Tmappefilform.h"
#include "options/Toptform.h"
#include "support/OptionsFile.h"
#include "support/TestApp.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QSystemTrayIcon>
#include <QtTest>

using namespace OptionsFile;

class TmainformTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstRunCreatesTheUserBranchAndDefaults();
    void mainTxtIsReadAndWrittenAsFiveLines_data();
    void mainTxtIsReadAndWrittenAsFiveLines();
    void titleBarAndBordersStayOnTheScreenToo();
    void settingsFolderThatCannotBeMadeIsReported();
    void commandLineNamesOnlyExistingFiles();
    void commandLineNameWithDoubleQuotesOpensThatFile_data();
    void commandLineNameWithDoubleQuotesOpensThatFile();
    void droppedFilesOpenInDropOrder();
    void startupBoxes_data();
    void startupBoxes();
    void trayDefersTheStartupBoxesToTheFirstRestore();
    void withoutANotificationAreaTheFrameStaysInTheTaskbar();
    void minimisedStartNeverOpensStartupBoxesNorReportsSizes();
    void windowsMenuBarOnlyWhenChosen();
    void closeWritesOptionsAndDeletesDocumentListWithoutDocuments();
    void documentListFollowsTheDocumentsWhileTheProgramRuns();
    void documentListIsLeftAloneWhileTheOptionIsOff();
    void hintsGoToTheStatusLineInTheFirstMode();
    void standardSizeFollowsTheMarginOption();
};

void TmainformTest::firstRunCreatesTheUserBranchAndDefaults()
{
    TestApp app;
    app.start();
    QVERIFY(QFileInfo(app.settingsFolder()).isDir());
    QCOMPARE(app.frame().windowTitle(), QStringLiteral("Velkommen testbruger"));
    QCOMPARE(app.frame().size(), QSize(800, 600));
    QCOMPARE(app.frame().pos(), QPoint(640, 240));
    QCOMPARE(app.context.fields.OptMappe, app.settingsFolder());
    QCOMPARE(app.context.fields.programmappe, app.root() + QStringLiteral("/Program/"));
    QCOMPARE(app.context.fields.infoDir, app.root() + QStringLiteral("/Program/Information"));
    QVERIFY(app.close());
    QCOMPARE(
        app.readSettingsFile(QStringLiteral("Main.txt")), QByteArray("800\r\n600\r\n640\r\n240\r\n0\r\n"));
    QVERIFY(app.modal().shown.isEmpty());
}

void TmainformTest::mainTxtIsReadAndWrittenAsFiveLines_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("five lines") << QByteArray("900\r\n700\r\n10\r\n20\r\n530\r\n") << QSize(900, 700)
                                << QPoint(10, 20) << QByteArray("900\r\n700\r\n10\r\n20\r\n530\r\n");
    QTest::newRow("four lines: defaults")
        << QByteArray("900\r\n700\r\n10\r\n20\r\n") << QSize(800, 600) << QPoint(640, 240)
        << QByteArray("800\r\n600\r\n640\r\n240\r\n0\r\n");
    QTest::newRow("six lines: defaults")
        << QByteArray("900\r\n700\r\n10\r\n20\r\n5\r\n6\r\n") << QSize(800, 600) << QPoint(640, 240)
        << QByteArray("800\r\n600\r\n640\r\n240\r\n0\r\n");
    QTest::newRow("third line not a number")
        << QByteArray("900\r\n700\r\nvenstre\r\n20\r\n530\r\n") << QSize(900, 700) << QPoint(640, 240)
        << QByteArray("900\r\n700\r\n640\r\n240\r\n0\r\n");
    QTest::newRow("utf-8 mark, lf") << QByteArray("\xEF\xBB\xBF"
                                                  "900\n700\n10\n20\n0\n")
                                    << QSize(900, 700) << QPoint(10, 20)
                                    << QByteArray("\xEF\xBB\xBF"
                                                  "900\r\n700\r\n10\r\n20\r\n0\r\n");
    QTest::newRow("empty") << QByteArray() << QSize(800, 600) << QPoint(640, 240)
                           << QByteArray("800\r\n600\r\n640\r\n240\r\n0\r\n");
    QTest::newRow("binary") << QByteArray("\x00\xFF\xFE\x01\x80\r\n\x81", 8) << QSize(800, 600)
                            << QPoint(640, 240) << QByteArray("800\r\n600\r\n640\r\n240\r\n0\r\n");
    // Hanging off the screen, the frame hid its tabs and status line.
    QTest::newRow("partly off the screen")
        << QByteArray("800\r\n600\r\n1500\r\n900\r\n0\r\n") << QSize(800, 600) << QPoint(1120, 480)
        << QByteArray("800\r\n600\r\n1120\r\n480\r\n0\r\n");
    QTest::newRow("off every screen")
        << QByteArray("800\r\n600\r\n-5000\r\n-4000\r\n0\r\n") << QSize(800, 600) << QPoint(0, 0)
        << QByteArray("800\r\n600\r\n0\r\n0\r\n0\r\n");
}

void TmainformTest::mainTxtIsReadAndWrittenAsFiveLines()
{
    QFETCH(QByteArray, stored);
    QFETCH(QSize, size);
    QFETCH(QPoint, position);
    QFETCH(QByteArray, written);

    TestApp app;
    app.writeSettingsFile(QStringLiteral("Main.txt"), stored);
    app.start();
    QCOMPARE(app.frame().size(), size);
    if (QByteArray(QTest::currentDataTag()) == "off every screen") {
        // Somewhere on the screen there is, with its top left corner inside it.
        const QRect screen = app.frame().screen()->availableGeometry();
        QVERIFY(screen.contains(app.frame().pos()));
        written = QByteArray::number(size.width()) + "\r\n" + QByteArray::number(size.height()) + "\r\n"
            + QByteArray::number(app.frame().x()) + "\r\n" + QByteArray::number(app.frame().y())
            + "\r\n0\r\n";
    } else {
        QCOMPARE(app.frame().pos(), position);
    }
    QVERIFY(app.close());
    QCOMPARE(app.readSettingsFile(QStringLiteral("Main.txt")), written);
    QVERIFY(app.modal().shown.isEmpty());
}

// The window manager's title bar and borders are only known once the frame is shown: placed by its inner
// size, the frame hung off the bottom of the screen by the height of its title bar.
void TmainformTest::titleBarAndBordersStayOnTheScreenToo()
{
    TestApp app;
    app.writeSettingsFile(QStringLiteral("Main.txt"), "800\r\n600\r\n1500\r\n900\r\n0\r\n");
    app.start();
    Tmainform &frame = app.frame();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QVERIFY(frame.frameGeometry().size() != frame.size()); // the test platform draws a border
    const QRect screen = frame.screen()->availableGeometry();
    QTRY_VERIFY2(screen.contains(frame.frameGeometry()),
        qPrintable(QStringLiteral("%1,%2 %3x%4")
                       .arg(frame.frameGeometry().x())
                       .arg(frame.frameGeometry().y())
                       .arg(frame.frameGeometry().width())
                       .arg(frame.frameGeometry().height())));
}

void TmainformTest::settingsFolderThatCannotBeMadeIsReported()
{
    TestApp app;
    // A file where the user's branch should be.
    QFile blocker(app.root() + QStringLiteral("/Brugere"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    app.create();
    const QString failure = app.frame().storageFailure();
    QVERIFY(
        failure.startsWith(QStringLiteral("Mappen til programmets indstillinger kunne ikke oprettes:\r")));
    QVERIFY(failure.contains(app.settingsFolder()));
    QVERIFY(failure.endsWith(QStringLiteral("\rProgrammet lukkes.")));
}

void TmainformTest::commandLineNamesOnlyExistingFiles()
{
    TestApp app;
    // Files that go to their associated program show what reaches the opening service.
    const QString spaced = app.writeFile(QStringLiteral("med mellemrum/rapport 1.pdf"), "%PDF");
    const QString plain = app.writeFile(QStringLiteral("billede.png"), "png");
    QDir().mkpath(app.root() + QStringLiteral("/filer/mappe.pdf"));
    app.start({ u'"' + spaced + u'"', app.root() + QStringLiteral("/filer/findes-ikke.pdf"), QString(),
        app.root() + QStringLiteral("/filer/mappe.pdf"), plain });
    QCOMPARE(app.shell().calls.size(), 2);
    QCOMPARE(app.shell().calls[0].target, spaced);
    QCOMPARE(app.shell().calls[1].target, plain);
    QVERIFY(app.modal().shown.isEmpty());
}

void TmainformTest::commandLineNameWithDoubleQuotesOpensThatFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("quotedTooExists"); // a file of the name without its quotes exists as well
    QTest::newRow("quotes in the name") << QStringLiteral("kapitel \"1\".pdf") << false;
    QTest::newRow("beside the name without them") << QStringLiteral("kapitel \"1\".pdf") << true;
}

// The quotes were always removed, so such a name opened another file or none.
void TmainformTest::commandLineNameWithDoubleQuotesOpensThatFile()
{
    QFETCH(QString, name);
    QFETCH(bool, quotedTooExists);
    TestApp app;
    const QString quoted = app.writeFile(name, "%PDF");
    if (quotedTooExists)
        app.writeFile(QString(name).remove(u'"'), "%PDF");
    app.start({ quoted });
    QCOMPARE(app.shell().calls.size(), 1);
    QCOMPARE(app.shell().calls[0].target, quoted);
}

void TmainformTest::droppedFilesOpenInDropOrder()
{
    TestApp app;
    app.start();
    const QStringList files = { app.writeFile(QStringLiteral("c.pdf"), "c"),
        app.writeFile(QStringLiteral("a.pdf"), "a"), app.writeFile(QStringLiteral("b.pdf"), "b") };
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &file : files)
        urls << QUrl::fromLocalFile(file);
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&app.frame(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&app.frame(), &drop);
    QTRY_COMPARE(app.shell().calls.size(), 3);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(app.shell().calls[i].target, files[i]);
}

void TmainformTest::startupBoxes_data()
{
    QTest::addColumn<QByteArray>("options");
    QTest::addColumn<bool>("folders");
    QTest::addColumn<bool>("favourites");
    QTest::addColumn<bool>("documents");
    QTest::newRow("none") << with() << false << false << false;
    QTest::newRow("all three") << with(
        { { FilerMapperBoks, "1" }, { FavoritBoks, "1" }, { DokumentBoks, "1" } })
                               << true << true << true;
    QTest::newRow("favourites only") << with({ { FavoritBoks, "1" } }) << false << true << false;
}

void TmainformTest::startupBoxes()
{
    QFETCH(QByteArray, options);
    QFETCH(bool, folders);
    QFETCH(bool, favourites);
    QFETCH(bool, documents);
    TestApp app;
    app.writeSettingsFile(QStringLiteral("optUnit.txt"), options);
    app.start();
    QCOMPARE(app.context.mappefilform->isVisible(), folders);
    QCOMPARE(app.context.favoritform->isVisible(), favourites);
    QCOMPARE(app.context.filform->isVisible(), documents);
    QVERIFY(!app.context.fields.opstart);
}

void TmainformTest::trayDefersTheStartupBoxesToTheFirstRestore()
{
    TestApp app;
    app.writeSettingsFile(QStringLiteral("optUnit.txt"), with({ { Tray, "1" }, { FavoritBoks, "1" } }));
    app.start();
    QVERIFY(!app.context.favoritform->isVisible());
    QVERIFY(app.context.fields.opstart);
    app.frame().TrayIconRestoreApp();
    QVERIFY(app.context.favoritform->isVisible());
    QVERIFY(!app.context.fields.opstart);
    // Later restores open nothing more.
    app.context.favoritform->hide();
    app.frame().TrayIconRestoreApp();
    QVERIFY(!app.context.favoritform->isVisible());
}

// On a desktop without a notification area, minimising to the tray hid the frame and no icon appeared: the
// running program could not be reached again.
void TmainformTest::withoutANotificationAreaTheFrameStaysInTheTaskbar()
{
    TestApp app;
    app.platform.platform().systemTrayAvailable = false;
    app.writeSettingsFile(QStringLiteral("optUnit.txt"), with({ { Tray, "1" }, { FavoritBoks, "1" } }));
    app.start();
    QVERIFY(!app.frame().TrayIcon->isVisible());
    QVERIFY(app.context.favoritform->isVisible()); // the start-up boxes open as without the tray
    QVERIFY(app.context.optform->trayCheck->toolTip().contains(QStringLiteral("proceslinjen")));

    app.frame().setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
    QVERIFY(app.frame().isVisible());
}

void TmainformTest::minimisedStartNeverOpensStartupBoxesNorReportsSizes()
{
    TestApp app;
    app.writeSettingsFile(QStringLiteral("optUnit.txt"), with({ { Minimise, "1" }, { DokumentBoks, "1" } }));
    app.start();
    QVERIFY(app.frame().windowState() & Qt::WindowMinimized);
    QVERIFY(!app.context.filform->isVisible());
    QVERIFY(app.context.fields.opstart);
    app.frame().showNormal();
    app.frame().resize(700, 500);
    QCoreApplication::processEvents();
    QCOMPARE(app.context.optform->widthLabel->text(), QStringLiteral("0"));
}

void TmainformTest::windowsMenuBarOnlyWhenChosen()
{
    {
        TestApp app;
        app.start();
        QVERIFY(!app.frame().MainMenu);
        QVERIFY(app.frame().hovedmenuPanel->isVisible());
    }
    {
        TestApp app;
        app.writeSettingsFile(
            QStringLiteral("optUnit.txt"), with({ { WindowsMenu, "1" }, { MainMenuPanel, "0" } }));
        app.start();
        QVERIFY(app.frame().MainMenu);
        QVERIFY(!app.frame().hovedmenuPanel->isVisible());
    }
}

void TmainformTest::closeWritesOptionsAndDeletesDocumentListWithoutDocuments()
{
    TestApp app;
    app.writeSettingsFile(
        QStringLiteral("optUnit.txt"), with({ { Dokumenter, "1" }, { DokumenterAgain, "1" } }));
    app.writeSettingsFile(QStringLiteral("Dokumentfil.txt"), "/et/sted/der/ikke/findes.txt\r\n");
    app.start();
    app.context.optform->CheckVedLuk->setChecked(true);
    QVERIFY(app.close());
    QVERIFY(!QFileInfo::exists(app.settingsPath(QStringLiteral("Dokumentfil.txt"))));
    QCOMPARE(app.readSettingsFile(QStringLiteral("optUnit.txt")),
        with({ { Dokumenter, "1" }, { DokumenterAgain, "1" }, { GemFavoritterVedLuk, "1" } }));
}

// The list was once written only at a clean close, so the documents of a crashed run did not reopen.
void TmainformTest::documentListFollowsTheDocumentsWhileTheProgramRuns()
{
    TestApp app;
    app.writeSettingsFile(
        QStringLiteral("optUnit.txt"), with({ { Dokumenter, "1" }, { DokumenterAgain, "1" } }));
    const QString first = app.writeFile(QStringLiteral("en.txt"), "1");
    const QString second = app.writeFile(QStringLiteral("to.txt"), "2");
    app.start({ first });
    const auto listed = [&app] { return app.readSettingsFile(QStringLiteral("Dokumentfil.txt")); };
    // In the frame's window order, as the program's close writes it.
    const auto inWindowOrder = [&app] {
        QByteArray lines;
        for (const DocumentWindow *window : app.frame().documents()->windowsInOrder())
            lines += window->Filnavn().toUtf8() + "\r\n";
        return lines;
    };
    QTRY_COMPARE(listed(), first.toUtf8() + "\r\n");

    app.frame().funk()->openwin(second, {});
    QTRY_COMPARE(listed(), second.toUtf8() + "\r\n" + first.toUtf8() + "\r\n");

    app.frame().funk()->openwin(QString(), QStringLiteral(".txt"));
    const QString third = app.root() + QStringLiteral("/filer/tre.txt");
    app.platform.fileDialogs.saveAnswers.enqueue(third);
    app.frame().documents()->activeDocument()->GemSom();
    QTRY_COMPARE(listed(), third.toUtf8() + "\r\n" + second.toUtf8() + "\r\n" + first.toUtf8() + "\r\n");

    app.frame().command(QStringLiteral("winLuk"))->trigger();
    QCOMPARE(app.frame().documents()->windowsInOrder().size(), 2);
    QTRY_COMPARE(listed(), inWindowOrder());
    app.frame().command(QStringLiteral("winLukAlle"))->trigger();
    QTRY_VERIFY(!QFileInfo::exists(app.settingsPath(QStringLiteral("Dokumentfil.txt"))));
    QVERIFY(app.modal().shown.isEmpty());
}

void TmainformTest::documentListIsLeftAloneWhileTheOptionIsOff()
{
    TestApp app;
    app.writeSettingsFile(QStringLiteral("Dokumentfil.txt"), "/fra/en/anden/gang.txt\r\n");
    const QString file = app.writeFile(QStringLiteral("en.txt"), "1");
    app.start({ file });
    app.frame().command(QStringLiteral("winLukAlle"))->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(
        app.readSettingsFile(QStringLiteral("Dokumentfil.txt")), QByteArray("/fra/en/anden/gang.txt\r\n"));
    QVERIFY(app.close());
    QVERIFY(!QFileInfo::exists(app.settingsPath(QStringLiteral("Dokumentfil.txt"))));
}

void TmainformTest::hintsGoToTheStatusLineInTheFirstMode()
{
    TestApp app;
    app.start();
    app.frame().HintInfo(QStringLiteral("Kort|Den lange forklaring"));
    QCOMPARE(app.frame().Info->text(), QStringLiteral("Den lange forklaring"));
    app.frame().HintInfo(QStringLiteral("Uden lodret streg"));
    QCOMPARE(app.frame().Info->text(), QStringLiteral("Uden lodret streg"));
    app.frame().UdskrivInfo(QString());
    app.context.optform->hintBox->setItemIndex(2);
    app.frame().HintInfo(QStringLiteral("Kort|Lang"));
    QCOMPARE(app.frame().Info->text(), QString());
}

void TmainformTest::standardSizeFollowsTheMarginOption()
{
    TestApp app;
    app.start();
    QAction *programSize = app.frame().command(QStringLiteral("aProgramSize"));
    QCOMPARE(app.context.fields.standardWidth, 728u);
    QCOMPARE(app.context.fields.standardHeight, 700u);
    QVERIFY(programSize->isEnabled());
    programSize->trigger();
    QCOMPARE(app.frame().size(), QSize(728, 700));
    QVERIFY(!programSize->isEnabled());

    // Switching margins on resizes the frame to the new standard size at once.
    app.context.optform->marginCheck->setChecked(true);
    QCOMPARE(app.context.fields.standardWidth, 861u);
    QCOMPARE(app.context.fields.standardHeight, 800u);
    QCOMPARE(app.frame().size(), QSize(861, 800));
    QVERIFY(!programSize->isEnabled());
    app.frame().resize(900, 800);
    QVERIFY(programSize->isEnabled());
}

QTEST_MAIN(TmainformTest)
#include "tst_Tmainform.moc"
