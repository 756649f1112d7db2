#include "documents/recovery/RecoveryCopy.h"
#include "documents/recovery/RecoveryStore.h"
#include "documents/recovery/RecoveryTimer.h"
#include "documents/recovery/RecoveryWriter.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(RecoveryCopy)

namespace {

using namespace std::chrono_literals;

RecoveryCopy plainCopy(const QString &text, const QString &fileName = {})
{
    RecoveryCopy copy;
    copy.text = text;
    copy.fileName = fileName;
    copy.untitledNumber = fileName.isEmpty() ? 2 : 0;
    copy.written = QDateTime(QDate(2026, 12, 9), QTime(10, 31, 5, 250));
    return copy;
}

QStringList runFolders(const QString &folder)
{
    return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
}

} // namespace

class RecoveryStoreTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QDir(folder()).removeRecursively(); }
    void copyKeepsEverythingToRestoreTheDocument_data();
    void copyKeepsEverythingToRestoreTheDocument();
    void damagedCopyIsToldApart_data();
    void damagedCopyIsToldApart();
    void copiesOfARunThatDidNotEndAreOfferedToTheNext();
    void secondInstanceLeavesTheCopiesOfARunningOne();
    void cleanEndLeavesNoFolderBehind();
    void keptCopiesAreOfferedAgainLater();
    void unreadableCopyIsReportedAndNeverDeleted();
    void writerKeepsTheNewestCopyAndRemovesOnRequest();
    void writerTellsWhyACopyCouldNotBeWritten();
    void copyIsDueWhenTypingStops();
    void copyIsDueWhileTypingGoesOn();
    void savedDocumentNeedsNoCopy();

private:
    QTemporaryDir dir_;
    QString folder() const { return dir_.filePath(QStringLiteral("Gendannelse")); }
};

void RecoveryStoreTest::copyKeepsEverythingToRestoreTheDocument_data()
{
    QTest::addColumn<RecoveryCopy>("copy");
    QTest::newRow("untitled, utf-8") << plainCopy(QStringLiteral("Æbler og pærer\n100\u00A0kr."));
    RecoveryCopy mixed = plainCopy(QStringLiteral("a\nb\nc\nd"), QStringLiteral("/hjem/brev.txt"));
    mixed.encoding = TextEncoding::Windows1252;
    mixed.lineEnding = LineEnding::CrLf;
    mixed.lineEndExceptions = { { 1, LineEnding::Lf }, { 2, LineEnding::Cr } };
    mixed.caret = 5;
    QTest::newRow("named, windows-1252, mixed line ends") << mixed;
    QTest::newRow("nul and control characters")
        << plainCopy(QStringLiteral("a") + QChar(0) + QStringLiteral("b\u2007c\u202F\u2028"));
    QTest::newRow("empty") << plainCopy(QString());
    RecoveryCopy rich;
    rich.kind = RecoveryCopy::Kind::RichText;
    rich.fileName = QStringLiteral("/hjem/noter.rtf");
    rich.rtf = QByteArray("{\\rtf1\\ansi {\\b fed} tekst\\par\n}");
    rich.caret = 3;
    QTest::newRow("rich text") << rich;
}

void RecoveryStoreTest::copyKeepsEverythingToRestoreTheDocument()
{
    QFETCH(RecoveryCopy, copy);
    QString reason;
    const auto read = RecoveryCopyFile::fromBytes(RecoveryCopyFile::toBytes(copy), &reason);
    QVERIFY2(read, qPrintable(reason));
    QCOMPARE(*read, copy);
}

void RecoveryStoreTest::damagedCopyIsToldApart_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = RecoveryCopyFile::toBytes(plainCopy(QStringLiteral("Vigtig tekst"), {}));
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("another file") << QByteArray("800\r\n600\r\n");
    QTest::newRow("cut in the header") << good.left(40);
    QTest::newRow("cut in the text") << good.left(good.size() - 3);
    QByteArray flipped = good;
    flipped[flipped.size() - 2] = 'X';
    QTest::newRow("a byte of the text changed") << flipped;
    QByteArray header = good;
    header.replace("\"kind\":\"text\"", "\"kind\":\"bogus\"");
    QTest::newRow("unknown kind") << header;
}

