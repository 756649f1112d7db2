#include "documents/DocumentArea.h"
#include "documents/PlainEditor.h"
#include "documents/TFunktioner.h"
#include "documents/Twinform1.h"
#include "documents/model/Document.h"
#include "documents/recovery/RecoveryCopy.h"
#include "documents/recovery/RecoveryService.h"
#include "documents/recovery/RecoveryStore.h"
#include "frame/RecoveryOffer.h"
#include "frame/Tmainform.h"
#include "support/FileBytes.h"
#include "support/OptionsFile.h"
#include "support/TestApp.h"

#include <QDir>
#include <QtTest>

using namespace std::chrono_literals;

namespace {

QString recoveryFolder(const TestApp &app)
{
    return app.settingsPath(RecoveryStore::folderName());
}

// The copies of this run, as the program keeps them.
QList<RecoveryCopy> copiesOfThisRun(TestApp &app)
{
    QList<RecoveryCopy> copies;
    const QDir run(app.frame().recovery()->store().runFolder());
    for (const QString &name : run.entryList({ QStringLiteral("*.kopi") }, QDir::Files, QDir::Name)) {
        if (auto copy = RecoveryCopyFile::fromBytes(readAll(run.filePath(name)), nullptr))
            copies << *copy;
    }
    return copies;
}

// What a run that was killed leaves: an unlocked folder of copies.
void leaveCopies(TestApp &app, const QList<RecoveryCopy> &copies)
{
    const QString run = recoveryFolder(app) + QStringLiteral("/20261209-103000000-4242");
    QDir().mkpath(run);
    for (int i = 0; i < copies.size(); ++i)
        writeAll(run + u'/' + QString::number(i + 1) + QStringLiteral(".kopi"),
            RecoveryCopyFile::toBytes(copies[i]));
}

RecoveryCopy plainCopy(const QString &text, const QString &fileName = {}, int number = 0)
{
    RecoveryCopy copy;
    copy.text = text;
    copy.fileName = fileName;
    copy.untitledNumber = number;
    copy.encoding = fileName.isEmpty() ? TextEncoding::Utf8 : TextEncoding::Windows1252;
    copy.lineEnding = LineEnding::CrLf;
    copy.written = QDateTime(QDate(2026, 12, 9), QTime(10, 31));
    return copy;
}

Twinform1 *activeWindow(TestApp &app)
{
    return qobject_cast<Twinform1 *>(app.frame().documents()->activeDocument());
}

Twinform1 *windowCaptioned(TestApp &app, const QString &caption)
{
    for (DocumentWindow *window : app.frame().documents()->windowsInOrder()) {
        if (window->capNavn() == caption)
            return qobject_cast<Twinform1 *>(window);
    }
    return nullptr;
}

void type(Twinform1 *window, const QString &text)
{
    window->Editor->setFocus();
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, window->Editor, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QString shown(QString message)
{
    return message.replace(u'\r', u'\n');
}

} // namespace

// Recovery copies of modified documents, and the documents given back after a run that did not end.
class RecoveryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void modifiedDocumentGetsACopyThatSavingTakesAway();
    void closingWithNejTakesTheCopyAway();
    void endedFromOutsideEveryCopyIsWrittenBeforeAnyQuestion();
    void cleanCloseLeavesNoCopies();
    void jaGivesTheDocumentsBackAsModified();
    void recoveredTextReplacesADocumentReopenedFromTheLastRun();
    void nejKeepsTheCopiesForTheNextStart();
    void unreadableCopyIsToldAndKept();
};

