#include "app/RadioGroup.h"
#include "frame/DocumentTabStrip.h"
#include "frame/MenuBook.h"
#include "frame/Tmainform.h"
#include "options/Tboksform.h"
#include "options/ThemeService.h"
#include "options/Toptform.h"
#include "support/TestApp.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>

namespace {

QByteArray settingsBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

// Every option away from its initial state, as a user who changed them all would have stored them.
QStringList changedOptions()
{
    return { QStringLiteral("Silver"), "1", "1", "1", "1", "1", "1", "2", "1", "5", "4", "1", "0", "0", "1",
        "250", "1", "0", "1", "1" };
}

QStringList entriesOf(const QComboBox *box)
{
    QStringList entries;
    for (int i = 0; i < box->count(); ++i)
        entries << box->itemText(i);
    return entries;
}

QString tooltipShownFor(QWidget *widget)
{
    QToolTip::hideText();
    QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), widget->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(widget, &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

} // namespace

class ToptformTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void wrongLineCountGivesDefaults_data();
    void wrongLineCountGivesDefaults();
    void lineFourDecidesDokumenter_data();
    void lineFourDecidesDokumenter();
    void readingStopsSilentlyAtLineThatIsNoNumber_data();
    void readingStopsSilentlyAtLineThatIsNoNumber();
    void numberTooBigForAnIntegerEndsTheReadingWhereverItStands_data();
    void numberTooBigForAnIntegerEndsTheReadingWhereverItStands();
    void listPositionBeyondTheListSelectsNothing();
    void everyOptionIsKeptAcrossRestart();
    void bothMainMenusStoredEndsWithWindowsMenuOnly();
    void checkingVisHovedmenuRemovesMenuBarAtOnce();
    void storedMarginsStartFrameAtStandardSize_data();
    void storedMarginsStartFrameAtStandardSize();
    void switchingMarginsResizesFrame();
    void maxElementerStepsByTen();
    void tabStripAndTrayFollowTheirBoxes();
    void hintModes_data();
    void hintModes();
    void redigerCancelledChangesNothing();
    void redigerConfirmedTakesListAndKeepsChosenName();
    void redigerReadsStockListFromFile();
    void fontListFileReplacesStandardNames();
    void standardNamesKeepChosenNameOrArial_data();
    void standardNamesKeepChosenNameOrArial();
    void choosingThemeAppliesItAndHidesMenuBook();
    void unknownThemeIsReportedAndCurrentStays();
    void designAtStartIsTheOneTheBoxApplies_data();
    void designAtStartIsTheOneTheBoxApplies();
    void applyingTheCurrentThemeAgainRestylesNothing();
    void noCaptionIsCutAtTheStandardSizes_data();
    void noCaptionIsCutAtTheStandardSizes();
};

void ToptformTest::wrongLineCountGivesDefaults_data()
{
    QTest::addColumn<int>("lineCount");
    QTest::newRow("19 lines") << 19;
    QTest::newRow("21 lines") << 21;
}

void ToptformTest::wrongLineCountGivesDefaults()
{
    QFETCH(int, lineCount);
    QStringList lines = changedOptions();
    while (lines.size() > lineCount)
        lines.removeLast();
    while (lines.size() < lineCount)
        lines << QStringLiteral("1");
    TestApp app;
    app.writeSettingsFile(QStringLiteral("optUnit.txt"), settingsBytes(lines));
    app.create();
    const Toptform &options = *app.context.optform;

    QCOMPARE(options.designName(), QStringLiteral("Windows10 Clear Day"));
    QCOMPARE(options.fontnameBox->currentText(), QStringLiteral("Courier New"));
    QCOMPARE(options.fontsizeBox->currentText(), QStringLiteral("10"));
    QCOMPARE(options.maxElements(), 120);
    QCOMPARE(options.maxFindEdit->text(), QStringLiteral("120"));
    // Everything else keeps its initial state.
    QVERIFY(options.dokumentlinjeCheck->isChecked());
    QVERIFY(!options.dokumentCheck->isChecked());
    QVERIFY(options.hovedmenuCheck->isChecked());
    QVERIFY(options.redCheck->isChecked());
    QVERIFY(!options.trayCheck->isChecked());
    QCOMPARE(options.hintBox->itemIndex(), 0);
    QCOMPARE(options.designBox->currentText(), QStringLiteral("Windows10 Clear Day"));
    QVERIFY(app.modal().shown.isEmpty());
}

