#include "documents/PlainEditor.h"
#include "documents/loading/DocumentLoader.h"
#include "documents/position/PositionTracker.h"
#include "documents/spelling/HunspellDictionary.h"
#include "documents/spelling/SpellingService.h"
#include "documents/spelling/TextMarker.h"

#include <QAbstractTextDocumentLayout>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>

// The parts a plain-text window puts together, on a file of a few megabytes: loading, marks and the
// position display working side by side.
class BigDocumentTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void bigFileOpensMarkedAndCounted();
    void onlyTheCaretsLongParagraphKeepsItsShaping();
};

void BigDocumentTest::bigFileOpensMarkedAndCounted()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("stor.txt"));
    QByteArray bytes;
    for (int n = 0; bytes.size() < 4 * 1024 * 1024; ++n)
        bytes += "Linje " + QByteArray::number(n) + " med en hsu og www.example.dk/" + QByteArray::number(n)
            + QByteArray(" og mere tekst om r\xC3\xB8"
                         "dgr\xC3\xB8"
                         "d")
                  .repeated(n % 5)
            + '\n';
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    SpellingService spelling(HunspellDictionary::systemFolders(), dir.filePath(QStringLiteral("ord.txt")));
    PlainEditor editor;
    editor.resize(600, 400);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    new TextMarker(editor, &spelling);
    auto *tracker = new PositionTracker(editor);
    DocumentLoader loader;
    QSignalSpy finished(&loader, &DocumentLoader::finished);
    QSignalSpy measured(tracker, &PositionTracker::measured);

    QVERIFY(loader.start(path, editor));
    QTRY_VERIFY(!editor.document()->firstBlock().layout()->formats().isEmpty());
    QVERIFY(finished.wait(120000));
    QTRY_VERIFY_WITH_TIMEOUT(!tracker->isMeasuring() && measured.count() > 0, 120000);

    const int blocks = editor.document()->blockCount();
    QCOMPARE(editor.document()->findBlockByNumber(blocks / 2).userData(), nullptr);
    const int counted = tracker->position().lineCount;
    QVERIFY(counted > blocks);

    editor.moveCursor(QTextCursor::End);
    QTest::keyClicks(&editor, QStringLiteral("Slut"));
    QTest::keyClick(&editor, Qt::Key_Return);
    const PositionTracker::Position atEnd = tracker->position();
    QCOMPARE(atEnd.lineCount, counted + 1);
    QCOMPARE(atEnd.line, atEnd.lineCount - 1);
    QCOMPARE(atEnd.column, 0);

    // Laying every paragraph out as the editor would gives the same count.
    for (QTextBlock block = editor.document()->firstBlock(); block.isValid(); block = block.next())
        editor.document()->documentLayout()->blockBoundingRect(block);
    QCOMPARE(editor.document()->lineCount(), atEnd.lineCount);
}

// Drawing the caret shapes its whole paragraph again unless the layout keeps it; kept for every
// paragraph the caret has visited, the shaping of a big file would stay in memory.
void BigDocumentTest::onlyTheCaretsLongParagraphKeepsItsShaping()
{
    PlainEditor editor;
    const QString longLine = QStringLiteral("lang linje ").repeated(4000);
    editor.setPlainText(longLine + u'\n' + QStringLiteral("kort") + u'\n' + longLine);
    QTextDocument &document = *editor.document();
    auto kept = [&document](int block) { return document.findBlockByNumber(block).layout()->cacheEnabled(); };
    auto moveTo = [&editor, &document](
                      int block) { editor.setTextCursor(QTextCursor(document.findBlockByNumber(block))); };
    moveTo(0);
    QVERIFY(kept(0));
    moveTo(1);
    QVERIFY(!kept(0) && !kept(1));
    moveTo(2);
    QVERIFY(kept(2));
    // The paragraph grows long under a caret that stays put, as when a file streams in.
    moveTo(1);
    QTextCursor(document.findBlockByNumber(1)).insertText(longLine);
    QVERIFY(kept(1) && !kept(2));
    // The paragraph kept goes away with the rest of the text.
    QTextCursor all(&document);
    all.select(QTextCursor::Document);
    all.removeSelectedText();
    QVERIFY(!kept(0));
}

QTEST_MAIN(BigDocumentTest)
#include "tst_BigDocument.moc"