void RecoveryTest::modifiedDocumentGetsACopyThatSavingTakesAway()
{
    TestApp app;
    const QString path = app.writeFile(QStringLiteral("brev.txt"), "Kære Åse\r\n");
    app.create();
    app.frame().recovery()->setTimes(20ms, 10s);
    app.start({ path });
    Twinform1 *window = activeWindow(app);
    window->Editor->moveCursor(QTextCursor::End);
    type(window, QStringLiteral("100\u00A0kr."));
    QTRY_COMPARE(copiesOfThisRun(app).size(), 1);
    const RecoveryCopy copy = copiesOfThisRun(app).first();
    QCOMPARE(copy.fileName, path);
    QCOMPARE(copy.text, QStringLiteral("Kære Åse\n100\u00A0kr."));
    QCOMPARE(copy.lineEnding, LineEnding::CrLf);
    QCOMPARE(copy.caret, copy.text.size());

    window->Gem();
    app.frame().recovery()->waitUntilWritten();
    QVERIFY(copiesOfThisRun(app).isEmpty());
}

void RecoveryTest::closingWithNejTakesTheCopyAway()
{
    TestApp app;
    app.create();
    app.frame().recovery()->setTimes(20ms, 10s);
    app.start();
    app.frame().funk()->openwin(QString(), QStringLiteral(".txt"));
    type(activeWindow(app), QStringLiteral("kladde"));
    QTRY_COMPARE(copiesOfThisRun(app).size(), 1);
    QCOMPARE(copiesOfThisRun(app).first().untitledNumber, 1);
    app.modal().answer(2); // Nej
    QVERIFY(activeWindow(app)->parentWidget()->close());
    app.frame().recovery()->waitUntilWritten();
    QVERIFY(copiesOfThisRun(app).isEmpty());
}

// A termination signal once showed the save question and waited, and the system's kill a few seconds
// later took the text with it.
void RecoveryTest::endedFromOutsideEveryCopyIsWrittenBeforeAnyQuestion()
{
    TestApp app;
    app.create();
    app.frame().recovery()->setTimes(1h, 1h);
    app.start();
    app.frame().funk()->openwin(QString(), QStringLiteral(".txt"));
    type(activeWindow(app), QStringLiteral("første"));
    app.frame().funk()->openwin(QString(), QStringLiteral(".txt"));
    type(activeWindow(app), QStringLiteral("anden"));
    QVERIFY(copiesOfThisRun(app).isEmpty());

    app.frame().writeRecoveryCopiesNow();
    QVERIFY(app.modal().shown.isEmpty());
    QStringList texts;
    for (const RecoveryCopy &copy : copiesOfThisRun(app))
        texts << copy.text;
    texts.sort();
    QCOMPARE(texts, (QStringList { QStringLiteral("anden"), QStringLiteral("første") }));
}

void RecoveryTest::cleanCloseLeavesNoCopies()
{
    TestApp app;
    app.create();
    app.frame().recovery()->setTimes(20ms, 10s);
    app.start();
    app.frame().funk()->openwin(QString(), QStringLiteral(".txt"));
    type(activeWindow(app), QStringLiteral("kasseres"));
    QTRY_COMPARE(copiesOfThisRun(app).size(), 1);
    app.modal().answer(2); // Nej
    QVERIFY(app.close());
    QVERIFY(QDir(recoveryFolder(app)).isEmpty());
}

