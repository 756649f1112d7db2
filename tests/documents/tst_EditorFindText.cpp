#include "documents/PlainEditor.h"
#include "documents/RichEditor.h"

#include <QTextCursor>
#include <QtTest>

// The editors' search primitive: the program's one matching rule over the editor's text, which follows
// every edit.
class EditorFindTextTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void findsByTheOneRule_data();
    void findsByTheOneRule();
    void followsEdits();
    void neverSpansTwoParagraphs();
    void richTextPositionsCountEveryCharacter();
};

void EditorFindTextTest::findsByTheOneRule_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("options");
    QTest::addColumn<int>("expected");

    const int word = EditorControl::WholeWord;
    const int match = EditorControl::MatchCase;
    QTest::newRow("case-blind, danish letters") << "søg SØG"
                                                << "SØG" << 0 << -1 << 0 << 0;
    QTest::newRow("match case") << "søg SØG"
                                << "SØG" << 0 << -1 << match << 4;
    QTest::newRow("whole word passes over ordbog") << "ordbog ord"
                                                   << "ord" << 0 << -1 << word << 7;
    QTest::newRow("whole word: ord-bog") << "ord-bog"
                                         << "ord" << 0 << -1 << word << 0;
    QTest::newRow("whole word: ordå") << "ordå"
                                      << "ord" << 0 << -1 << word << -1;
    QTest::newRow("inside the range") << "aaaa"
                                      << "aa" << 1 << 2 << 0 << 1;
    QTest::newRow("crossing the range end") << "abcabc"
                                            << "bc" << 2 << 3 << 0 << -1;
    QTest::newRow("a line break is one character") << "ab\ncd"
                                                   << "cd" << 0 << -1 << 0 << 3;
    QTest::newRow("empty needle") << "abc"
                                  << "" << 0 << -1 << 0 << -1;
}

void EditorFindTextTest::findsByTheOneRule()
{
    QFETCH(QString, text);
    QFETCH(QString, needle);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(int, options);
    QFETCH(int, expected);
    PlainEditor editor;
    editor.setPlainText(text);
    QCOMPARE(editor.FindText(needle, start, length, EditorControl::FindOptions(options)), expected);
}

void EditorFindTextTest::followsEdits()
{
    PlainEditor editor;
    editor.setPlainText(QStringLiteral("et ord"));
    QCOMPARE(editor.FindText(QStringLiteral("ord"), 0, -1, {}), 3);
    QTextCursor cursor(editor.document());
    cursor.insertText(QStringLiteral("påskeæg og "));
    QCOMPARE(editor.FindText(QStringLiteral("ord"), 0, -1, {}), 14);
    QCOMPARE(editor.FindText(QStringLiteral("PÅSKEÆG"), 0, -1, {}), 0);
    editor.clear();
    QCOMPARE(editor.FindText(QStringLiteral("ord"), 0, -1, {}), -1);
}

void EditorFindTextTest::neverSpansTwoParagraphs()
{
    PlainEditor editor;
    editor.setPlainText(QStringLiteral("ab\ncd"));
    QCOMPARE(editor.FindText(QStringLiteral("b\nc"), 0, -1, {}), -1);
    // The paragraph's end bounds a word as a space does.
    QCOMPARE(editor.FindText(QStringLiteral("ab"), 0, -1, EditorControl::WholeWord), 0);
}

void EditorFindTextTest::richTextPositionsCountEveryCharacter()
{
    RichEditor editor;
    editor.setHtml(QStringLiteral("<p>Et <b>påskeæg</b></p><p>to PÅSKEÆG</p>"));
    QCOMPARE(editor.FindText(QStringLiteral("påskeæg"), 0, -1, {}), 3);
    QCOMPARE(editor.FindText(QStringLiteral("påskeæg"), 4, -1, {}), 14);
}

QTEST_MAIN(EditorFindTextTest)
#include "tst_EditorFindText.moc"