void ToptformTest::lineFourDecidesDokumenter_data()
{
    QTest::addColumn<QString>("line1");
    QTest::addColumn<QString>("line4");
    QTest::addColumn<bool>("checked");
    QTest::newRow("1 then 0") << "1"
                              << "0" << false;
    QTest::newRow("0 then 1") << "0"
                              << "1" << true;
}

void ToptformTest::lineFourDecidesDokumenter()
{
    QFETCH(QString, line1);
    QFETCH(QString, line4);
    QFETCH(bool, checked);
    QStringList lines = changedOptions();
    lines[1] = line1;
    lines[4] = line4;
    TestApp app;
    app.writeSettingsFile(QStringLiteral("optUnit.txt"), settingsBytes(lines));
    app.create();
    QCOMPARE(app.context.optform->dokumentCheck->isChecked(), checked);
}

void ToptformTest::readingStopsSilentlyAtLineThatIsNoNumber_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("a letter") << QStringLiteral("x");
    // A number that does not fit an integer once came back as 0 and was saved as such.
    QTest::newRow("just too big for an integer") << QStringLiteral("2147483648");
    QTest::newRow("far too big") << QStringLiteral("99999999999999999999");
    QTest::newRow("too small") << QStringLiteral("-2147483649");
}

void ToptformTest::readingStopsSilentlyAtLineThatIsNoNumber()
{
    QFETCH(QString, line);
    QStringList lines = changedOptions();
    lines[7] = line;
    TestApp app;
    app.writeSettingsFile(QStringLiteral("optUnit.txt"), settingsBytes(lines));
    app.create();
    const Toptform &options = *app.context.optform;

    QCOMPARE(options.designName(), QStringLiteral("Silver"));
    QVERIFY(options.CheckInsertFirst->isChecked()); // line 6, before the failure
    QCOMPARE(options.hintBox->itemIndex(), 0); // line 7 itself is not applied
    QVERIFY(!options.bokseCheck3->isChecked());
    QCOMPARE(options.fontnameBox->currentText(), QStringLiteral("Courier New"));
    QCOMPARE(options.maxElements(), 0); // no defaults after a partial reading
    QCOMPARE(options.maxFindEdit->text(), QStringLiteral("0"));
    QVERIFY(app.modal().shown.isEmpty());
}

void ToptformTest::numberTooBigForAnIntegerEndsTheReadingWhereverItStands_data()
{
    QTest::addColumn<int>("line");
    QTest::newRow("font name position") << 9;
    QTest::newRow("Max elementer") << 15;
}

// Such a number was read as 0: the font became "Arial", "Max elementer" 0, and both were saved.
void ToptformTest::numberTooBigForAnIntegerEndsTheReadingWhereverItStands()
{
    QFETCH(int, line);
    QStringList lines = changedOptions();
    lines[line] = QStringLiteral("4294967296");
    TestApp app;
    app.writeSettingsFile(QStringLiteral("optUnit.txt"), settingsBytes(lines));
    app.create();
    const Toptform &options = *app.context.optform;

    QVERIFY(options.bokseCheck3->isChecked()); // line 8, before the failure
    QCOMPARE(options.fontnameBox->currentText(),
        line == 9 ? QStringLiteral("Courier New") : QStringLiteral("Lucida Calligraphy"));
    QCOMPARE(options.fontsizeBox->currentText(), line == 9 ? QStringLiteral("10") : QStringLiteral("12"));
    QCOMPARE(options.maxElements(), 0);
    QVERIFY(!options.marginCheck->isChecked()); // line 16, after it
    QVERIFY(app.modal().shown.isEmpty());
}

void ToptformTest::listPositionBeyondTheListSelectsNothing()
{
    QStringList lines = changedOptions();
    lines[9] = QStringLiteral("12");
    lines[10] = QStringLiteral("-1");
    TestApp app;
    app.writeSettingsFile(QStringLiteral("optUnit.txt"), settingsBytes(lines));
    app.create();
    QCOMPARE(app.context.optform->fontnameBox->currentIndex(), -1);
    QCOMPARE(app.context.optform->fontsizeBox->currentIndex(), -1);
}

