#include "app/DocumentInfoWidgets.h"
#include "documents/DocumentArea.h"
#include "documents/PlainEditor.h"
#include "documents/TFunktioner.h"
#include "documents/Twinform1.h"
#include "frame/DocumentTabStrip.h"
#include "frame/Tmainform.h"
#include "lists/FileListBox.h"
#include "lists/Tfilform.h"
#include "options/Toptform.h"
#include "support/ActionClick.h"
#include "support/FileBytes.h"
#include "support/OptionsFile.h"
#include "support/TestApp.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStatusBar>
#include <QToolTip>
#include <QtTest>

namespace {

Twinform1 *activeWindow(TestApp &app)
{
    return qobject_cast<Twinform1 *>(app.frame().documents()->activeDocument());
}

// Types as the user does, letter by letter, Danish letters included.
void type(Twinform1 *window, const QString &text)
{
    window->Editor->setFocus();
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, window->Editor, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// In a table of answers to a question: the user presses Enter.
constexpr int kEnter = -1;

} // namespace

class Twinform1Test : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void unchangedFileIsSavedByteForByte_data();
    void unchangedFileIsSavedByteForByte();
    void savingChangesOnlyWhatWasTyped_data();
    void savingChangesOnlyWhatWasTyped();
    void linesTypedIntoAMixedFileTakeItsUsualLineEnd();
    void newDocumentsAreNumberedAndSavedAsUtf8();
    void saveAsProposesUdenNavnAndRenamesTheTab();
    void declinedOverwriteChangesNothing_data();
    void declinedOverwriteChangesNothing();
    void closeQuestion_data();
    void closeQuestion();
    void programCloseStopsWhenAModifiedDocumentCouldNotBeSaved();
    void escapeOnTheSaveQuestionGoesBackToTheText_data();
    void escapeOnTheSaveQuestionGoesBackToTheText();
    void unreadableFileIsReportedAndNeverSavedOver();
    void missingFileKeepsItsNameAndAsksBeforeSaving();
    void emptyDocumentShowsPositionAndLineCounts();
    void fileInformationOfASavedFile();
    void documentsOfTheLastRunReopenAfterTheCommandLine();
    void tabsFollowTheWindows();
    void webSearchOpensTheAddressWithTheWord();
    void bigFileShowsAtOnceAndSavesOnlyWhenWhole();
    void closingDuringTheLoadJustStopsIt();
    void keysTypedDuringTheLoadAreRefusedAloud();
    void textBeyondItsEncodingIsSavedWholeAndToldOnce();
    void changedDocumentIsMarkedOnItsTabUntilSaved();
    void positionDisplayStaysInSight_data();
    void positionDisplayStaysInSight();
    void lineCountsOfTheBarAndTheFilPageAgree();
    void toolBarButtonsHaveCaptionsOfTheirOwn();
    void relativeNameFromTheCommandLineOpensOnceUnderItsFullName();
    void linkAddressShowsInEveryHintMode_data();
    void linkAddressShowsInEveryHintMode();
};

void Twinform1Test::unchangedFileIsSavedByteForByte_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("utf-8 without mark, lf") << QByteArray("R\xC3\xB8"
                                                          "dgr\xC3\xB8"
                                                          "d\nmed fl\xC3\xB8"
                                                          "de\n");
    QTest::newRow("utf-8 with mark, crlf") << QByteArray("\xEF\xBB\xBF\xC3\x86"
                                                         "ble\r\np\xC3\xA5 \xC3\x85"
                                                         "en\r\n");
    QTest::newRow("windows-1252, crlf") << QByteArray("\xC6"
                                                      "ble p\xE5 \xC5"
                                                      "en \x80\r\nslut");
    QTest::newRow("utf-16 le") << QByteArray("\xFF\xFE\xE6\x00\r\x00\n\x00z\x00", 10);
    QTest::newRow("utf-16 be") << QByteArray("\xFE\xFF\x00\xE6\x00\n\x00z", 8);
    QTest::newRow("shell script, lf") << QByteArray("#!/bin/sh\necho hej\n");
    QTest::newRow("cr only") << QByteArray("a\rb\r");
}

void Twinform1Test::unchangedFileIsSavedByteForByte()
{
    QFETCH(QByteArray, bytes);
    TestApp app;
    const QString path = app.writeFile(QStringLiteral("dokument.txt"), bytes);
    app.start({ path });
    Twinform1 *window = activeWindow(app);
    QVERIFY(window);
    QCOMPARE(window->capNavn(), QStringLiteral("dokument.txt"));
    QCOMPARE(window->windowTitle(), QStringLiteral("dokument.txt"));
    window->Gem();
    QCOMPARE(readAll(path), bytes);
    QVERIFY(app.modal().shown.isEmpty());
}

