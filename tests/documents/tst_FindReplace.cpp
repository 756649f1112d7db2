#include "app/RadioGroup.h"
#include "app/SearchPageControls.h"
#include "documents/DocumentArea.h"
#include "documents/PlainEditor.h"
#include "documents/RichEditor.h"
#include "documents/TFunktioner.h"
#include "documents/Twinform1.h"
#include "documents/Twinform2.h"
#include "documents/find/FindReplace.h"
#include "frame/Tmainform.h"
#include "support/ActionClick.h"
#include "support/TestApp.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

#include <memory>

namespace {

// Where find and replace run: a document window reached through the frame's commands and its "Søg"
// page, or an editor on a page of its own.
class Subject {
public:
    virtual ~Subject() = default;
    virtual EditorControl &editor() = 0;
    virtual const SearchPageControls &page() = 0;
    // Runs "Find tekst" or "Erstat tekst" and gives the count shown; -1 when the command did not run.
    virtual int run(const char *command) = 0;

    void load(const QString &text)
    {
        editor().document()->setPlainText(text);
        editor().setSelection(0, 0);
    }
};

// A document window of the whole program, plain (Twinform1) or rich (Twinform2): the commands run as a
// click on their buttons does, and the count is read off the page.
template <typename Window> class DocumentWindowSubject : public Subject {
public:
    explicit DocumentWindowSubject(const char *extension)
    {
        app_.start();
        app_.frame().funk()->openwin(QString(), QString::fromLatin1(extension));
        window_ = qobject_cast<Window *>(app_.frame().documents()->activeDocument());
        if (!window_)
            qFatal("no %s window", extension);
    }
    EditorControl &editor() override { return *window_->Editor; }
    const SearchPageControls &page() override { return app_.frame().searchControls(); }
    int run(const char *command) override
    {
        page().antalFundLabel->setText(QStringLiteral("Antal forekomster:"));
        if (!clickWhenEnabled(
                app_.frame().command(QString::fromLatin1(command)), [this] { app_.frame().updateActions(); }))
            return -1;
        const QString shown = page().antalFundLabel->text();
        const QString prefix = QStringLiteral("Antal forekomster: ");
        if (!shown.startsWith(prefix))
            return -1;
        return shown.mid(prefix.size()).toInt();
    }
    Window *window() const { return window_; }

private:
    TestApp app_;
    Window *window_ = nullptr;
};

class PlainWindowSubject : public DocumentWindowSubject<Twinform1> {
public:
    PlainWindowSubject()
        : DocumentWindowSubject(".txt")
    { }
};

class RichWindowSubject : public DocumentWindowSubject<Twinform2> {
public:
    RichWindowSubject()
        : DocumentWindowSubject(".rtf")
    { }
};

// A rich-text editor with the page's controls of its own, run as a document window runs it.
class RichEditorSubject : public Subject {
public:
    RichEditorSubject()
        : retGroup_(QStringLiteral("Søgeretning"), { QStringLiteral("Tilbage"), QStringLiteral("Fremad") })
    {
        page_
            = { &ordEdit_, &erstatEdit_, &retGroup_, &ssCheck_, &heleOrdCheck_, &erstatAlleCheck_, &label_ };
        retGroup_.setItemIndex(1);
    }
    EditorControl &editor() override { return editor_; }
    const SearchPageControls &page() override { return page_; }
    int run(const char *command) override
    {
        FindReplace run(editor_, page_, [this] { ++refreshes_; });
        return qstrcmp(command, "findTekst") == 0 ? run.FindOrd() : run.ErstatTekst();
    }
    int positionRefreshes() const { return refreshes_; }
    RichEditor &richEditor() { return editor_; }

private:
    RichEditor editor_;
    QLineEdit ordEdit_;
    QLineEdit erstatEdit_;
    RadioGroup retGroup_;
    QCheckBox ssCheck_;
    QCheckBox heleOrdCheck_;
    QCheckBox erstatAlleCheck_;
    QLabel label_;
    SearchPageControls page_;
    int refreshes_ = 0;
};

enum Kind { PlainWindow, RichWindow, RichEditorAlone };
const QList<std::pair<Kind, const char *>> kKinds
    = { { PlainWindow, "plain window" }, { RichWindow, "rich window" }, { RichEditorAlone, "rich editor" } };

std::unique_ptr<Subject> subject(Kind kind)
{
    switch (kind) {
    case PlainWindow:
        return std::make_unique<PlainWindowSubject>();
    case RichWindow:
        return std::make_unique<RichWindowSubject>();
    case RichEditorAlone:
        break;
    }
    return std::make_unique<RichEditorSubject>();
}

enum Option { Backward = 1, MatchCase = 2, WholeWord = 4, All = 8 };

void setOptions(
    const SearchPageControls &page, const QString &needle, const QString &replacement, int options)
{
    page.ordEdit->setText(needle);
    page.erstatEdit->setText(replacement);
    page.retGroup->setItemIndex(options & Backward ? 0 : 1);
    page.SsCheck->setChecked(options & MatchCase);
    page.HeleOrdCheck->setChecked(options & WholeWord);
    page.erstatAlleCheck->setChecked(options & All);
}

} // namespace

class FindReplaceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void runs_data();
    void runs();
    void replaceAllIsOneStepOfUndoAndOneChange_data();
    void replaceAllIsOneStepOfUndoAndOneChange();
    void positionDisplayFollowsTheRunOnce();
    void replacementTakesTheFormattingOfTheOccurrence();
};

// Each case runs a sequence of commands ("f" find, "r" replace) from a selection and checks the count of
// each, then the text and the selection left.
void FindReplaceTest::runs_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selectionStart");
    QTest::addColumn<int>("selectionLength");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<int>("options");
    QTest::addColumn<QString>("commands");
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<int>("expectedStart");
    QTest::addColumn<int>("expectedLength");

    const QString three = QStringLiteral("ord ord ord");
    for (const auto &[kind, kindName] : kKinds) {
        auto row = [&](const char *name) -> QTestData & {
            return QTest::addRow("%s: %s", kindName, name) << int(kind);
        };
        row("forward one at a time, then nothing")
            << three << 0 << 0 << "ord"
            << "" << 0 << "ffff" << QList<int> { 1, 1, 1, 0 } << three << 8 << 3;
        row("forward all: the last stays selected")
            << three << 0 << 0 << "ord"
            << "" << int(All) << "f" << QList<int> { 3 } << three << 8 << 3;
        row("forward all of aa in aaaa") << "aaaa" << 0 << 0 << "aa"
                                         << "" << int(All) << "f" << QList<int> { 2 } << "aaaa" << 2 << 2;
        row("backward all of aa in aaaa")
            << "aaaa" << 4 << 0 << "aa"
            << "" << Backward + All << "f" << QList<int> { 2 } << "aaaa" << 0 << 2;
        row("backward of aa from the end of aaa: the rightmost only")
            << "aaa" << 3 << 0 << "aa"
            << "" << Backward + All << "f" << QList<int> { 1 } << "aaa" << 1 << 2;
        row("backward one at a time")
            << three << 11 << 0 << "ord"
            << "" << int(Backward) << "fff" << QList<int> { 1, 1, 1 } << three << 0 << 3;
        row("nothing found leaves the selection")
            << "ordbog ordå 2ord" << 2 << 5 << "ord"
            << "" << WholeWord + All << "f" << QList<int> { 0 } << "ordbog ordå 2ord" << 2 << 5;
        row("whole word passes over ordbog")
            << "ordbog (ord) ord-bog" << 0 << 0 << "ord"
            << "" << WholeWord + All << "f" << QList<int> { 2 } << "ordbog (ord) ord-bog" << 13 << 3;
        row("without match case, Søg finds søg and SØG")
            << "søg SØG Søg" << 0 << 0 << "Søg"
            << "" << int(All) << "f" << QList<int> { 3 } << "søg SØG Søg" << 8 << 3;
        row("with match case, only Søg")
            << "søg SØG Søg" << 0 << 0 << "Søg"
            << "" << MatchCase + All << "f" << QList<int> { 1 } << "søg SØG Søg" << 8 << 3;
        row("across lines") << "første\nanden ord\nord" << 0 << 0 << "ord"
                            << "" << int(All) << "f" << QList<int> { 2 } << "første\nanden ord\nord" << 17
                            << 3;
        row("replace one: the first after the caret, the caret after it")
            << three << 1 << 0 << "ord"
            << "ORD" << 0 << "r" << QList<int> { 1 } << "ord ORD ord" << 7 << 0;
        row("replace right after a find replaces the next one")
            << three << 0 << 0 << "ord"
            << "x" << 0 << "fr" << QList<int> { 1, 1 } << "ord x ord" << 5 << 0;
        row("replace all forward, Danish letters in any case")
            << "Æble æble ÆBLE æbler" << 0 << 0 << "æble"
            << "pære" << int(All) << "r" << QList<int> { 4 } << "pære pære pære pærer" << 19 << 0;
        row("an empty replacement deletes every occurrence after the caret")
            << "a-a-a-a" << 1 << 0 << "a"
            << "" << int(All) << "r" << QList<int> { 3 } << "a---" << 4 << 0;
        row("an empty replacement field still replaces")
            << three << 0 << 0 << "ord"
            << "" << 0 << "r" << QList<int> { 1 } << " ord ord" << 0 << 0;
        row("replace all forward of a by aa")
            << "a a a" << 0 << 0 << "a"
            << "aa" << int(All) << "r" << QList<int> { 3 } << "aa aa aa" << 8 << 0;
        row("replace all backward of a by aa ends")
            << "a a a" << 5 << 0 << "a"
            << "aa" << Backward + All << "r" << QList<int> { 3 } << "aa aa aa" << 2 << 0;
        row("replace one backward") << three << 7 << 0 << "ord"
                                    << "x" << int(Backward) << "r" << QList<int> { 1 } << "ord x ord" << 5
                                    << 0;
        row("replace all of whole words only")
            << "ord ordbog ord" << 0 << 0 << "ord"
            << "hus" << WholeWord + All << "r" << QList<int> { 2 } << "hus ordbog hus" << 14 << 0;
        row("replace all, nothing found") << three << 0 << 0 << "hus"
                                          << "x" << int(All) << "r" << QList<int> { 0 } << three << 0 << 0;
    }
}