void ToptformTest::everyOptionIsKeptAcrossRestart()
{
    QByteArray stored;
    {
        TestApp app;
        app.start();
        Toptform &options = *app.context.optform;
        QVERIFY(QTest::qWaitForWindowExposed(&app.frame()));
        options.designBox->setCurrentIndex(options.designBox->findText(QStringLiteral("Lavender Classico")));
        Q_EMIT options.designBox->activated(options.designBox->currentIndex());
        for (QCheckBox *box : { options.dokumentCheck, options.bokseCheck1, options.bokseCheck2,
                 options.CheckVedLuk, options.CheckInsertFirst, options.bokseCheck3, options.CheckAskOpenDoc,
                 options.redCheck, options.windowsCheck, options.marginCheck, options.dokumentlinjeCheck,
                 options.trayCheck, options.minimerCheck })
            box->click();
        options.hintBox->findChildren<QAbstractButton *>().at(2)->click();
        options.fontnameBox->setCurrentIndex(7);
        options.fontsizeBox->setCurrentIndex(11);
        options.maxOpKnap->click();
        options.maxOpKnap->click();
        QVERIFY(app.close());
        stored = app.readSettingsFile(QStringLiteral("optUnit.txt"));
    }
    QCOMPARE(stored,
        settingsBytes({ QStringLiteral("Lavender Classico"), "1", "1", "1", "1", "1", "1", "2", "1", "7",
            "11", "1", "0", "0", "1", "140", "1", "0", "1", "1" }));

    TestApp again;
    again.writeSettingsFile(QStringLiteral("optUnit.txt"), stored);
    again.create();
    const Toptform &options = *again.context.optform;
    QCOMPARE(options.designBox->currentText(), QStringLiteral("Lavender Classico"));
    QCOMPARE(ThemeService::currentName(), QStringLiteral("Lavender Classico"));
    for (const QCheckBox *box : { options.dokumentCheck, options.bokseCheck1, options.bokseCheck2,
             options.CheckVedLuk, options.CheckInsertFirst, options.bokseCheck3, options.CheckAskOpenDoc,
             options.windowsCheck, options.marginCheck, options.trayCheck, options.minimerCheck })
        QVERIFY2(box->isChecked(), qPrintable(box->text()));
    for (const QCheckBox *box : { options.redCheck, options.hovedmenuCheck, options.dokumentlinjeCheck })
        QVERIFY2(!box->isChecked(), qPrintable(box->text()));
    QCOMPARE(options.hintBox->itemIndex(), 2);
    QCOMPARE(options.fontnameBox->currentText(), QStringLiteral("Lucida Handwriting"));
    QCOMPARE(options.fontsizeBox->currentText(), QStringLiteral("28"));
    QCOMPARE(options.maxFindEdit->text(), QStringLiteral("140"));
}

void ToptformTest::bothMainMenusStoredEndsWithWindowsMenuOnly()
{
    QStringList lines = changedOptions();
    lines[13] = QStringLiteral("1");
    lines[14] = QStringLiteral("1");
    TestApp app;
    app.writeSettingsFile(QStringLiteral("optUnit.txt"), settingsBytes(lines));
    app.create();
    QVERIFY(app.context.optform->windowsCheck->isChecked());
    QVERIFY(!app.context.optform->hovedmenuCheck->isChecked());
}

void ToptformTest::checkingVisHovedmenuRemovesMenuBarAtOnce()
{
    QStringList lines = changedOptions();
    lines[13] = QStringLiteral("0");
    lines[14] = QStringLiteral("1");
    lines[18] = QStringLiteral("0");
    lines[19] = QStringLiteral("0");
    TestApp app;
    app.writeSettingsFile(QStringLiteral("optUnit.txt"), settingsBytes(lines));
    app.start();
    Toptform &options = *app.context.optform;
    QVERIFY(app.frame().MainMenu); // kept at start: "Windows hovedmenu" is on

    options.windowsCheck->click(); // unchecking does nothing else
    QVERIFY(!options.hovedmenuCheck->isChecked());
    QVERIFY(app.frame().MainMenu);

    options.windowsCheck->click();
    options.hovedmenuCheck->click();
    QVERIFY(!options.windowsCheck->isChecked());
    QVERIFY(!app.frame().MainMenu);

    options.windowsCheck->click(); // the menu bar comes back only at a later start
    QVERIFY(!options.hovedmenuCheck->isChecked());
    QVERIFY(!app.frame().MainMenu);
}