void Twinform1Test::savingChangesOnlyWhatWasTyped_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("no-break space, utf-8") << QByteArray("100\xC2\xA0kr.\n");
    QTest::newRow("no-break space, windows-1252") << QByteArray("100\xA0kr. og \xE6\xF8\xE5\r\n");
    QTest::newRow("no-break space, utf-16 le") << QByteArray("\xFF\xFE"
                                                             "1\0\xA0\0k\0r\0",
        10);
    QTest::newRow("figure space") << QByteArray("1\xE2\x80\x87"
                                                "000\n");
    QTest::newRow("narrow no-break space") << QByteArray("10\xE2\x80\xAF%\n");
    QTest::newRow("line and paragraph separators") << QByteArray("a\xE2\x80\xA8"
                                                                 "b\n");
    QTest::newRow("crlf with some lf") << QByteArray("a\r\nb\nc\r\nd\r\n");
    QTest::newRow("lf with lone cr") << QByteArray("a\rb\nc\nd\r");
    QTest::newRow("equal share of each") << QByteArray("1\r\n2\n3\r4\r\n5\n6\r");
    QTest::newRow("nul bytes") << QByteArray("a\0b\r\n\0\r\n", 9);
    QTest::newRow("with a final line end") << QByteArray("første\r\nanden\r\n");
    QTest::newRow("without a final line end") << QByteArray("første\r\nanden");
}

// Saving once changed characters nobody touched: every no-break space became a plain space, and the
// line ends of a file with mixed ones all became the most frequent kind.
void Twinform1Test::savingChangesOnlyWhatWasTyped()
{
    QFETCH(QByteArray, bytes);
    TestApp app;
    const QString path = app.writeFile(QStringLiteral("dokument.txt"), bytes);
    app.start({ path });
    Twinform1 *window = activeWindow(app);
    QVERIFY(window);
    window->Editor->moveCursor(QTextCursor::End);
    type(window, QStringLiteral("x"));
    window->Gem();
    const bool utf16 = bytes.startsWith("\xFF\xFE");
    QCOMPARE(readAll(path), bytes + (utf16 ? QByteArray("x\0", 2) : QByteArray("x")));
    QVERIFY(app.modal().shown.isEmpty());
}

void Twinform1Test::linesTypedIntoAMixedFileTakeItsUsualLineEnd()
{
    TestApp app;
    const QString path = app.writeFile(QStringLiteral("blandet.txt"), "en\r\nto\ntre\r\nfire\r\n");
    app.start({ path });
    Twinform1 *window = activeWindow(app);
    QTextCursor cursor = window->Editor->textCursor();
    cursor.setPosition(4); // between the letters of "to", which ends in LF
    window->Editor->setTextCursor(cursor);
    QTest::keyClick(window->Editor, Qt::Key_Return); // "t" CR LF "o" LF
    cursor.setPosition(10); // after "tre": joins "tre" and "fire"
    window->Editor->setTextCursor(cursor);
    QTest::keyClick(window->Editor, Qt::Key_Delete);
    window->Gem();
    QCOMPARE(readAll(path), QByteArray("en\r\nt\r\no\ntrefire\r\n"));
}

void Twinform1Test::newDocumentsAreNumberedAndSavedAsUtf8()
{
    TestApp app;
    app.start();
    app.frame().funk()->openwin(QString(), QStringLiteral(".txt"));
    app.frame().funk()->openwin(QString(), QStringLiteral(".txt"));
    const QList<DocumentWindow *> windows = app.frame().documents()->windowsInOrder();
    QCOMPARE(windows.size(), 2);
    QCOMPARE(windows[1]->capNavn(), QStringLiteral("1. Dokument"));
    QCOMPARE(windows[0]->capNavn(), QStringLiteral("2. Dokument"));

    Twinform1 *window = activeWindow(app);
    type(window, QStringLiteral("Æ→ø"));
    QVERIFY(app.context.fields.docModified);
    const QString path = app.root() + QStringLiteral("/filer/ny");
    QDir().mkpath(app.root() + QStringLiteral("/filer"));
    app.platform.fileDialogs.saveAnswers.enqueue(path);
    window->Gem();
    QCOMPARE(readAll(path + QStringLiteral(".txt")), QByteArray("\xC3\x86\xE2\x86\x92\xC3\xB8"));
    QVERIFY(!app.context.fields.docModified);
    QCOMPARE(window->capNavn(), QStringLiteral("ny.txt"));
}