void RecoveryTest::jaGivesTheDocumentsBackAsModified()
{
    TestApp app;
    const QString path = app.writeFile(QStringLiteral("brev.txt"), "K\xE6re \xC5se\r\n");
    RecoveryCopy named = plainCopy(QStringLiteral("Kære Åse\nMange hilsner"), path);
    named.caret = 4;
    leaveCopies(app, { named, plainCopy(QStringLiteral("Kladde"), {}, 2) });
    app.modal().answer(1); // Ja
    app.start();
    QTRY_COMPARE(app.frame().documents()->windowsInOrder().size(), 2);
    QCOMPARE(app.modal().texts(),
        QStringList {
            shown(RecoveryOffer::question({ named, plainCopy(QStringLiteral("Kladde"), {}, 2) })) });
    QVERIFY(app.modal().texts().first().contains(QStringLiteral("\nbrev.txt\n2. Dokument (uden navn)\n")));

    Twinform1 *letter = windowCaptioned(app, QStringLiteral("brev.txt"));
    QVERIFY(letter);
    QCOMPARE(letter->Filnavn(), path);
    QCOMPARE(letter->Editor->toPlainText(), QStringLiteral("Kære Åse\nMange hilsner"));
    QVERIFY(letter->document()->isModified());
    QCOMPARE(letter->Editor->textCursor().position(), 4);
    QCOMPARE(readAll(path), QByteArray("K\xE6re \xC5se\r\n")); // not saved until the user saves
    Twinform1 *draft = windowCaptioned(app, QStringLiteral("2. Dokument"));
    QVERIFY(draft);
    QVERIFY(draft->document()->isModified());

    // The copies live on as copies of this run; the old run's are gone.
    QCOMPARE(copiesOfThisRun(app).size(), 2);
    QCOMPARE(QDir(recoveryFolder(app)).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
    letter->Gem();
    QCOMPARE(readAll(path), QByteArray("K\xE6re \xC5se\r\nMange hilsner"));
    // A new document counts on from the recovered number.
    app.frame().funk()->openwin(QString(), QStringLiteral(".txt"));
    QCOMPARE(activeWindow(app)->capNavn(), QStringLiteral("3. Dokument"));
}

void RecoveryTest::recoveredTextReplacesADocumentReopenedFromTheLastRun()
{
    TestApp app;
    app.writeSettingsFile(QStringLiteral("optUnit.txt"),
        OptionsFile::with({ { OptionsFile::Dokumenter, "1" }, { OptionsFile::DokumenterAgain, "1" } }));
    const QString path = app.writeFile(QStringLiteral("noter.txt"), "gammel\n");
    app.writeSettingsFile(QStringLiteral("Dokumentfil.txt"), path.toUtf8() + "\r\n");
    leaveCopies(app, { plainCopy(QStringLiteral("gammel\nny linje"), path) });
    app.modal().answer(1);
    app.start();
    QTRY_VERIFY(
        app.modal().shown.size() == 1 && activeWindow(app) && activeWindow(app)->document()->isModified());
    QCOMPARE(app.frame().documents()->windowsInOrder().size(), 1);
    QCOMPARE(activeWindow(app)->Editor->toPlainText(), QStringLiteral("gammel\nny linje"));
}

void RecoveryTest::nejKeepsTheCopiesForTheNextStart()
{
    TestApp app;
    leaveCopies(app, { plainCopy(QStringLiteral("Vigtigt"), {}, 1) });
    app.modal().answer(2); // Nej
    app.start();
    QTRY_COMPARE(app.modal().shown.size(), 1);
    QCOMPARE(app.frame().documents()->windowsInOrder().size(), 0);
    QVERIFY(app.close());

    app.modal().answer(1);
    app.restart();
    QTRY_COMPARE(app.frame().documents()->windowsInOrder().size(), 1);
    QCOMPARE(activeWindow(app)->Editor->toPlainText(), QStringLiteral("Vigtigt"));
}

void RecoveryTest::unreadableCopyIsToldAndKept()
{
    TestApp app;
    const QString run = recoveryFolder(app) + QStringLiteral("/20261209-103000000-4242");
    QDir().mkpath(run);
    const QString damaged = run + QStringLiteral("/1.kopi");
    writeAll(damaged, "Skrivora gendannelseskopi 1\n{\"length\":9");
    app.start();
    QTRY_COMPARE(app.modal().texts(),
        QStringList { shown(QStringLiteral("Gendannelseskopien:\r") + QDir::toNativeSeparators(damaged)
            + QStringLiteral("\rkunne ikke læses. Kopien er beskadiget.\rKopien er ikke slettet.")) });
    QVERIFY(app.close());
    QCOMPARE(readAll(damaged), QByteArray("Skrivora gendannelseskopi 1\n{\"length\":9"));
}

QTEST_MAIN(RecoveryTest)
#include "tst_Recovery.moc"