void RecoveryStoreTest::damagedCopyIsToldApart()
{
    QFETCH(QByteArray, bytes);
    QString reason;
    QVERIFY(!RecoveryCopyFile::fromBytes(bytes, &reason));
    QVERIFY(!reason.isEmpty());
}

void RecoveryStoreTest::copiesOfARunThatDidNotEndAreOfferedToTheNext()
{
    auto crashed = std::make_unique<RecoveryStore>(folder());
    QVERIFY(crashed->open());
    const QString first = crashed->copyPath(crashed->nextDocumentNumber());
    const QString second = crashed->copyPath(crashed->nextDocumentNumber());
    RecoveryCopy older = plainCopy(QStringLiteral("ældst"));
    RecoveryCopy newer = plainCopy(QStringLiteral("nyest"), QStringLiteral("/hjem/a.txt"));
    newer.written = older.written.addSecs(5);
    writeAll(second, RecoveryCopyFile::toBytes(older));
    writeAll(first, RecoveryCopyFile::toBytes(newer));
    crashed.reset(); // gone without close(), as a killed program is

    RecoveryStore next(folder());
    QVERIFY(next.open());
    const QList<RecoveryStore::Leftover> leftovers = next.takeLeftovers();
    QCOMPARE(leftovers.size(), 2);
    QCOMPARE(leftovers[0].copy->text, QStringLiteral("ældst"));
    QCOMPARE(leftovers[1].copy->fileName, QStringLiteral("/hjem/a.txt"));
    QVERIFY(next.takeLeftovers().isEmpty()); // taken once

    for (const RecoveryStore::Leftover &leftover : leftovers)
        next.discardLeftover(leftover.path);
    next.close();
    QVERIFY(runFolders(folder()).isEmpty());
    QVERIFY(QDir(folder()).entryList(QDir::Files).isEmpty());
}

void RecoveryStoreTest::secondInstanceLeavesTheCopiesOfARunningOne()
{
    RecoveryStore running(folder());
    QVERIFY(running.open());
    const QString path = running.copyPath(running.nextDocumentNumber());
    writeAll(path, RecoveryCopyFile::toBytes(plainCopy(QStringLiteral("i gang"))));

    RecoveryStore second(folder());
    QVERIFY(second.open());
    QVERIFY(second.runFolder() != running.runFolder());
    QVERIFY(second.takeLeftovers().isEmpty());
    second.close();
    QVERIFY(QFileInfo::exists(path));
    QCOMPARE(runFolders(folder()).size(), 1);
}

void RecoveryStoreTest::cleanEndLeavesNoFolderBehind()
{
    RecoveryStore store(folder());
    QVERIFY(store.open());
    QVERIFY(QFileInfo(store.runFolder()).isDir());
    store.close();
    QVERIFY(!store.isOpen());
    QVERIFY(QDir(folder()).isEmpty());

    RecoveryStore next(folder());
    QVERIFY(next.open());
    QVERIFY(next.takeLeftovers().isEmpty());
}

void RecoveryStoreTest::keptCopiesAreOfferedAgainLater()
{
    auto crashed = std::make_unique<RecoveryStore>(folder());
    QVERIFY(crashed->open());
    writeAll(crashed->copyPath(crashed->nextDocumentNumber()),
        RecoveryCopyFile::toBytes(plainCopy(QStringLiteral("gem mig"))));
    crashed.reset();

    RecoveryStore declined(folder());
    QVERIFY(declined.open());
    QCOMPARE(declined.takeLeftovers().size(), 1);
    declined.releaseLeftovers(); // "Nej": kept for a later run
    declined.close();

    RecoveryStore later(folder());
    QVERIFY(later.open());
    const QList<RecoveryStore::Leftover> leftovers = later.takeLeftovers();
    QCOMPARE(leftovers.size(), 1);
    QCOMPARE(leftovers[0].copy->text, QStringLiteral("gem mig"));
}

