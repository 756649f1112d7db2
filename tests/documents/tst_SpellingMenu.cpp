#include "documents/PlainEditor.h"
#include "documents/spelling/HunspellDictionary.h"
#include "documents/spelling/SpellingMenu.h"
#include "documents/spelling/SpellingService.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList captions(const QMenu &menu)
{
    QStringList result;
    for (const QAction *action : menu.actions()) {
        if (!action->isSeparator())
            result.append(action->text());
    }
    return result;
}

QAction *actionNamed(const QMenu &menu, const QString &caption)
{
    for (QAction *action : menu.actions()) {
        if (action->text() == caption)
            return action;
    }
    return nullptr;
}

const QStringList kEditCommands { "Annuller", "Klip", "Kopier", "Indsæt", "Slet", "Vælg alt" };

} // namespace

class SpellingMenuTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void suggestionReplacesTheWordAsOneUndoStep();
    void addedWordIsSavedAndFailureIsReported();
    void ignoredWordIsNoLongerOffered();
    void correctWordShowsTheEditCommands();
    void missingDictionaryIsSaidInDanish();
    void rightClickOpensTheMenuWhileActive();

private:
    QTemporaryDir dir_;
    std::unique_ptr<SpellingService> spelling_;
    QStringList informed_;
};

void SpellingMenuTest::initTestCase()
{
    spelling_ = std::make_unique<SpellingService>(
        HunspellDictionary::systemFolders(), dir_.filePath(QStringLiteral("Brugerordbog.txt")));
    QVERIFY(spelling_->isAvailable());
}

void SpellingMenuTest::suggestionReplacesTheWordAsOneUndoStep()
{
    PlainEditor editor;
    editor.setPlainText(QStringLiteral("Jeg spiser flødé nu"));
    SpellingMenu spellingMenu(editor, spelling_.get(), {});
    std::unique_ptr<QMenu> menu(spellingMenu.createMenu(13, &editor));

    const QStringList shown = captions(*menu);
    QVERIFY(shown.contains(QStringLiteral("fløde")));
    QVERIFY(shown.indexOf(QStringLiteral("fløde")) < shown.indexOf(QStringLiteral("Tilføj til ordbogen")));
    const QStringList spellingCommands { QStringLiteral("Tilføj til ordbogen"),
        QStringLiteral("Ignorer alle") };
    QCOMPARE(
        shown.mid(shown.indexOf(QStringLiteral("Tilføj til ordbogen"))), spellingCommands + kEditCommands);

    actionNamed(*menu, QStringLiteral("fløde"))->trigger();
    QCOMPARE(editor.toPlainText(), QStringLiteral("Jeg spiser fløde nu"));
    editor.undo();
    QCOMPARE(editor.toPlainText(), QStringLiteral("Jeg spiser flødé nu"));
}

void SpellingMenuTest::addedWordIsSavedAndFailureIsReported()
{
    PlainEditor editor;
    editor.setPlainText(QStringLiteral("Hos Grøntflødøk"));
    SpellingMenu spellingMenu(
        editor, spelling_.get(), [this](const QString &text) { informed_.append(text); });
    std::unique_ptr<QMenu> menu(spellingMenu.createMenu(6, &editor));
    actionNamed(*menu, QStringLiteral("Tilføj til ordbogen"))->trigger();
    QCOMPARE(informed_, QStringList());
    QFile words(dir_.filePath(QStringLiteral("Brugerordbog.txt")));
    QVERIFY(words.open(QIODevice::ReadOnly));
    QVERIFY(words.readAll().contains("Gr\xC3\xB8ntfl\xC3\xB8"
                                     "d\xC3\xB8k\r\n"));
    menu.reset(spellingMenu.createMenu(6, &editor));
    QVERIFY(!actionNamed(*menu, QStringLiteral("Tilføj til ordbogen")));

    // A settings folder that has gone away: the word counts for now, and the user is told.
    SpellingService homeless(
        HunspellDictionary::systemFolders(), dir_.filePath(QStringLiteral("væk/Brugerordbog.txt")));
    SpellingMenu failing(editor, &homeless, [this](const QString &text) { informed_.append(text); });
    editor.setPlainText(QStringLiteral("Hos Blåflødøk"));
    menu.reset(failing.createMenu(6, &editor));
    actionNamed(*menu, QStringLiteral("Tilføj til ordbogen"))->trigger();
    QCOMPARE(informed_.size(), 1);
    QVERIFY(informed_.first().startsWith(QStringLiteral("Filen:\r")));
    QVERIFY(informed_.first().contains(QStringLiteral("kunne ikke gemmes.")));
    QVERIFY(!homeless.isMisspelt(editor.toPlainText(), { 4, 9 }));
}