void ToptformTest::storedMarginsStartFrameAtStandardSize_data()
{
    QTest::addColumn<QString>("margins");
    QTest::addColumn<QSize>("size");
    QTest::newRow("margins on") << "1" << QSize(861, 800);
    QTest::newRow("margins off") << "0" << QSize(700, 500);
}

void ToptformTest::storedMarginsStartFrameAtStandardSize()
{
    QFETCH(QString, margins);
    QFETCH(QSize, size);
    QStringList lines = changedOptions();
    lines[16] = margins;
    lines[18] = QStringLiteral("0");
    lines[19] = QStringLiteral("0");
    TestApp app;
    app.writeSettingsFile(QStringLiteral("Main.txt"), settingsBytes({ "700", "500", "20", "20", "300" }));
    app.writeSettingsFile(QStringLiteral("optUnit.txt"), settingsBytes(lines));
    app.start();
    QCOMPARE(app.frame().size(), size);
}

void ToptformTest::switchingMarginsResizesFrame()
{
    TestApp app;
    app.writeSettingsFile(QStringLiteral("Main.txt"), settingsBytes({ "700", "500", "20", "20", "300" }));
    app.start();
    Toptform &options = *app.context.optform;
    QAction *programSize = app.frame().command(QStringLiteral("aProgramSize"));
    QVERIFY(programSize->isEnabled());

    options.marginCheck->click();
    QCOMPARE(app.frame().size(), QSize(861, 800));
    QCOMPARE(app.context.fields.standardWidth, 861u);
    QVERIFY(!programSize->isEnabled());
    QCOMPARE(options.widthLabel->text(), QStringLiteral("861"));
    QCOMPARE(options.heightLabel->text(), QStringLiteral("800"));

    options.marginCheck->click();
    QCOMPARE(app.frame().size(), QSize(728, 700));
}

void ToptformTest::maxElementerStepsByTen()
{
    QStringList lines = changedOptions();
    lines[15] = QStringLiteral("990");
    TestApp app;
    app.writeSettingsFile(QStringLiteral("optUnit.txt"), settingsBytes(lines));
    app.create();
    Toptform &options = *app.context.optform;
    QVERIFY(options.maxFindEdit->isReadOnly());

    options.maxOpKnap->click();
    options.maxOpKnap->click();
    QCOMPARE(options.maxElements(), 1010);
    QCOMPARE(options.maxFindEdit->text(), QStringLiteral("1010")); // four digits shown whole

    options.maxNedKnap->click();
    QCOMPARE(options.maxFindEdit->text(), QStringLiteral("1000"));
    options.GemOpt();
    QCOMPARE(app.readSettingsFile(QStringLiteral("optUnit.txt")).split('\n').at(15), QByteArray("1000\r"));

    // Lowering stops at one step, where the button gives up.
    while (options.maxElements() > 30)
        options.maxNedKnap->click();
    options.maxNedKnap->click();
    options.maxNedKnap->click();
    QCOMPARE(options.maxFindEdit->text(), QStringLiteral("10"));
    QVERIFY(!options.maxNedKnap->isEnabled());
    options.maxOpKnap->click();
    QVERIFY(options.maxNedKnap->isEnabled());
}

void ToptformTest::tabStripAndTrayFollowTheirBoxes()
{
    TestApp app;
    app.start();
    Toptform &options = *app.context.optform;
    QVERIFY(app.frame().tc->isVisible());
    options.dokumentlinjeCheck->click();
    QVERIFY(!app.frame().tc->isVisible());
    options.dokumentlinjeCheck->click();
    QVERIFY(app.frame().tc->isVisible());

    QVERIFY(!app.frame().TrayIcon->isVisible());
    options.trayCheck->click();
    QVERIFY(app.frame().TrayIcon->isVisible());
    options.trayCheck->click();
    QVERIFY(!app.frame().TrayIcon->isVisible());
}

void ToptformTest::hintModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("statusLineVisible");
    QTest::addColumn<QString>("statusLineText");
    QTest::addColumn<bool>("tooltips");
    QTest::newRow("on the status line") << 0 << true << "Åbner boks med muligheder" << false;
    QTest::newRow("at the elements") << 1 << false << "" << true;
    QTest::newRow("no hints") << 2 << true << "" << false;
}