void Twinform1Test::saveAsProposesUdenNavnAndRenamesTheTab()
{
    TestApp app;
    const QString first = app.writeFile(QStringLiteral("a.txt"), "a");
    app.start({ first });
    app.frame().funk()->openwin(QString(), QStringLiteral(".txt"));
    Twinform1 *window = activeWindow(app);
    QCOMPARE(window->capNavn(), QStringLiteral("2. Dokument"));
    QCOMPARE(app.frame().tc->tabText(1), QStringLiteral("2. Dokument"));

    const QString target = app.root() + QStringLiteral("/filer/notat.txt");
    app.platform.fileDialogs.saveAnswers.enqueue(target);
    window->GemSom();
    QCOMPARE(app.platform.fileDialogs.suggestedSavePaths.last(), QStringLiteral("UdenNavn"));
    QCOMPARE(app.frame().tc->tabText(1), QStringLiteral("notat.txt"));
    QCOMPARE(window->Filnavn(), target);
    QCOMPARE(app.context.fields.dokumentFilnavn, target);
    QVERIFY(QFileInfo::exists(target));
}

void Twinform1Test::declinedOverwriteChangesNothing_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("Nej") << 2;
    QTest::newRow("Enter") << kEnter;
}

void Twinform1Test::declinedOverwriteChangesNothing()
{
    QFETCH(int, answer);
    TestApp app;
    const QString existing = app.writeFile(QStringLiteral("findes.txt"), "gammelt indhold");
    app.start();
    app.frame().funk()->openwin(QString(), QStringLiteral(".txt"));
    Twinform1 *window = activeWindow(app);
    type(window, QStringLiteral("nyt"));
    app.platform.fileDialogs.saveAnswers.enqueue(existing);
    answer == kEnter ? app.modal().pressEnter() : app.modal().answer(answer);
    window->GemSom();
    QCOMPARE(app.modal().texts(),
        QStringList {
            QStringLiteral("Der eksisterer allerede en fil med indførte navn.\nSkal filen overskrives?") });
    QCOMPARE(readAll(existing), QByteArray("gammelt indhold"));
    QCOMPARE(window->capNavn(), QStringLiteral("1. Dokument"));
    QCOMPARE(app.frame().tc->tabText(0), QStringLiteral("1. Dokument"));
    QVERIFY(window->Filnavn().isEmpty());
}

void Twinform1Test::closeQuestion_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("saveDialogAnswers");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("saved");
    QTest::newRow("Nej closes without saving") << 2 << false << true << false;
    QTest::newRow("Ja saves and closes") << 1 << true << true << true;
    QTest::newRow("Ja, save dialog cancelled: stays open") << 1 << false << false << false;
    QTest::newRow("Enter saves and closes") << kEnter << true << true << true;
}

void Twinform1Test::closeQuestion()
{
    QFETCH(int, answer);
    QFETCH(bool, saveDialogAnswers);
    QFETCH(bool, closes);
    QFETCH(bool, saved);
    TestApp app;
    app.start();
    app.frame().funk()->openwin(QString(), QStringLiteral(".txt"));
    Twinform1 *window = activeWindow(app);
    type(window, QStringLiteral("Vigtig tekst"));
    const QString target = app.root() + QStringLiteral("/gemt.txt");
    if (saveDialogAnswers)
        app.platform.fileDialogs.saveAnswers.enqueue(target);
    answer == kEnter ? app.modal().pressEnter() : app.modal().answer(answer);
    QCOMPARE(window->parentWidget()->close(), closes);
    QCOMPARE(app.modal().texts().first(),
        QStringLiteral("Dokumentet: 1. Dokument\ner modificeret.\nSkal det gemmes?"));
    QCOMPARE(QFileInfo::exists(target), saved);
    QCoreApplication::processEvents();
    QCOMPARE(app.frame().documents()->windowsInOrder().size(), closes ? 0 : 1);
    if (!closes)
        QCOMPARE(window->Editor->toPlainText(), QStringLiteral("Vigtig tekst"));
    else
        QCOMPARE(
            app.frame().infoWidgets().filnavnEdit->text(), QStringLiteral("Der er ingen åbne dokumenter."));
}

void Twinform1Test::programCloseStopsWhenAModifiedDocumentCouldNotBeSaved()
{
    TestApp app;
    app.start();
    app.frame().funk()->openwin(QString(), QStringLiteral(".txt"));
    type(activeWindow(app), QStringLiteral("Må ikke gå tabt"));
    app.modal().answer(1); // Ja, then the save dialog is cancelled
    QVERIFY(!app.close());
    QCOMPARE(app.frame().documents()->windowsInOrder().size(), 1);
    QVERIFY(!QFileInfo::exists(app.settingsPath(QStringLiteral("Main.txt"))));
    app.modal().answer(2); // Nej: now it closes
    QVERIFY(app.close());
    QVERIFY(QFileInfo::exists(app.settingsPath(QStringLiteral("Main.txt"))));
}

