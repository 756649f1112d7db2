#include "documents/DocumentArea.h"
#include "documents/DocumentWindow.h"
#include "documents/SearchWord.h"
#include "documents/TFunktioner.h"
#include "frame/OpenDocumentsMenu.h"
#include "frame/Tmainform.h"
#include "support/TestApp.h"

#include <QtTest>

namespace {

QStringList captions(TestApp &app)
{
    QStringList result;
    for (const DocumentWindow *window : app.frame().documents()->windowsInOrder())
        result << window->capNavn();
    return result;
}

const QString kLogQuestion = QStringLiteral(
    "Filtype: .log\n\nFiltypen er ikke indført eller afkrydset i listen over tekstfiler, der kan åbnes til "
    "redigering. \n\nFiltypen kan indføres i Filtypeboksen, så der ikke spørges en anden gang.\n\nSkal den "
    "åbnes til redigering?");

} // namespace

class TFunktionerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void dispatchesByExtension_data();
    void dispatchesByExtension();
    void openFileComesToTheFrontInsteadOfOpeningTwice();
    void newDocumentAfterTwoFilesIsNumberThree();
    void unlistedTypeAsksFirst_data();
    void unlistedTypeAsksFirst();
    void runsAndEditsThroughTheShell();
    void shellFailuresAreReportedInDanish_data();
    void shellFailuresAreReportedInDanish();
    void fileSizes_data();
    void fileSizes();
    void searchWord_data();
    void searchWord();
    void openMenuCountsTheDocuments();
    void openMenuTellsDocumentsOfTheSameNameApart();
};

void TFunktionerTest::dispatchesByExtension_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("window");
    QTest::addColumn<bool>("shell");
    QTest::newRow("text") << QStringLiteral("brev.txt") << true << false;
    QTest::newRow("capitals") << QStringLiteral("BREV.TXT") << true << false;
    QTest::newRow("batch file is text") << QStringLiteral("start.bat") << true << false;
    QTest::newRow("pdf to its program") << QStringLiteral("rapport.pdf") << false << true;
    QTest::newRow("picture to its program") << QStringLiteral("foto.JPG") << false << true;
    QTest::newRow("library refused") << QStringLiteral("kode.dll") << false << false;
    QTest::newRow("address refused") << QStringLiteral("link.url") << false << false;
}

void TFunktionerTest::dispatchesByExtension()
{
    QFETCH(QString, name);
    QFETCH(bool, window);
    QFETCH(bool, shell);
    TestApp app;
    app.start();
    const QString path = app.writeFile(name, "indhold");
    app.frame().funk()->openwin(path, QString());
    QCOMPARE(app.frame().documents()->windowsInOrder().size(), window ? 1 : 0);
    QCOMPARE(app.shell().calls.size(), shell ? 1 : 0);
    if (shell)
        QCOMPARE(app.shell().calls[0].operation, QStringLiteral("open"));
    QCOMPARE(app.context.fields.docExt, TFunktioner::extensionOf(name).toLower());
    QVERIFY(app.modal().shown.isEmpty());
}

void TFunktionerTest::openFileComesToTheFrontInsteadOfOpeningTwice()
{
    TestApp app;
    const QString first = app.writeFile(QStringLiteral("Brev.txt"), "1");
    const QString second = app.writeFile(QStringLiteral("andet.txt"), "2");
    app.start({ first, second });
    app.frame().funk()->openwin(
        first.toUpper().replace(QStringLiteral("/TMP/"), QStringLiteral("/tmp/")), QString());
    app.frame().funk()->openwin(app.root() + QStringLiteral("/filer/BREV.txt"), QString());
    QCOMPARE(captions(app), (QStringList { QStringLiteral("Brev.txt"), QStringLiteral("andet.txt") }));
}

void TFunktionerTest::newDocumentAfterTwoFilesIsNumberThree()
{
    TestApp app;
    app.start({ app.writeFile(QStringLiteral("a.txt"), "a"), app.writeFile(QStringLiteral("b.txt"), "b") });
    app.frame().funk()->openwin(QString(), QStringLiteral(".txt"));
    QCOMPARE(captions(app).first(), QStringLiteral("3. Dokument"));
}