void ToptformTest::hintModes()
{
    QFETCH(int, mode);
    QFETCH(bool, statusLineVisible);
    QFETCH(QString, statusLineText);
    QFETCH(bool, tooltips);
    TestApp app;
    app.start();
    Toptform &options = *app.context.optform;
    options.show(); // where the user meets the options, the hints belong to the frame's windows alike
    QVERIFY(QTest::qWaitForWindowExposed(&options));
    options.hintBox->findChildren<QAbstractButton *>().at(mode)->click();

    QCOMPARE(app.frame().Info->isVisible(), statusLineVisible);
    app.frame().UdskrivInfo(QString());
    QStatusTipEvent hint(options.CheckAskOpenDoc->statusTip());
    QApplication::sendEvent(options.CheckAskOpenDoc, &hint);
    QCOMPARE(app.frame().Info->text(), statusLineText);

    QCOMPARE(tooltipShownFor(options.CheckAskOpenDoc),
        tooltips ? QStringLiteral("Åbner boks med muligheder") : QString());
    Tboksform &box = *app.context.boksform;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(tooltipShownFor(box.okButton), tooltips ? QStringLiteral("Gem ændringer og luk") : QString());
    box.hide();
}

void ToptformTest::redigerCancelledChangesNothing()
{
    TestApp app;
    app.create();
    Toptform &options = *app.context.optform;
    app.modal().answer([](QDialog &dialog) {
        auto &box = static_cast<Tboksform &>(dialog);
        box.AalleTilLager->trigger();
        box.annullerButton->click();
        return dialog.result();
    });
    options.redigerButton->click();

    QCOMPARE(app.modal().shown.size(), 1);
    QCOMPARE(app.modal().shown.first().caption, QStringLiteral("Fontnavne"));
    QCOMPARE(entriesOf(options.fontnameBox), Toptform::standardFontNames());
    QCOMPARE(options.fontnameBox->currentText(), QStringLiteral("Courier New"));
    QVERIFY(!QFileInfo::exists(app.settingsPath(QStringLiteral("fontBox.txt"))));
    QVERIFY(!QFileInfo::exists(app.settingsPath(QStringLiteral("lagerBox.txt"))));
}

void ToptformTest::redigerConfirmedTakesListAndKeepsChosenName()
{
    TestApp app;
    app.create();
    Toptform &options = *app.context.optform;
    options.fontnameBox->setCurrentIndex(options.fontnameBox->findText(QStringLiteral("Tahoma")));
    QString countShown;
    app.modal().answer([&countShown](QDialog &dialog) {
        auto &box = static_cast<Tboksform &>(dialog);
        countShown = box.fontAntalLabel->text();
        box.Box->item(0)->setSelected(true); // Arial
        box.Box->item(2)->setSelected(true); // Consolas
        box.tilLagerValgte->click();
        box.okButton->click();
        return dialog.result();
    });
    options.redigerButton->click();

    QCOMPARE(countShown, QStringLiteral("Der er valgt 12 antal fonte"));
    QStringList expected = Toptform::standardFontNames();
    expected.removeAll(QStringLiteral("Arial"));
    expected.removeAll(QStringLiteral("Consolas"));
    QCOMPARE(entriesOf(options.fontnameBox), expected);
    QCOMPARE(options.fontnameBox->currentText(), QStringLiteral("Tahoma"));
    QCOMPARE(options.fontnameBox->maxVisibleItems(), 10);
    QCOMPARE(app.readSettingsFile(QStringLiteral("fontBox.txt")), settingsBytes(expected));
    QCOMPARE(app.readSettingsFile(QStringLiteral("lagerBox.txt")), settingsBytes({ "Arial", "Consolas" }));

    // The chosen name gone: the first entry is selected.
    app.modal().answer([](QDialog &dialog) {
        auto &box = static_cast<Tboksform &>(dialog);
        box.Box->clearSelection();
        box.Box->findItems(QStringLiteral("Tahoma"), Qt::MatchExactly).first()->setSelected(true);
        box.tilLagerValgte->click();
        box.okButton->click();
        return dialog.result();
    });
    options.redigerButton->click();
    QCOMPARE(options.fontnameBox->currentText(), QStringLiteral("Calibri"));
    QCOMPARE(app.readSettingsFile(QStringLiteral("lagerBox.txt")),
        settingsBytes({ "Arial", "Consolas", "Tahoma" }));
}