void Twinform1Test::escapeOnTheSaveQuestionGoesBackToTheText_data()
{
    QTest::addColumn<QString>("closing");
    QTest::addColumn<bool>("escape"); // else the question's close box
    for (const char *closing : { "document", "Luk alle", "program" }) {
        QTest::addRow("%s, Escape", closing) << QString::fromLatin1(closing) << true;
        QTest::addRow("%s, close box", closing) << QString::fromLatin1(closing) << false;
    }
}

// Escape and the close box once counted as "Nej" and threw the text away.
void Twinform1Test::escapeOnTheSaveQuestionGoesBackToTheText()
{
    QFETCH(QString, closing);
    QFETCH(bool, escape);
    TestApp app;
    app.start();
    app.frame().funk()->openwin(QString(), QStringLiteral(".txt"));
    Twinform1 *window = activeWindow(app);
    type(window, QStringLiteral("Ikke gemt endnu"));
    escape ? app.modal().pressEscape() : app.modal().pressCloseBox();

    if (closing == u"document")
        QVERIFY(!window->parentWidget()->close());
    else if (closing == u"Luk alle")
        app.frame().command(QStringLiteral("winLukAlle"))->trigger();
    else
        QVERIFY(!app.close());

    QCOMPARE(app.modal().texts(),
        QStringList { QStringLiteral("Dokumentet: 1. Dokument\ner modificeret.\nSkal det gemmes?") });
    QCoreApplication::processEvents();
    QCOMPARE(app.frame().documents()->windowsInOrder().size(), 1);
    QCOMPARE(window->Editor->toPlainText(), QStringLiteral("Ikke gemt endnu"));
    QVERIFY(window->Editor->isModified());
}

void Twinform1Test::unreadableFileIsReportedAndNeverSavedOver()
{
    TestApp app;
    const QString folder = app.root() + QStringLiteral("/filer/mappe.txt");
    QDir().mkpath(folder);
    app.start();
    app.frame().funk()->openwin(folder, QString());
    QCOMPARE(app.modal().texts(),
        QStringList { QStringLiteral("Filen:\n") + folder
            + QStringLiteral("\nkunne ikke læses.\nNavnet er en mappe, ikke en fil.") });
    Twinform1 *window = activeWindow(app);
    QVERIFY(window->Filnavn().isEmpty());
    type(window, QStringLiteral("x"));
    window->Gem(); // asks for a new name; cancelled
    QCOMPARE(app.platform.fileDialogs.suggestedSavePaths, QStringList { QStringLiteral("UdenNavn") });
    QVERIFY(QFileInfo(folder).isDir());
}

void Twinform1Test::missingFileKeepsItsNameAndAsksBeforeSaving()
{
    TestApp app;
    const QString path = app.writeFile(QStringLiteral("forsvinder.txt"), "tekst");
    app.start({ path });
    Twinform1 *window = activeWindow(app);
    QFile::remove(path);
    app.frame().udskrivFilInfo();
    QCOMPARE(app.frame().infoWidgets().filModificeretLabel->text(),
        QStringLiteral("Dokumentet eksisterer ikke. Muligvis slettet eller omdøbt."));
    QVERIFY(app.context.fields.docModified);
    app.modal().answer(1);
    window->Gem();
    QCOMPARE(app.modal().texts().last(),
        QStringLiteral("Skal dokumentet gemmes med følgende filnavn:\nforsvinder.txt?"));
    QCOMPARE(readAll(path), QByteArray("tekst"));
}

void Twinform1Test::emptyDocumentShowsPositionAndLineCounts()
{
    TestApp app;
    app.start();
    app.frame().funk()->openwin(QString(), QStringLiteral(".txt"));
    Twinform1 *window = activeWindow(app);
    QCOMPARE(window->posLabel->text(), QStringLiteral("1,0"));
    QCOMPARE(window->antalLabel->text(), QStringLiteral("1"));
    QCOMPARE(app.frame().infoWidgets().antalLinjerLabel->text(), QStringLiteral("Antal linjer: 0"));
    QCOMPARE(
        app.frame().infoWidgets().filnavnEdit->text(), QStringLiteral("Dokumentet har ikke noget navn."));
    QCOMPARE(
        app.frame().infoWidgets().filModificeretLabel->text(), QStringLiteral("Dokumentet er ikke gem."));

    type(window, QStringLiteral("ab"));
    QTest::keyClick(window->Editor, Qt::Key_Return);
    QTest::keyClicks(window->Editor, QStringLiteral("cde"));
    QCOMPARE(window->posLabel->text(), QStringLiteral("2,3"));
    QCOMPARE(window->antalLabel->text(), QStringLiteral("2"));

    // Text written by a command, with no key released in the editor, moves the display too.
    app.platform.clock.time = QDateTime(QDate(2024, 2, 5), QTime(9, 5, 3));
    QVERIFY(clickWhenEnabled(
        app.frame().command(QStringLiteral("aDato3")), [&app] { app.frame().updateActions(); }));
    QCOMPARE(window->Editor->toPlainText(), QStringLiteral("ab\ncde2024-02-05"));
    QCOMPARE(window->posLabel->text(), QStringLiteral("2,13"));
}