void FindReplaceTest::runs()
{
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(int, selectionStart);
    QFETCH(int, selectionLength);
    QFETCH(QString, needle);
    QFETCH(QString, replacement);
    QFETCH(int, options);
    QFETCH(QString, commands);
    QFETCH(QList<int>, counts);
    QFETCH(QString, expectedText);
    QFETCH(int, expectedStart);
    QFETCH(int, expectedLength);

    const std::unique_ptr<Subject> subject = ::subject(Kind(kind));
    subject->load(text);
    subject->editor().setSelection(selectionStart, selectionLength);
    setOptions(subject->page(), needle, replacement, options);
    QList<int> shown;
    for (const QChar command : commands)
        shown.append(subject->run(command == u'f' ? "findTekst" : "erstatTekst"));
    QCOMPARE(shown, counts);
    QCOMPARE(subject->editor().text(), expectedText);
    QCOMPARE(subject->editor().selStart(), expectedStart);
    QCOMPARE(subject->editor().selLength(), expectedLength);
}

void FindReplaceTest::replaceAllIsOneStepOfUndoAndOneChange_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("options");
    for (const auto &[kind, kindName] : kKinds) {
        QTest::addRow("%s: forward", kindName) << int(kind) << int(All);
        QTest::addRow("%s: backward", kindName) << int(kind) << Backward + All;
    }
}

void FindReplaceTest::replaceAllIsOneStepOfUndoAndOneChange()
{
    QFETCH(int, kind);
    QFETCH(int, options);
    const std::unique_ptr<Subject> subject = ::subject(Kind(kind));
    const QString text = QStringLiteral("Et ord, to ord\nog tre ord i rødgrød med ord.\n").repeated(50);
    subject->load(text);
    if (options & Backward)
        subject->editor().setSelection(int(text.size()), 0);
    setOptions(subject->page(), QStringLiteral("ord"), QStringLiteral("udtryk"), options);
    QTextDocument *document = subject->editor().document();
    QSignalSpy changes(document, &QTextDocument::contentsChange);

    QCOMPARE(subject->run("erstatTekst"), 200);
    QCOMPARE(changes.size(), 1);
    QVERIFY(!subject->editor().text().contains(QStringLiteral(" ord")));
    subject->editor().undo();
    QCOMPARE(subject->editor().text(), text);
}

void FindReplaceTest::positionDisplayFollowsTheRunOnce()
{
    PlainWindowSubject plain;
    plain.load(QStringLiteral("første linje\nanden linje med ord\nord"));
    setOptions(plain.page(), QStringLiteral("ord"), QString(), 0);
    QCOMPARE(plain.run("findTekst"), 1);
    QCOMPARE(plain.window()->posLabel->text(), QStringLiteral("2,19"));
    QCOMPARE(plain.run("findTekst"), 1);
    QCOMPARE(plain.window()->posLabel->text(), QStringLiteral("3,3"));

    RichEditorSubject rich;
    rich.load(QStringLiteral("ord ord ord"));
    for (int options : { int(All), Backward + All, 0 }) {
        setOptions(rich.page(), QStringLiteral("ord"), QStringLiteral("x"), options);
        const int before = rich.positionRefreshes();
        rich.run("findTekst");
        rich.run("erstatTekst");
        QCOMPARE(rich.positionRefreshes(), before + 2);
    }
}

void FindReplaceTest::replacementTakesTheFormattingOfTheOccurrence()
{
    RichEditorSubject rich;
    RichEditor &editor = rich.richEditor();
    editor.setHtml(QStringLiteral("<p>et <b>fedt</b> ord og <i>fedt</i></p>"));
    editor.setSelection(0, 0);
    setOptions(rich.page(), QStringLiteral("fedt"), QStringLiteral("tykt"), All);
    QCOMPARE(rich.run("erstatTekst"), 2);
    QCOMPARE(editor.toPlainText(), QStringLiteral("et tykt ord og tykt"));
    editor.setSelection(4, 0);
    QVERIFY(editor.formatAtCaret().fontWeight() == QFont::Bold);
    editor.setSelection(17, 0);
    QVERIFY(editor.formatAtCaret().fontItalic());
    QVERIFY(editor.formatAtCaret().fontWeight() != QFont::Bold);
}

QTEST_MAIN(FindReplaceTest)
#include "tst_FindReplace.moc"
