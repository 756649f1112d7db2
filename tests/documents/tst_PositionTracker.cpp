#include "documents/PlainEditor.h"
#include "documents/position/PositionTracker.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QtTest>

namespace {

const QString kLongParagraph = QStringLiteral(
    "Det var en kold morgen i december, da færgen fra Ærøskøbing lagde til ved kajen, og passagererne "
    "skyndte sig i land med deres kufferter, cykler og poser fulde af julegaver til familien på fastlandet.");

// The line count and caret line the editor shows once every paragraph is laid out on screen.
PositionTracker::Position truthAfterFullLayout(PlainEditor &editor)
{
    QTextDocument *document = editor.document();
    QAbstractTextDocumentLayout *layout = document->documentLayout();
    for (QTextBlock block = document->firstBlock(); block.isValid(); block = block.next())
        layout->blockBoundingRect(block);
    const int caret = editor.textCursor().selectionEnd();
    const QTextBlock block = document->findBlock(caret);
    const QTextLine line = block.layout()->lineForTextPosition(caret - block.position());
    return { block.firstLineNumber() + line.lineNumber(), caret - block.position() - line.textStart(),
        document->lineCount() };
}

void placeCaret(PlainEditor &editor, int position, int anchor = -1)
{
    QTextCursor cursor(editor.document());
    cursor.setPosition(anchor < 0 ? position : anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    editor.setTextCursor(cursor);
}

} // namespace

class PositionTrackerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void emptyDocumentShowsOneLineAndOneZero();
    void positionMatchesTheLaidOutText_data();
    void positionMatchesTheLaidOutText();
    void caretOfASelectionIsItsEnd();
    void keyPressAtTheEndOfABigDocumentLaysOutNoMore();
    void newWidthIsMeasuredAgain();
    void measuringKeepsTheTextInView();
    void fileInformationCounts_data();
    void fileInformationCounts();

private:
    void show(PlainEditor &editor, const QString &text);
};

void PositionTrackerTest::show(PlainEditor &editor, const QString &text)
{
    editor.resize(420, 300);
    editor.setPlainText(text);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
}

void PositionTrackerTest::emptyDocumentShowsOneLineAndOneZero()
{
    PlainEditor editor;
    show(editor, QString());
    auto *tracker = new PositionTracker(editor);
    const PositionTracker::Position at = tracker->position();
    QCOMPARE(at.line, 0);
    QCOMPARE(at.column, 0);
    QCOMPARE(at.lineCount, 1);
    QCOMPARE(tracker->lineCountWithoutEmptyLast(), 0);
    QCOMPARE(tracker->characterCount(LineEnding::CrLf), qint64(0));
}

void PositionTrackerTest::positionMatchesTheLaidOutText_data()
{
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");

    QString many;
    for (int i = 0; i < 300; ++i)
        many += (i % 3 == 0 ? kLongParagraph : QStringLiteral("Kort linje %1").arg(i)) + u'\n';
    const QString three = QStringLiteral("første\n") + kLongParagraph + QStringLiteral("\nsidste");
    QTest::newRow("wrapped paragraph, caret at its end") << true << three << int(7 + kLongParagraph.size());
    QTest::newRow("wrapped paragraph, caret inside") << true << three << 7 + 150;
    QTest::newRow("after a wrapped paragraph") << true << three << int(three.size());
    QTest::newRow("far below the view") << true << many << int(many.size() - 20);
    QTest::newRow("no wrapping") << false << many << int(many.size() - 20);
    QTest::newRow("tabs") << true << QStringLiteral("a\tb\tc\t").repeated(40) << 100;
    const QString longLine = kLongParagraph.repeated(200) + QStringLiteral("\nslut");
    QTest::newRow("a paragraph of 40 K characters on screen") << true << longLine << 30000;
}

void PositionTrackerTest::positionMatchesTheLaidOutText()
{
    QFETCH(bool, wrap);
    QFETCH(QString, text);
    QFETCH(int, caret);

    PlainEditor editor;
    editor.setWordWrap(wrap);
    show(editor, text);
    auto *tracker = new PositionTracker(editor);
    QSignalSpy measured(tracker, &PositionTracker::measured);
    placeCaret(editor, caret);
    if (tracker->isMeasuring())
        QVERIFY(measured.wait());

    const PositionTracker::Position at = tracker->position();
    const PositionTracker::Position truth = truthAfterFullLayout(editor);
    QCOMPARE(at.lineCount, truth.lineCount);
    QCOMPARE(at.line, truth.line);
    QCOMPARE(at.column, truth.column);
    if (!wrap)
        QCOMPARE(at.lineCount, editor.document()->blockCount());
}