void TFunktionerTest::unlistedTypeAsksFirst_data()
{
    QTest::addColumn<QByteArray>("typeList");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("opens");
    const QByteArray standard = "Tekstfil\r\n*.txt\r\n1\r\n";
    QTest::newRow("not listed, Nej") << standard << 2 << true << false;
    QTest::newRow("not listed, Ja") << standard << 1 << true << true;
    QTest::newRow("listed with its tick") << standard + "Logfil\r\n*.LOG\r\n1\r\n" << 0 << false << true;
    QTest::newRow("listed without its tick") << standard + "Logfil\r\n*.log\r\n0\r\n" << 2 << true << false;
    QTest::newRow("empty list accepts every file") << QByteArray() << 0 << false << true;
}

void TFunktionerTest::unlistedTypeAsksFirst()
{
    QFETCH(QByteArray, typeList);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, opens);
    TestApp app;
    if (!typeList.isEmpty())
        app.writeSettingsFile(QStringLiteral("ExtListe.txt"), typeList);
    app.start();
    if (answer)
        app.modal().answer(answer);
    app.frame().funk()->openwin(app.writeFile(QStringLiteral("system.log"), "log"), QString());
    QCOMPARE(app.modal().texts(), asked ? QStringList { kLogQuestion } : QStringList());
    QCOMPARE(app.frame().documents()->windowsInOrder().size(), opens ? 1 : 0);
}

void TFunktionerTest::runsAndEditsThroughTheShell()
{
    TestApp app;
    app.create();
    TFunktioner &funk = *app.frame().funk();
    const QString batch = app.writeFile(QStringLiteral("kør.BAT"), "echo hej");
    const QString text = app.writeFile(QStringLiteral("noter.txt"), "x");
    funk.runFilname(batch, 0);
    funk.runFilname(text, 0);
    funk.runFilname(text, 1);
    funk.runFilname(app.root() + QStringLiteral("/mangler.txt"), 0);
    funk.OpenFilen(text, true);
    funk.OpenFilen(text, false);
    QStringList operations;
    for (const RecordingShell::Call &call : app.shell().calls)
        operations << call.operation + u' ' + QFileInfo(call.target).fileName();
    QCOMPARE(operations,
        (QStringList { QStringLiteral("runBatch kør.BAT"), QStringLiteral("open noter.txt"),
            QStringLiteral("edit noter.txt"), QStringLiteral("edit noter.txt"),
            QStringLiteral("open noter.txt") }));
    QVERIFY(app.modal().shown.isEmpty());
}

void TFunktionerTest::shellFailuresAreReportedInDanish_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0
                       << QStringLiteral("Operationssystemet er løbet tør for hukommelse eller resourcer.");
    QTest::newRow("2") << 2 << QStringLiteral("Den specificerede fil blev ikke fundet.");
    QTest::newRow("26") << 26 << QStringLiteral("Der opstod en \"sharing violation\".");
    QTest::newRow("30") << 30
                        << QStringLiteral(
                               "Den \"Dynamic Data Exchange (DDE) transaction\" kunne ikke fuldføres\n"
                               "fordi andre \"DDE transactions\" skulle udføres.");
    QTest::newRow("31 no editor") << 31
                                  << QStringLiteral(
                                         "Der er ikke associeret noget program til givne filefternavn.\n"
                                         "Der er muligvist valgt: For redigering.\nDer skal muligvist "
                                         "vælges: For kørsel.");
    QTest::newRow("other") << 17 << QStringLiteral("Meningsløs operation eller ukendt fejl.");
}

void TFunktionerTest::shellFailuresAreReportedInDanish()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    TestApp app;
    app.create();
    app.shell().result = code;
    app.frame().funk()->OpenFilen(app.writeFile(QStringLiteral("billede.png"), "png"), true);
    QCOMPARE(app.modal().texts(), QStringList { QStringLiteral("Fejlinformation:\n") + text });
}