void Twinform1Test::fileInformationOfASavedFile()
{
    QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark));
    TestApp app;
    const QString path
        = app.writeFile(QStringLiteral("tusind.txt"), (QByteArray(49, 'x') + "\n").repeated(20));
    app.start({ path });
    const DocumentInfoWidgets &info = app.frame().infoWidgets();
    QCOMPARE(info.filnavnEdit->text(), QStringLiteral("tusind.txt"));
    QCOMPARE(info.docFilnavnEdit->text(), QStringLiteral("tusind.txt"));
    QCOMPARE(info.skiftDocFilnavnEdit->text(), QStringLiteral("tusind.txt"));
    QCOMPARE(info.filsizeLabel->text(), QStringLiteral("Filstørrelse: 0,98 KB (1000 tegn)"));
    QCOMPARE(info.antalLinjerLabel->text(), QStringLiteral("Antal linjer: 20"));
    QCOMPARE(info.filModificeretLabel->text(), QStringLiteral("Dokumentet er gemt"));
}

void Twinform1Test::documentsOfTheLastRunReopenAfterTheCommandLine()
{
    const QMap<int, QByteArray> remember
        = { { OptionsFile::Dokumenter, "1" }, { OptionsFile::DokumenterAgain, "1" } };
    QString first, second, third;
    {
        TestApp app;
        app.writeSettingsFile(QStringLiteral("optUnit.txt"), OptionsFile::with(remember));
        first = app.writeFile(QStringLiteral("en.txt"), "1");
        second = app.writeFile(QStringLiteral("to.txt"), "2");
        app.start({ first, second });
        app.frame().funk()->openwin(QString(), QStringLiteral(".txt")); // never saved: not remembered
        QVERIFY(app.close());
        // The active document first, then by earlier activation.
        QCOMPARE(app.readSettingsFile(QStringLiteral("Dokumentfil.txt")),
            second.toUtf8() + "\r\n" + first.toUtf8() + "\r\n");
    }
    TestApp app;
    app.writeSettingsFile(QStringLiteral("optUnit.txt"), OptionsFile::with(remember));
    first = app.writeFile(QStringLiteral("en.txt"), "1");
    second = app.writeFile(QStringLiteral("to.txt"), "2");
    third = app.writeFile(QStringLiteral("tre.txt"), "3");
    app.writeSettingsFile(
        QStringLiteral("Dokumentfil.txt"), second.toUtf8() + "\r\n" + first.toUtf8() + "\r\n");
    app.start({ third });
    QStringList tabs;
    for (int i = 0; i < app.frame().tc->count(); ++i)
        tabs << app.frame().tc->tabText(i);
    QCOMPARE(tabs,
        (QStringList { QStringLiteral("tre.txt"), QStringLiteral("to.txt"), QStringLiteral("en.txt") }));
}