void PositionTrackerTest::caretOfASelectionIsItsEnd()
{
    PlainEditor editor;
    show(editor, QStringLiteral("første linje\nanden linje"));
    auto *tracker = new PositionTracker(editor);
    placeCaret(editor, 3, 16); // selected from the second line back into the first
    const PositionTracker::Position at = tracker->position();
    QCOMPARE(at.line, 1);
    QCOMPARE(at.column, 3);
}

void PositionTrackerTest::keyPressAtTheEndOfABigDocumentLaysOutNoMore()
{
    QString text;
    for (int i = 0; i < 20000; ++i)
        text += kLongParagraph + u'\n';
    PlainEditor editor;
    show(editor, text);
    auto *tracker = new PositionTracker(editor);
    QSignalSpy measured(tracker, &PositionTracker::measured);
    QVERIFY(measured.wait(60000));
    editor.moveCursor(QTextCursor::End);
    const int before = tracker->position().lineCount;

    QTest::keyClick(&editor, Qt::Key_Return);
    QTest::keyClicks(&editor, kLongParagraph);
    const PositionTracker::Position at = tracker->position();

    QVERIFY(!tracker->isMeasuring());
    const QTextBlock middle = editor.document()->findBlockByNumber(10000);
    QCOMPARE(middle.layout()->lineCount(), 0);
    const PositionTracker::Position truth = truthAfterFullLayout(editor);
    QCOMPARE(at.lineCount, truth.lineCount);
    QVERIFY(at.lineCount > before + 1);
    QCOMPARE(at.line, truth.line);
    QCOMPARE(at.column, truth.column);
}

void PositionTrackerTest::newWidthIsMeasuredAgain()
{
    QString text;
    for (int i = 0; i < 500; ++i)
        text += kLongParagraph + u'\n';
    PlainEditor editor;
    show(editor, text);
    auto *tracker = new PositionTracker(editor);
    QSignalSpy measured(tracker, &PositionTracker::measured);
    QVERIFY(measured.wait());
    const int narrow = tracker->position().lineCount;

    editor.resize(900, 300);
    QVERIFY(measured.wait());
    const int wide = tracker->position().lineCount;
    QVERIFY(wide < narrow);
    QCOMPARE(wide, truthAfterFullLayout(editor).lineCount);
}

void PositionTrackerTest::measuringKeepsTheTextInView()
{
    QString text;
    for (int i = 0; i < 3000; ++i)
        text += kLongParagraph + QString::number(i) + u'\n';
    PlainEditor editor;
    show(editor, text);
    QTextCursor middle(editor.document()->findBlockByNumber(2000));
    editor.setTextCursor(middle);
    editor.centerCursor();
    const int topBefore = editor.cursorForPosition(QPoint(0, 0)).blockNumber();

    auto *tracker = new PositionTracker(editor);
    QSignalSpy measured(tracker, &PositionTracker::measured);
    QVERIFY(measured.wait());
    QCOMPARE(editor.cursorForPosition(QPoint(0, 0)).blockNumber(), topBefore);
    // A scroll by the wheel moves from there, not from where the old counts put the scroll bar.
    editor.verticalScrollBar()->setValue(editor.verticalScrollBar()->value() + 1);
    QVERIFY(qAbs(editor.cursorForPosition(QPoint(0, 0)).blockNumber() - topBefore) <= 1);
}

void PositionTrackerTest::fileInformationCounts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lines");
    QTest::addColumn<qint64>("charactersLf");
    QTest::addColumn<qint64>("charactersCrLf");

    QTest::newRow("empty") << QString() << 0 << qint64(0) << qint64(0);
    QTest::newRow("one line") << QStringLiteral("abc") << 1 << qint64(3) << qint64(3);
    QTest::newRow("last line empty") << QStringLiteral("abc\nde\n") << 2 << qint64(7) << qint64(9);
    QTest::newRow("last line with text") << QStringLiteral("abc\nde") << 2 << qint64(6) << qint64(7);
}

void PositionTrackerTest::fileInformationCounts()
{
    QFETCH(QString, text);
    QFETCH(int, lines);
    QFETCH(qint64, charactersLf);
    QFETCH(qint64, charactersCrLf);

    PlainEditor editor;
    show(editor, text);
    auto *tracker = new PositionTracker(editor);
    QCOMPARE(tracker->lineCountWithoutEmptyLast(), lines);
    QCOMPARE(tracker->characterCount(LineEnding::Lf), charactersLf);
    QCOMPARE(tracker->characterCount(LineEnding::CrLf), charactersCrLf);
}

QTEST_MAIN(PositionTrackerTest)
#include "tst_PositionTracker.moc"