void TFunktionerTest::fileSizes_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << qint64(0) << QStringLiteral("0 bytes");
    QTest::newRow("999") << qint64(999) << QStringLiteral("999 bytes");
    QTest::newRow("1000") << qint64(1000) << QStringLiteral("0,98 KB");
    QTest::newRow("1 MB less a bit") << qint64(999999) << QStringLiteral("976,56 KB");
    QTest::newRow("1,5 MB") << qint64(1572864) << QStringLiteral("1,50 MB");
    QTest::newRow("ten digits are GB") << qint64(1023) * 1024 * 1024 << QStringLiteral("1,00 GB");
}

void TFunktionerTest::fileSizes()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark));
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("fil")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(bytes));
    file.close();
    QCOMPARE(TFunktioner::getFileSizeString(file.fileName()), text);
    QCOMPARE(TFunktioner::getFileSizeString(dir.filePath(QStringLiteral("mangler"))), QString());
}

void TFunktionerTest::searchWord_data()
{
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("searched");
    QTest::newRow("selection ending in two spaces")
        << QStringLiteral("to ord  ") << QString() << 0 << QStringLiteral("to ord ");
    QTest::newRow("inside Ærø-færge")
        << QString() << QStringLiteral("Tag Ærø-færge nu") << 7 << QStringLiteral("Ærø-færge");
    QTest::newRow("after café") << QString() << QStringLiteral("en café ") << 7
                                << QStringLiteral("Der mangler et søgeord");
    QTest::newRow("empty line") << QString() << QString() << 0 << QStringLiteral("Der mangler et søgeord");
    QTest::newRow("at line end") << QString() << QStringLiteral("side 42") << 7 << QStringLiteral("42");
}

void TFunktionerTest::searchWord()
{
    QFETCH(QString, selection);
    QFETCH(QString, line);
    QFETCH(int, caret);
    QFETCH(QString, searched);
    QCOMPARE(SearchWord::searchText(SearchWord::getTheWord(selection, line, caret)), searched);
}

void TFunktionerTest::openMenuCountsTheDocuments()
{
    QCOMPARE(OpenDocumentsMenu::countText(0), QStringLiteral("Der er ingen åbne dokumenter"));
    QCOMPARE(OpenDocumentsMenu::countText(1), QStringLiteral("Der er et åbent dokument"));
    QCOMPARE(OpenDocumentsMenu::countText(3), QStringLiteral("Der er 3 åbne dokumenter"));

    TestApp app;
    app.start();
    auto *menu = app.frame().findChild<OpenDocumentsMenu *>();
    QVERIFY(menu);
    for (int i = 0; i < 3; ++i)
        app.frame().funk()->openwin(QString(), QStringLiteral(".txt"));
    Q_EMIT menu->aboutToShow();
    QCOMPARE(menu->mDocAntalCaption()->text(), QStringLiteral("Der er 3 åbne dokumenter"));
    QCOMPARE(menu->actions().size(), 5);
    menu->actions().last()->trigger();
    QCOMPARE(app.frame().documents()->activeDocument()->capNavn(), QStringLiteral("1. Dokument"));
}

void TFunktionerTest::openMenuTellsDocumentsOfTheSameNameApart()
{
    TestApp app;
    const QString first = app.writeFile(QStringLiteral("noter.txt"), "1");
    const QString second = app.writeFile(QStringLiteral("arkiv/noter.txt"), "2");
    app.start({ first, second });
    auto *menu = app.frame().findChild<OpenDocumentsMenu *>();
    Q_EMIT menu->aboutToShow();
    const QList<QAction *> entries = menu->actions().mid(2);
    QCOMPARE(entries.size(), 2);
    for (QAction *entry : entries) {
        QCOMPARE(entry->text(), QStringLiteral("noter.txt"));
        entry->trigger();
        const QString shown = app.frame().documents()->activeDocument()->Filnavn();
        QCOMPARE(entry->toolTip(), QDir::toNativeSeparators(QFileInfo(shown).absolutePath()));
    }
    QCOMPARE(app.frame().documents()->activeDocument()->Filnavn(), first);
}

QTEST_MAIN(TFunktionerTest)
#include "tst_TFunktioner.moc"