void Twinform1Test::tabsFollowTheWindows()
{
    TestApp app;
    const QString a = app.writeFile(QStringLiteral("a.txt"), "a");
    const QString b = app.writeFile(QStringLiteral("b.txt"), "b");
    const QString otherBrev = app.writeFile(QStringLiteral("andet/brev.txt"), "2");
    const QString brev = app.writeFile(QStringLiteral("brev.txt"), "1");
    app.start({ a, b });
    DocumentTabStrip *tabs = app.frame().tc;
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(0), QStringLiteral("a.txt"));
    QCOMPARE(tabs->currentIndex(), 1);

    tabs->setCurrentIndex(0);
    QCOMPARE(activeWindow(app)->Filnavn(), a);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    QCOMPARE(activeWindow(app)->Filnavn(), b);
    QCOMPARE(app.frame().Info->text(), b);

    // Two tabs with the same text, each bound to its own window and told apart by the folder: the first
    // could once not be reached, since tabs were found by their text.
    app.frame().funk()->openwin(brev, QString());
    app.frame().funk()->openwin(otherBrev, QString());
    QCOMPARE(tabs->count(), 4);
    QCOMPARE(tabs->tabText(2), QStringLiteral("brev.txt"));
    QCOMPARE(tabs->tabText(3), QStringLiteral("brev.txt"));
    QVERIFY(tabs->tabToolTip(2).startsWith(QDir::toNativeSeparators(QFileInfo(brev).absolutePath())));
    QVERIFY(tabs->tabToolTip(3).startsWith(QDir::toNativeSeparators(QFileInfo(otherBrev).absolutePath())));
    tabs->setCurrentIndex(2);
    QCOMPARE(activeWindow(app)->Filnavn(), brev);
    tabs->setCurrentIndex(3);
    QCOMPARE(activeWindow(app)->Filnavn(), otherBrev);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    QCOMPARE(activeWindow(app)->Filnavn(), brev);
    QCOMPARE(app.frame().Info->text(), brev);

    // Closing either takes its own tab, wherever it stands.
    activeWindow(app)->parentWidget()->close();
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(2), QStringLiteral("brev.txt"));
    tabs->setCurrentIndex(2);
    QCOMPARE(activeWindow(app)->Filnavn(), otherBrev);

    app.context.optform->dokumentlinjeCheck->setChecked(false);
}

void Twinform1Test::webSearchOpensTheAddressWithTheWord()
{
    TestApp app;
    const QString path = app.writeFile(QStringLiteral("ord.txt"), "Vi tog Ærø-færgen i går");
    app.start({ path });
    Twinform1 *window = activeWindow(app);
    window->Editor->setSelection(9, 0);
    window->googleUrl->trigger();
    window->Editor->setSelection(0, 3);
    window->tubeUrl->trigger();
    window->Editor->setSelection(23, 0);
    window->bingUrl->trigger();
    QCOMPARE(app.shell().calls.size(), 3);
    QCOMPARE(app.shell().calls[0].target,
        QStringLiteral("https://www.google.com/search?q=%C3%86r%C3%B8-f%C3%A6rgen"));
    QCOMPARE(app.shell().calls[1].target, QStringLiteral("https://www.youtube.com/results?search_query=Vi"));
    QCOMPARE(app.shell().calls[2].target, QStringLiteral("https://www.bing.com/search?q=g%C3%A5r"));
}

namespace {

QByteArray bigText()
{
    QByteArray text;
    for (int line = 0; text.size() < 4 * 1024 * 1024; ++line)
        text += "Linje " + QByteArray::number(line) + ": rødgrød med fløde og æbleskiver\r\n";
    return text;
}

} // namespace

void Twinform1Test::bigFileShowsAtOnceAndSavesOnlyWhenWhole()
{
    TestApp app;
    const QByteArray bytes = bigText();
    const QString path = app.writeFile(QStringLiteral("stor.log"), bytes);
    app.start();
    app.frame().funk()->openwin(path, QString());
    Twinform1 *window = activeWindow(app);
    QVERIFY(window->isLoading());
    QVERIFY(window->Editor->toPlainText().startsWith(QStringLiteral("Linje 0: rødgrød")));
    QVERIFY(!app.frame().tc->tabIcon(0).isNull());
    QCOMPARE(app.frame().infoWidgets().filsizeLabel->text(), QStringLiteral("Dokumentet indlæses ..."));

    window->Gem();
    QCOMPARE(app.modal().texts(),
        QStringList { QStringLiteral("Dokumentet:\nstor.log\nindlæses stadig. Det kan "
                                     "gemmes, når hele filen er indlæst.") });
    QTRY_VERIFY_WITH_TIMEOUT(!window->isLoading(), 60000);
    QVERIFY(app.frame().tc->tabIcon(0).isNull());
    QVERIFY(!window->Editor->isModified());
    QVERIFY(app.frame().infoWidgets().filsizeLabel->text().startsWith(QStringLiteral("Filstørrelse: ")));
    window->Gem();
    QCOMPARE(readAll(path), bytes);
}

void Twinform1Test::closingDuringTheLoadJustStopsIt()
{
    TestApp app;
    const QString path = app.writeFile(QStringLiteral("stor.txt"), bigText());
    app.start({ path });
    Twinform1 *window = activeWindow(app);
    QVERIFY(window->isLoading());
    QVERIFY(window->parentWidget()->close());
    QVERIFY(app.modal().shown.isEmpty());
    QCOMPARE(readAll(path), bigText());
    QVERIFY(app.close());
}

