#include "documents/PlainEditor.h"
#include "documents/spelling/HunspellDictionary.h"
#include "documents/spelling/SpellingService.h"
#include "documents/spelling/TextMarker.h"

#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>

namespace {

// The marks of a paragraph as "misspelt:word" and "link:address".
QStringList marksOf(const QTextBlock &block)
{
    QStringList marks;
    for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
        const QString text = block.text().mid(range.start, range.length);
        if (range.format.underlineStyle() == QTextCharFormat::WaveUnderline)
            marks.append(QStringLiteral("misspelt:") + text);
        else if (range.format.underlineStyle() == QTextCharFormat::SingleUnderline)
            marks.append(QStringLiteral("link:") + text);
    }
    return marks;
}

QStringList marksOf(PlainEditor &editor, int paragraph = 0)
{
    return marksOf(editor.document()->findBlockByNumber(paragraph));
}

} // namespace

class TextMarkerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void typedWordIsMarkedOnceTheCaretLeavesIt();
    void addressesAreLinksAndNotSpellChecked();
    void onlyParagraphsInViewAreMarked();
    void addedWordLosesItsMarks();
    void withoutDictionaryOnlyLinksAreMarked();
    void marksLeaveTextUndoAndModifiedFlagAlone();

private:
    void showText(const QString &text);
    QTemporaryDir dir_;
    std::unique_ptr<SpellingService> spelling_;
    std::unique_ptr<PlainEditor> editor_;
};

void TextMarkerTest::initTestCase()
{
    spelling_ = std::make_unique<SpellingService>(
        HunspellDictionary::systemFolders(), dir_.filePath(QStringLiteral("Brugerordbog.txt")));
    QVERIFY(spelling_->isAvailable());
}

void TextMarkerTest::init()
{
    editor_ = std::make_unique<PlainEditor>();
    editor_->resize(500, 300);
}

void TextMarkerTest::cleanup()
{
    editor_.reset();
}

void TextMarkerTest::showText(const QString &text)
{
    editor_->setPlainText(text);
    editor_->show();
    QVERIFY(QTest::qWaitForWindowExposed(editor_.get()));
}

void TextMarkerTest::typedWordIsMarkedOnceTheCaretLeavesIt()
{
    new TextMarker(*editor_, spelling_.get());
    showText(QString());
    QTest::keyClicks(editor_.get(), QStringLiteral("Jeg har en hsu"));
    QCoreApplication::processEvents();
    QCOMPARE(marksOf(*editor_), QStringList());

    QTest::keyClicks(editor_.get(), QStringLiteral(" og en xqzw"));
    QTRY_COMPARE(marksOf(*editor_), QStringList { QStringLiteral("misspelt:hsu") });

    QTest::keyClick(editor_.get(), Qt::Key_Home);
    QTRY_COMPARE(
        marksOf(*editor_), (QStringList { QStringLiteral("misspelt:hsu"), QStringLiteral("misspelt:xqzw") }));
}

void TextMarkerTest::addressesAreLinksAndNotSpellChecked()
{
    new TextMarker(*editor_, spelling_.get());
    showText(QStringLiteral("Læs mere på www.xqzwdr.dk/hsu om hsu."));
    QTRY_COMPARE(marksOf(*editor_),
        (QStringList { QStringLiteral("link:www.xqzwdr.dk/hsu"), QStringLiteral("misspelt:hsu") }));
}

void TextMarkerTest::onlyParagraphsInViewAreMarked()
{
    new TextMarker(*editor_, spelling_.get());
    showText(QStringLiteral("En linje med hsu\n").repeated(5000));
    QTRY_COMPARE(marksOf(*editor_, 0), QStringList { QStringLiteral("misspelt:hsu") });
    QCOMPARE(editor_->document()->findBlockByNumber(3000).userData(), nullptr);

    editor_->verticalScrollBar()->setValue(editor_->verticalScrollBar()->maximum());
    QTRY_COMPARE(marksOf(*editor_, 4999), QStringList { QStringLiteral("misspelt:hsu") });
    QCOMPARE(editor_->document()->findBlockByNumber(3000).userData(), nullptr);
}

void TextMarkerTest::addedWordLosesItsMarks()
{
    new TextMarker(*editor_, spelling_.get());
    showText(QStringLiteral("Et ord som Kvaksalverøk findes ikke."));
    QTRY_COMPARE(marksOf(*editor_), QStringList { QStringLiteral("misspelt:Kvaksalverøk") });
    QCOMPARE(spelling_->addWord(QStringLiteral("Kvaksalverøk")), QString());
    QTRY_COMPARE(marksOf(*editor_), QStringList());
}

void TextMarkerTest::withoutDictionaryOnlyLinksAreMarked()
{
    QTemporaryDir empty;
    SpellingService missing({ empty.path() }, dir_.filePath(QStringLiteral("andre.txt")));
    new TextMarker(*editor_, &missing);
    showText(QStringLiteral("hsu https://example.dk hsu"));
    QTRY_COMPARE(marksOf(*editor_), QStringList { QStringLiteral("link:https://example.dk") });
}

void TextMarkerTest::marksLeaveTextUndoAndModifiedFlagAlone()
{
    new TextMarker(*editor_, spelling_.get());
    showText(QStringLiteral("hsu www.dr.dk"));
    QTRY_COMPARE(marksOf(*editor_).size(), 2);
    QCOMPARE(editor_->toPlainText(), QStringLiteral("hsu www.dr.dk"));
    QVERIFY(!editor_->document()->isModified());
    QVERIFY(!editor_->document()->isUndoAvailable());
}

QTEST_MAIN(TextMarkerTest)
#include "tst_TextMarker.moc"