void ToptformTest::redigerReadsStockListFromFile()
{
    TestApp app;
    app.writeSettingsFile(QStringLiteral("lagerBox.txt"), settingsBytes({ "Garamond", "Verdana" }));
    app.create();
    QStringList stockShown;
    app.modal().answer([&stockShown](QDialog &dialog) {
        stockShown = Tboksform::names(static_cast<Tboksform &>(dialog).lagerBox);
        return int(QDialog::Rejected);
    });
    app.context.optform->redigerButton->click();
    QCOMPARE(stockShown, QStringList({ "Garamond", "Verdana" }));
}

void ToptformTest::fontListFileReplacesStandardNames()
{
    TestApp app;
    app.writeSettingsFile(QStringLiteral("fontBox.txt"),
        QByteArray("Arial\r\nDejaVu Sans\r\nF\xF8"
                   "dselsdag\r\n"));
    QStringList lines = changedOptions();
    lines[9] = QStringLiteral("1");
    app.writeSettingsFile(QStringLiteral("optUnit.txt"), settingsBytes(lines));
    app.create();
    const Toptform &options = *app.context.optform;
    QCOMPARE(entriesOf(options.fontnameBox),
        QStringList({ "Arial", "DejaVu Sans", QStringLiteral("Fødselsdag") }));
    QCOMPARE(
        options.fontnameBox->currentText(), QStringLiteral("DejaVu Sans")); // position read after the list
}

void ToptformTest::standardNamesKeepChosenNameOrArial_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("selected");
    QTest::newRow("one of the twelve") << "Verdana"
                                       << "Verdana";
    QTest::newRow("not among them") << "DejaVu Sans"
                                    << "Arial";
}

void ToptformTest::standardNamesKeepChosenNameOrArial()
{
    QFETCH(QString, chosen);
    QFETCH(QString, selected);
    TestApp app;
    app.writeSettingsFile(QStringLiteral("fontBox.txt"), settingsBytes({ "DejaVu Sans", "Verdana" }));
    app.writeSettingsFile(QStringLiteral("lagerBox.txt"), settingsBytes({ "Garamond" }));
    app.create();
    Toptform &options = *app.context.optform;
    Tboksform::setNames(app.context.boksform->lagerBox, { QStringLiteral("Garamond") });
    options.fontnameBox->setCurrentIndex(options.fontnameBox->findText(chosen));

    options.standardButton->click();
    QVERIFY(app.modal().shown.isEmpty()); // no question: it cannot be undone, and says so in its hint
    QCOMPARE(entriesOf(options.fontnameBox), Toptform::standardFontNames());
    QCOMPARE(options.fontnameBox->currentText(), selected);
    QCOMPARE(app.context.boksform->lagerBox->count(), 0);
    QCOMPARE(app.readSettingsFile(QStringLiteral("lagerBox.txt")), QByteArray());
    QCOMPARE(
        app.readSettingsFile(QStringLiteral("fontBox.txt")), settingsBytes(Toptform::standardFontNames()));
}

void ToptformTest::choosingThemeAppliesItAndHidesMenuBook()
{
    TestApp app;
    app.start();
    Toptform &options = *app.context.optform;
    app.frame().menuBog->show();
    QVERIFY(app.frame().menuBog->isVisible());

    options.designBox->setCurrentIndex(options.designBox->findText(QStringLiteral("Sky")));
    options.designBox->setFocus();
    QTest::keyClick(options.designBox, Qt::Key_Down); // the user steps to the next theme

    QCOMPARE(options.designBox->currentText(), QStringLiteral("Smokey Quartz Kamri"));
    QCOMPARE(options.designName(), QStringLiteral("Smokey Quartz Kamri"));
    QCOMPARE(ThemeService::currentName(), QStringLiteral("Smokey Quartz Kamri"));
    QVERIFY(!app.frame().menuBog->isVisible());
    QVERIFY(app.modal().shown.isEmpty());
}