// Keys typed while a big file streamed in were dropped without a word.
void Twinform1Test::keysTypedDuringTheLoadAreRefusedAloud()
{
    TestApp app;
    const QString path = app.writeFile(QStringLiteral("stor.txt"), bigText());
    app.start({ path });
    Twinform1 *window = activeWindow(app);
    QVERIFY(window->isLoading());
    QTest::keyClick(window->Editor, Qt::Key_Down); // moving about is no edit
    QVERIFY(app.frame().bundPanel->currentMessage().isEmpty());
    type(window, QStringLiteral("x"));
    QCOMPARE(app.frame().bundPanel->currentMessage(),
        QStringLiteral("stor.txt indlæses stadig og kan ikke ændres, før hele filen er indlæst."));
    QTRY_VERIFY_WITH_TIMEOUT(!window->isLoading(), 60000);
    QVERIFY(!window->Editor->isModified());
}

// A character Windows-1252 has no room for went into a file of that encoding: the file became UTF-8 with
// a mark without a word, and other programs then read it otherwise.
void Twinform1Test::textBeyondItsEncodingIsSavedWholeAndToldOnce()
{
    TestApp app;
    const QString path = app.writeFile(QStringLiteral("gammel.txt"), "K\xE6re Ole\r\n");
    app.start({ path });
    Twinform1 *window = activeWindow(app);
    window->Editor->moveCursor(QTextCursor::End);
    type(window, QStringLiteral("Łódź"));
    window->Gem();
    QCOMPARE(readAll(path), QByteArray("\xEF\xBB\xBFK\xC3\xA6re Ole\r\n\xC5\x81\xC3\xB3\x64\xC5\xBA"));
    QCOMPARE(app.modal().texts(),
        QStringList {
            QStringLiteral("Dokumentet: gammel.txt\nindeholder tegn, som tegnsættet Windows-1252 ikke "
                           "har.\nDet er derfor gemt uden tab i tegnsættet UTF-8 med BOM.") });
    type(window, QStringLiteral("!"));
    window->Gem();
    QCOMPARE(app.modal().texts().size(), 1);
}