void SpellingMenuTest::ignoredWordIsNoLongerOffered()
{
    PlainEditor editor;
    editor.setPlainText(QStringLiteral("xqzwv og xqzwv"));
    SpellingMenu spellingMenu(editor, spelling_.get(), {});
    std::unique_ptr<QMenu> menu(spellingMenu.createMenu(1, &editor));
    actionNamed(*menu, QStringLiteral("Ignorer alle"))->trigger();
    menu.reset(spellingMenu.createMenu(12, &editor));
    QCOMPARE(captions(*menu), kEditCommands);
}

void SpellingMenuTest::correctWordShowsTheEditCommands()
{
    PlainEditor editor;
    editor.setPlainText(QStringLiteral("Godt ord"));
    editor.selectAll();
    SpellingMenu spellingMenu(editor, spelling_.get(), {});
    std::unique_ptr<QMenu> menu(spellingMenu.createMenu(2, &editor));
    QCOMPARE(captions(*menu), kEditCommands);
    QVERIFY(actionNamed(*menu, QStringLiteral("Kopier"))->isEnabled());
    QVERIFY(!actionNamed(*menu, QStringLiteral("Annuller"))->isEnabled());
    actionNamed(*menu, QStringLiteral("Slet"))->trigger();
    QCOMPARE(editor.toPlainText(), QString());
}

void SpellingMenuTest::missingDictionaryIsSaidInDanish()
{
    QTemporaryDir empty;
    SpellingService missing({ empty.path() }, dir_.filePath(QStringLiteral("andre.txt")));
    PlainEditor editor;
    editor.setPlainText(QStringLiteral("hsu"));
    SpellingMenu spellingMenu(editor, &missing, {});
    std::unique_ptr<QMenu> menu(spellingMenu.createMenu(1, &editor));
    QCOMPARE(captions(*menu), QStringList { SpellingMenu::unavailableText() } + kEditCommands);
    QCOMPARE(SpellingMenu::unavailableText(),
        QStringLiteral("Stavekontrollen er ikke tilgængelig: den danske ordbog mangler."));
    QVERIFY(!menu->actions().first()->isEnabled());
}

void SpellingMenuTest::rightClickOpensTheMenuWhileActive()
{
    PlainEditor editor;
    editor.setContextMenuPolicy(Qt::NoContextMenu);
    editor.resize(400, 200);
    editor.setPlainText(QStringLiteral("Jeg spiser flødé nu"));
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    SpellingMenu spellingMenu(editor, spelling_.get(), {});
    QTextCursor inWord(editor.document());
    inWord.setPosition(13);
    const QPoint point = editor.cursorRect(inWord).center();

    QContextMenuEvent click(QContextMenuEvent::Mouse, point, editor.viewport()->mapToGlobal(point));
    QCoreApplication::sendEvent(editor.viewport(), &click);
    QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(captions(*menu).contains(QStringLiteral("fløde")));
    menu->close();
    QTRY_VERIFY(!QApplication::activePopupWidget());

    spellingMenu.setActive(false);
    QContextMenuEvent again(QContextMenuEvent::Mouse, point, editor.viewport()->mapToGlobal(point));
    QCoreApplication::sendEvent(editor.viewport(), &again);
    QCoreApplication::processEvents();
    QVERIFY(!QApplication::activePopupWidget());
}

QTEST_MAIN(SpellingMenuTest)
#include "tst_SpellingMenu.moc"