void ToptformTest::unknownThemeIsReportedAndCurrentStays()
{
    QStringList lines = changedOptions();
    lines[0] = QStringLiteral("Findes Ikke");
    QVERIFY(ThemeService::apply(QStringLiteral("Sky")));
    TestApp app;
    app.writeSettingsFile(QStringLiteral("optUnit.txt"), settingsBytes(lines));
    app.create();
    const QString failure
        = QStringLiteral("Information:\nDer opstod en fejl i designskift."); // as the dialog shows it
    QCOMPARE(app.modal().texts(), QStringList { failure });
    QCOMPARE(ThemeService::currentName(), QStringLiteral("Sky"));
    Toptform &options = *app.context.optform;
    QCOMPARE(options.designBox->currentIndex(), -1);
    QCOMPARE(options.designBox->itemText(0), QStringLiteral("Windows"));

    // A name the box offers but no theme answers to: the same message, and the theme stays.
    options.designBox->addItem(QStringLiteral("Ukendt"));
    options.designBox->setCurrentIndex(options.designBox->count() - 1);
    Q_EMIT options.designBox->activated(options.designBox->currentIndex());
    QCOMPARE(app.modal().texts(), QStringList({ failure, failure }));
    QCOMPARE(ThemeService::currentName(), QStringLiteral("Sky"));
}

void ToptformTest::designAtStartIsTheOneTheBoxApplies_data()
{
    QTest::addColumn<QByteArray>("file"); // optUnit.txt; empty: none
    QTest::addColumn<QString>("design");
    QTest::newRow("no file") << QByteArray() << QStringLiteral("Windows10 Clear Day");
    QTest::newRow("every line") << settingsBytes(changedOptions()) << QStringLiteral("Silver");
    QTest::newRow("19 lines give the defaults")
        << settingsBytes(changedOptions().mid(0, 19)) << QStringLiteral("Windows10 Clear Day");
    QStringList unknown = changedOptions();
    unknown[0] = QStringLiteral("Findes Ikke");
    QTest::newRow("a name no theme has") << settingsBytes(unknown) << QStringLiteral("Findes Ikke");
}

void ToptformTest::designAtStartIsTheOneTheBoxApplies()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, design);
    TestApp app;
    if (!file.isEmpty())
        app.writeSettingsFile(QStringLiteral("optUnit.txt"), file);
    const QString folder = app.root() + QStringLiteral("/Brugere/testbruger/Egenskaber");
    QCOMPARE(Toptform::designAtStart(folder), design);
    app.create();
    QCOMPARE(app.context.optform->designName(), design);
    QCOMPARE(app.context.fields.OptMappe, folder);
}

void ToptformTest::applyingTheCurrentThemeAgainRestylesNothing()
{
    QVERIFY(ThemeService::apply(QStringLiteral("Silver")));
    QWidget widget;
    widget.show();
    struct StyleChanges : QObject {
        int count = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            count += event->type() == QEvent::StyleChange;
            return false;
        }
    } changes;
    widget.installEventFilter(&changes);
    QVERIFY(ThemeService::apply(QStringLiteral("Silver")));
    QCOMPARE(changes.count, 0);
    QVERIFY(ThemeService::apply(QStringLiteral("Sky")));
    QVERIFY(changes.count > 0);
    QCOMPARE(ThemeService::currentName(), QStringLiteral("Sky"));
}

void ToptformTest::noCaptionIsCutAtTheStandardSizes_data()
{
    QTest::addColumn<QSize>("frame");
    QTest::newRow("first start") << QSize(800, 600);
    QTest::newRow("standard size") << QSize(728, 700);
    QTest::newRow("standard size with margins") << QSize(861, 800);
}

// At the size of the first start the options page cut the ends off two check boxes' texts.
void ToptformTest::noCaptionIsCutAtTheStandardSizes()
{
    QFETCH(QSize, frame);
    TestApp app;
    app.start();
    app.frame().resize(frame);
    app.frame().setMenuPanel(MenuBook::Egenskaber);
    QWidget *page = app.frame().menuBog->currentWidget();
    QTRY_VERIFY(app.context.optform->CheckInsertFirst->isVisible());
    QStringList cut;
    for (QAbstractButton *button : page->findChildren<QAbstractButton *>()) {
        const QRect shown(button->mapTo(page, QPoint(0, 0)), button->size());
        if (button->isVisible()
            && (button->width() < button->sizeHint().width() || !page->rect().contains(shown)))
            cut << button->text();
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(" | "))));
}

QTEST_MAIN(ToptformTest)
#include "tst_Toptform.moc"