// Nothing showed that a document had changes that were not saved, nor that Ctrl+S had saved them.
void Twinform1Test::changedDocumentIsMarkedOnItsTabUntilSaved()
{
    TestApp app;
    const QString path = app.writeFile(QStringLiteral("brev.txt"), "Kære Ole\n");
    app.start({ path });
    app.frame().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&app.frame()));
    Twinform1 *window = activeWindow(app);
    DocumentTabStrip *tabs = app.frame().tc;
    QVERIFY(tabs->tabIcon(0).isNull());

    type(window, QStringLiteral("Hej"));
    QVERIFY(!tabs->tabIcon(0).isNull());
    QCOMPARE(tabs->tabText(0), QStringLiteral("brev.txt"));
    QVERIFY(tabs->tabToolTip(0).endsWith(QStringLiteral("Dokumentet er ikke gemt")));

    QTest::keyClick(window->Editor, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(readAll(path), QByteArray("HejKære Ole\n"));
    QVERIFY(tabs->tabIcon(0).isNull());
    QCOMPARE(app.frame().bundPanel->currentMessage(), QStringLiteral("Gemt"));

    // Undoing back to what was saved leaves nothing to save.
    type(window, QStringLiteral("!"));
    QVERIFY(!tabs->tabIcon(0).isNull());
    QTest::keyClick(window->Editor, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(tabs->tabIcon(0).isNull());
}

void Twinform1Test::positionDisplayStaysInSight_data()
{
    QTest::addColumn<QSize>("frame");
    QTest::newRow("first start") << QSize(800, 600);
    QTest::newRow("standard size") << QSize(728, 700);
    QTest::newRow("standard size with margins") << QSize(861, 800);
    QTest::newRow("narrow") << QSize(480, 500);
}

// At the default size the display folded into the tool bar's extension menu, so the user never saw it.
void Twinform1Test::positionDisplayStaysInSight()
{
    QFETCH(QSize, frame);
    TestApp app;
    const QString path = app.writeFile(QStringLiteral("brev.txt"), "Kære Ole\nHej");
    app.start({ path });
    app.frame().resize(frame);
    Twinform1 *window = activeWindow(app);
    QTRY_COMPARE(window->parentWidget()->width(), app.frame().documents()->viewport()->width());
    for (QLabel *label : { window->posLabel, window->antalLabel }) {
        QVERIFY(label->isVisible());
        const QRect shown(label->mapTo(window, QPoint(0, 0)), label->size());
        QVERIFY2(window->rect().contains(shown), qPrintable(label->text()));
        QVERIFY(label->width() >= label->sizeHint().width());
    }
}

// The "Fil" page counted the lines once, when the document was activated, before the lines below the first
// screen were laid out: it showed fewer than the position display.
void Twinform1Test::lineCountsOfTheBarAndTheFilPageAgree()
{
    TestApp app;
    QByteArray text;
    for (int line = 0; line < 20000; ++line)
        text += "Linje " + QByteArray::number(line)
            + ": r\xC3\xB8"
              "dgr\xC3\xB8"
              "d med fl\xC3\xB8"
              "de og \xC3\xA6"
              "bleskiver til alle\n";
    text.chop(1);
    const QString path = app.writeFile(QStringLiteral("linjer.txt"), text);
    app.start({ path });
    Twinform1 *window = activeWindow(app);
    QLabel *filPage = app.frame().infoWidgets().antalLinjerLabel;
    QTRY_COMPARE(window->antalLabel->text(), QStringLiteral("20000"));
    QTRY_COMPARE(filPage->text(), QStringLiteral("Antal linjer: 20000"));

    // Narrower, every line wraps: both counts follow once the new width is laid out.
    app.frame().resize(300, 600);
    QTRY_VERIFY(window->antalLabel->text().toInt() >= 40000);
    QTRY_COMPARE(filPage->text(), QStringLiteral("Antal linjer: ") + window->antalLabel->text());
}

// The "Fil" drop-down and the button of the "Fil" page both read "Fil".
void Twinform1Test::toolBarButtonsHaveCaptionsOfTheirOwn()
{
    TestApp app;
    app.start();
    app.frame().funk()->openwin(QString(), QStringLiteral(".txt"));
    QStringList captions;
    for (const QAbstractButton *button :
        activeWindow(app)->redskabsPanel->findChildren<QAbstractButton *>()) {
        if (!button->text().isEmpty()) {
            QVERIFY2(!captions.contains(button->text()), qPrintable(button->text()));
            captions << button->text();
        }
    }
    QVERIFY(captions.contains(QStringLiteral("Fil")));
}

// A relative name was kept as typed: opened again by its full name it got a second window, and the
// lists and Dokumentfil.txt kept a name that fails from another folder.
void Twinform1Test::relativeNameFromTheCommandLineOpensOnceUnderItsFullName()
{
    const QMap<int, QByteArray> remember
        = { { OptionsFile::Dokumenter, "1" }, { OptionsFile::DokumenterAgain, "1" } };
    TestApp app;
    app.writeSettingsFile(QStringLiteral("optUnit.txt"), OptionsFile::with(remember));
    const QString path = app.writeFile(QStringLiteral("notat.txt"), "tekst");
    const QString started = QDir::currentPath();
    QDir::setCurrent(QFileInfo(path).absolutePath());
    app.start({ QStringLiteral("notat.txt") });
    app.frame().funk()->openwin(QStringLiteral("./../filer/notat.txt"), QString());
    QDir::setCurrent(started);

    app.frame().funk()->openwin(path, QString());
    QCOMPARE(app.frame().documents()->windowsInOrder().size(), 1);
    QCOMPARE(activeWindow(app)->Filnavn(), path);
    QCOMPARE(app.context.fields.dokumentFilnavn, path);
    QCOMPARE(app.context.filform->ListBox2->count(), 1);
    QVERIFY(app.close());
    QCOMPARE(app.readSettingsFile(QStringLiteral("Dokumentfil.txt")), path.toUtf8() + "\r\n");
}

void Twinform1Test::linkAddressShowsInEveryHintMode_data()
{
    QTest::addColumn<QByteArray>("hintMode");
    QTest::newRow("hints on the status line (the default)") << QByteArray("0");
    QTest::newRow("hints at the elements") << QByteArray("1");
    QTest::newRow("no hints") << QByteArray("2");
}

// The program-wide tooltip switch swallowed the editor's tooltip event while the window's hints were off.
void Twinform1Test::linkAddressShowsInEveryHintMode()
{
    QFETCH(QByteArray, hintMode);
    TestApp app;
    app.writeSettingsFile(
        QStringLiteral("optUnit.txt"), OptionsFile::with({ { OptionsFile::HintMode, hintMode } }));
    const QString path = app.writeFile(QStringLiteral("link.txt"), "Se www.dr.dk i dag");
    app.start({ path });
    Twinform1 *window = activeWindow(app);
    QTextCursor at(window->Editor->document());
    at.setPosition(8);
    const QPoint point = window->Editor->cursorRect(at).center();
    QWidget *viewport = window->Editor->viewport();
    QHelpEvent help(QEvent::ToolTip, point, viewport->mapToGlobal(point));
    QApplication::sendEvent(viewport, &help);
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("www.dr.dk"));
    QToolTip::hideText();
}

QTEST_MAIN(Twinform1Test)
#include "tst_Twinform1.moc"