void RecoveryStoreTest::unreadableCopyIsReportedAndNeverDeleted()
{
    auto crashed = std::make_unique<RecoveryStore>(folder());
    QVERIFY(crashed->open());
    const QString damaged = crashed->copyPath(crashed->nextDocumentNumber());
    const QString good = crashed->copyPath(crashed->nextDocumentNumber());
    writeAll(damaged, QByteArray("Skrivora gendannelseskopi 1\n{\"length\":"));
    writeAll(good, RecoveryCopyFile::toBytes(plainCopy(QStringLiteral("god"))));
    writeAll(good + QStringLiteral(".Ab12Cd"), QByteArray("halv kopi")); // killed while writing
    crashed.reset();

    RecoveryStore next(folder());
    QVERIFY(next.open());
    const QList<RecoveryStore::Leftover> leftovers = next.takeLeftovers();
    QCOMPARE(leftovers.size(), 2);
    QVERIFY(leftovers[0].copy);
    QCOMPARE(leftovers[1].path, damaged);
    QVERIFY(!leftovers[1].copy);
    QCOMPARE(leftovers[1].error, QStringLiteral("Kopien er beskadiget."));
    QVERIFY(!QFileInfo::exists(good + QStringLiteral(".Ab12Cd")));
    next.discardLeftover(leftovers[0].path);
    next.releaseLeftovers();
    next.close();
    QCOMPARE(readAll(damaged), QByteArray("Skrivora gendannelseskopi 1\n{\"length\":"));
}

void RecoveryStoreTest::writerKeepsTheNewestCopyAndRemovesOnRequest()
{
    QDir().mkpath(folder());
    const QString path = folder() + QStringLiteral("/1.kopi");
    const QString gone = folder() + QStringLiteral("/2.kopi");
    RecoveryWriter writer;
    QSignalSpy failed(&writer, &RecoveryWriter::failed);
    for (int i = 0; i < 50; ++i)
        writer.write(path, plainCopy(QString(100000, QChar(u'a' + i % 26)) + QString::number(i)));
    writer.write(gone, plainCopy(QStringLiteral("kortvarig")));
    writer.remove(gone);
    writer.waitUntilWritten();
    const auto copy = RecoveryCopyFile::fromBytes(readAll(path), nullptr);
    QVERIFY(copy);
    QVERIFY(copy->text.endsWith(QStringLiteral("49")));
    QVERIFY(!QFileInfo::exists(gone));
    QVERIFY(failed.isEmpty());
}

void RecoveryStoreTest::writerTellsWhyACopyCouldNotBeWritten()
{
    RecoveryWriter writer;
    QSignalSpy failed(&writer, &RecoveryWriter::failed);
    const QString path = dir_.filePath(QStringLiteral("findes-ikke/1.kopi"));
    writer.write(path, plainCopy(QStringLiteral("tekst")));
    writer.waitUntilWritten();
    QTRY_COMPARE(failed.size(), 1);
    QCOMPARE(failed[0][0].toString(), path);
    QVERIFY(!failed[0][1].toString().isEmpty());
}

void RecoveryStoreTest::copyIsDueWhenTypingStops()
{
    RecoveryTimer timer(20ms, 10s);
    QSignalSpy due(&timer, &RecoveryTimer::due);
    timer.changed();
    timer.changed();
    QVERIFY(timer.isPending());
    QTRY_COMPARE(due.size(), 1);
    QVERIFY(!timer.isPending()); // nothing more until the next change
}

void RecoveryStoreTest::copyIsDueWhileTypingGoesOn()
{
    RecoveryTimer timer(10s, 100ms);
    QSignalSpy due(&timer, &RecoveryTimer::due);
    QTimer typing;
    connect(&typing, &QTimer::timeout, &timer, &RecoveryTimer::changed);
    typing.start(5);
    QTRY_COMPARE(due.size(), 1);
    QVERIFY(typing.isActive());
    QTRY_COMPARE(due.size(), 2); // and again, as long as the typing goes on
}

void RecoveryStoreTest::savedDocumentNeedsNoCopy()
{
    RecoveryTimer timer(20ms, 50ms);
    QSignalSpy due(&timer, &RecoveryTimer::due);
    timer.changed();
    timer.cancel();
    QVERIFY(!timer.isPending());
    QVERIFY(due.isEmpty());
}

QTEST_GUILESS_MAIN(RecoveryStoreTest)
#include "tst_RecoveryStore.moc"
