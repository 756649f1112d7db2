// The menu book, the row of page buttons, the menu bar and the bottom buttons, driven through the keys
// and buttons a user presses on the frame.
#include "app/DocumentInfoWidgets.h"
#include "app/SearchPageControls.h"
#include "documents/DocumentArea.h"
#include "documents/DocumentWindow.h"
#include "frame/MenuBook.h"
#include "frame/Tmainform.h"
#include "options/Toptform.h"
#include "support/OptionsFile.h"
#include "support/StubDocumentWindow.h"
#include "support/TestApp.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QToolButton>
#include <QtTest>

namespace {

bool startActive(TestApp &app)
{
    app.start();
    app.frame().activateWindow();
    return QTest::qWaitForWindowActive(&app.frame());
}

QToolButton *buttonWithText(QWidget *parent, const QString &text)
{
    for (QToolButton *button : parent->findChildren<QToolButton *>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

QString shownPage(Tmainform &frame)
{
    return frame.menuBog->isVisible() ? frame.menuBog->currentWidget()->objectName() : QString();
}

} // namespace

class tst_MenuBook : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pageButtonOpensAndClosesItsPage_data();
    void pageButtonOpensAndClosesItsPage();
    void pageKeyOpensAndClosesItsPage_data();
    void pageKeyOpensAndClosesItsPage();
    void searchPageTakesTheFocusThenCloses();
    void searchFieldsAreNamedByTheirLabels();
    void filPageWithoutDocumentShowsNoDocument();
    void documentNameFieldsSitOnTheirPages();
    void bookSitsAtTheTopExceptForOptions();
    void menuPanelAtStartShowsDokumentPage();
    void keysWorkWhereverTheFocusIs_data();
    void keysWorkWhereverTheFocusIs();
    void fileInformationComesFromTheActiveDocument();
    void buttonsShowTheWholeCaption();
    void captionsTakeAtMostTwoLines();
    void hovedmenuTwiceRemovesMenuBarForGood_data();
    void hovedmenuTwiceRemovesMenuBarForGood();
    void menuBarHoldsTheSevenPageCommands();
    void bottomButtonsKeepToTheRightEdge();
    void closingTheOptionsPageKeepsTheActiveDocument_data();
    void closingTheOptionsPageKeepsTheActiveDocument();
    void bottomButtonsRunTheirCommands();
    void hintOfAButtonGoesToTheStatusLine();
};

void tst_MenuBook::pageButtonOpensAndClosesItsPage_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("page");
    QTest::newRow("Fil") << "Fil"
                         << "menuSide1";
    QTest::newRow("Dokument") << "Dokument"
                              << "menuSide2";
    QTest::newRow("Søg") << "Søg"
                         << "menuSide3";
    QTest::newRow("Vindue") << "Vindue"
                            << "menuSide4";
    QTest::newRow("Bokse") << "Bokse"
                           << "menuSide7";
    QTest::newRow("Egenskaber") << "Egenskaber"
                                << "menuSide6";
    QTest::newRow("Info") << "Info"
                          << "menuSide5";
}

void tst_MenuBook::pageButtonOpensAndClosesItsPage()
{
    QFETCH(QString, button);
    QFETCH(QString, page);
    TestApp app;
    QVERIFY(startActive(app));
    QToolButton *pageButton = buttonWithText(app.frame().hovedmenuPanel, button);
    QVERIFY(pageButton);

    QTest::mouseClick(pageButton, Qt::LeftButton);
    QCOMPARE(shownPage(app.frame()), page);
    QTest::mouseClick(pageButton, Qt::LeftButton);
    QVERIFY(app.frame().menuBog->isHidden());
}

void tst_MenuBook::pageKeyOpensAndClosesItsPage_data()
{
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("page");
    QTest::newRow("Ctrl+1 Fil") << QKeySequence(Qt::CTRL | Qt::Key_1) << "menuSide1";
    QTest::newRow("Ctrl+2 Dokument") << QKeySequence(Qt::CTRL | Qt::Key_2) << "menuSide2";
    QTest::newRow("Ctrl+3 Søg") << QKeySequence(Qt::CTRL | Qt::Key_3) << "menuSide3";
    QTest::newRow("Ctrl+4 Vindue") << QKeySequence(Qt::CTRL | Qt::Key_4) << "menuSide4";
    QTest::newRow("Ctrl+5 Bokse") << QKeySequence(Qt::CTRL | Qt::Key_5) << "menuSide7";
    QTest::newRow("Ctrl+6 Egenskaber") << QKeySequence(Qt::CTRL | Qt::Key_6) << "menuSide6";
    QTest::newRow("Ctrl+7 Information") << QKeySequence(Qt::CTRL | Qt::Key_7) << "menuSide5";
    QTest::newRow("F1 Information") << QKeySequence(Qt::Key_F1) << "menuSide5";
}

void tst_MenuBook::pageKeyOpensAndClosesItsPage()
{
    QFETCH(QKeySequence, key);
    QFETCH(QString, page);
    TestApp app;
    QVERIFY(startActive(app));

    QTest::keySequence(&app.frame(), key);
    QCOMPARE(shownPage(app.frame()), page);
    QTest::keySequence(&app.frame(), key);
    QVERIFY(app.frame().menuBog->isHidden());
}

void tst_MenuBook::searchPageTakesTheFocusThenCloses()
{
    TestApp app;
    QVERIFY(startActive(app));
    QLineEdit *ordEdit = app.frame().menuBook()->searchControls().ordEdit;

    QTest::keyClick(&app.frame(), Qt::Key_3, Qt::ControlModifier);
    QCOMPARE(shownPage(app.frame()), QStringLiteral("menuSide3"));
    QTRY_VERIFY(ordEdit->hasFocus());
    QTest::keyClick(&app.frame(), Qt::Key_3, Qt::ControlModifier);
    QVERIFY(app.frame().menuBog->isHidden());
}

// A screen reader read both fields as nameless text fields.
void tst_MenuBook::searchFieldsAreNamedByTheirLabels()
{
    TestApp app;
    QVERIFY(startActive(app));
    const SearchPageControls &search = app.frame().menuBook()->searchControls();
    auto name = [](QWidget *field) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(field);
        return accessible ? accessible->text(QAccessible::Name) : QString();
    };
    QCOMPARE(name(search.ordEdit), QStringLiteral("Søg efter:"));
    QCOMPARE(name(search.erstatEdit), QStringLiteral("Erstat med:"));
}

void tst_MenuBook::filPageWithoutDocumentShowsNoDocument()
{
    TestApp app;
    QVERIFY(startActive(app));
    const DocumentInfoWidgets &info = app.frame().infoWidgets();
    info.setName(QStringLiteral("gammel.txt"));
    info.filsizeLabel->setText(QStringLiteral("12 bytes"));
    info.antalLinjerLabel->setText(QStringLiteral("3 linjer"));
    info.filModificeretLabel->setText(QStringLiteral("ændret"));

    QTest::keyClick(&app.frame(), Qt::Key_1, Qt::ControlModifier);

    QCOMPARE(shownPage(app.frame()), QStringLiteral("menuSide1"));
    QVERIFY(info.filnavnEdit->isVisible());
    QCOMPARE(info.filnavnEdit->text(), QStringLiteral("Der er ingen åbne dokumenter."));
    QCOMPARE(info.docFilnavnEdit->text(), QStringLiteral("Der er ingen åbne dokumenter."));
    QCOMPARE(info.skiftDocFilnavnEdit->text(), QStringLiteral("Der er ingen åbne dokumenter."));
    QVERIFY(info.filsizeLabel->text().isEmpty());
    QVERIFY(info.antalLinjerLabel->text().isEmpty());
    QVERIFY(info.filModificeretLabel->text().isEmpty());
}

void tst_MenuBook::documentNameFieldsSitOnTheirPages()
{
    TestApp app;
    QVERIFY(startActive(app));
    const DocumentInfoWidgets &info = app.frame().infoWidgets();
    MenuBook *book = app.frame().menuBook();
    QVERIFY(book->widget(MenuBook::Fil)->isAncestorOf(info.filnavnEdit));
    QVERIFY(book->widget(MenuBook::Fil)->isAncestorOf(info.filModificeretLabel));
    QVERIFY(book->widget(MenuBook::Dokument)->isAncestorOf(info.docFilnavnEdit));
    QVERIFY(book->widget(MenuBook::Bokse)->isAncestorOf(info.skiftDocFilnavnEdit));
    QCOMPARE(info.docFilnavnEdit->toolTip(), QStringLiteral("Dokumentnavn"));
    QCOMPARE(info.skiftDocFilnavnEdit->toolTip(), QStringLiteral("Dokumentnavn"));
}

void tst_MenuBook::bookSitsAtTheTopExceptForOptions()
{
    TestApp app;
    QVERIFY(startActive(app));
    Tmainform &frame = app.frame();
    QWidget *client = frame.menuBog->parentWidget();
    const Toptform &options = *app.context.optform;

    QTest::keyClick(&frame, Qt::Key_1, Qt::ControlModifier);
    QCOMPARE(frame.menuBog->geometry(), QRect(0, 0, client->width(), 108));
    QCOMPARE(frame.documents()->geometry().top(), 108);

    QTest::keyClick(&frame, Qt::Key_6, Qt::ControlModifier);
    QCOMPARE(frame.menuBog->geometry(), client->rect());
    QWidget *optionsPage = frame.menuBook()->widget(MenuBook::Egenskaber);
    for (QFrame *panel : { options.optPanel1, options.optPanel2, options.optPanel3 }) {
        QCOMPARE(panel->parentWidget(), optionsPage);
        QVERIFY(panel->isVisible());
    }

    // "Menupanelet" hides and shows the book where it was.
    QTest::keyClick(&frame, Qt::Key_M, Qt::ControlModifier);
    QVERIFY(frame.menuBog->isHidden());
    QCOMPARE(frame.documents()->geometry(), client->rect());
    QTest::keyClick(&frame, Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(shownPage(frame), QStringLiteral("menuSide6"));
    QCOMPARE(frame.menuBog->geometry(), client->rect());

    // Back at the top for every other page; the options stay on their page for the rest of the run.
    QTest::keyClick(&frame, Qt::Key_2, Qt::ControlModifier);
    QCOMPARE(frame.menuBog->geometry(), QRect(0, 0, client->width(), 108));
    QCOMPARE(options.optPanel1->parentWidget(), optionsPage);
}

void tst_MenuBook::menuPanelAtStartShowsDokumentPage()
{
    TestApp app;
    QVERIFY(startActive(app));
    QVERIFY(app.frame().menuBog->isHidden());

    QTest::keyClick(&app.frame(), Qt::Key_M, Qt::ControlModifier);

    QCOMPARE(shownPage(app.frame()), QStringLiteral("menuSide2"));
    QCOMPARE(app.frame().menuBog->height(), MenuBook::kDesignHeight);
}

void tst_MenuBook::keysWorkWhereverTheFocusIs_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("page");
    for (const char *focus : { "document", "search field" }) {
        const QString where = QString::fromLatin1(focus);
        QTest::addRow("%s: Ctrl+1", focus) << where << QKeySequence(Qt::CTRL | Qt::Key_1) << "menuSide1";
        QTest::addRow("%s: Ctrl+5", focus) << where << QKeySequence(Qt::CTRL | Qt::Key_5) << "menuSide7";
        QTest::addRow("%s: F1", focus) << where << QKeySequence(Qt::Key_F1) << "menuSide5";
        QTest::addRow("%s: Ctrl+7", focus) << where << QKeySequence(Qt::CTRL | Qt::Key_7) << "menuSide5";
    }
    // Keys a text field might take for itself.
    QTest::addRow("document: Ctrl+M") << "document" << QKeySequence(Qt::CTRL | Qt::Key_M) << "menuSide2";
    QTest::addRow("document: Ctrl+H") << "document" << QKeySequence(Qt::CTRL | Qt::Key_H) << "";
    QTest::addRow("search field: Ctrl+M") << "search field" << QKeySequence(Qt::CTRL | Qt::Key_M) << "";
    QTest::addRow("search field: Ctrl+H") << "search field" << QKeySequence(Qt::CTRL | Qt::Key_H) << "";
}

void tst_MenuBook::keysWorkWhereverTheFocusIs()
{
    QFETCH(QString, focus);
    QFETCH(QKeySequence, key);
    QFETCH(QString, page);
    TestApp app;
    QVERIFY(startActive(app));
    StubDocumentWindow *document = StubDocumentWindow::open(app, QStringLiteral("brev.txt"));
    QWidget *field = document->editor;
    if (focus == QLatin1String("search field")) {
        QTest::keyClick(&app.frame(), Qt::Key_3, Qt::ControlModifier);
        field = app.frame().menuBook()->searchControls().ordEdit;
    }
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());

    QTest::keySequence(&app.frame(), key);

    QCOMPARE(shownPage(app.frame()), page);
    QVERIFY(document->editor->toPlainText().isEmpty());
    QVERIFY(app.frame().menuBook()->searchControls().ordEdit->text().isEmpty());
    if (key == QKeySequence(Qt::CTRL | Qt::Key_H))
        QVERIFY(app.frame().hovedmenuPanel->isHidden());
}

void tst_MenuBook::fileInformationComesFromTheActiveDocument()
{
    TestApp app;
    QVERIFY(startActive(app));
    StubDocumentWindow::open(app, QStringLiteral("brev.txt"));

    QTest::keyClick(&app.frame(), Qt::Key_1, Qt::ControlModifier);

    QCOMPARE(app.frame().infoWidgets().filnavnEdit->text(), QStringLiteral("brev.txt"));
    QCOMPARE(app.frame().infoWidgets().skiftDocFilnavnEdit->text(), QStringLiteral("brev.txt"));
}

void tst_MenuBook::buttonsShowTheWholeCaption()
{
    TestApp app;
    QVERIFY(startActive(app));
    QStringList captions;
    for (QToolButton *button : app.frame().menuBook()->widget(MenuBook::Fil)->findChildren<QToolButton *>())
        captions << button->text();
    for (const char *caption : { "Åben...", "Gem som...", "Gem", "Nyt tekst\ndokument",
             "Nyt richtext\ndokument", "Printer", "Udskriv..." })
        QVERIFY2(captions.contains(QString::fromUtf8(caption)), caption);
}

// "Luk alle bokse" stood on three lines, one word each, on the "Vindue" page.
void tst_MenuBook::captionsTakeAtMostTwoLines()
{
    TestApp app;
    QVERIFY(startActive(app));
    for (int page = 0; page < MenuBook::PageCount; ++page) {
        for (QToolButton *button : app.frame().menuBook()->widget(page)->findChildren<QToolButton *>())
            QVERIFY2(button->text().count(u'\n') <= 1, qPrintable(button->text()));
    }
}

void tst_MenuBook::hovedmenuTwiceRemovesMenuBarForGood_data()
{
    QTest::addColumn<bool>("windowsMenu");
    QTest::newRow("with the menu bar") << true; // the options then start without the page buttons
    QTest::newRow("with the page buttons") << false;
}

void tst_MenuBook::hovedmenuTwiceRemovesMenuBarForGood()
{
    QFETCH(bool, windowsMenu);
    TestApp app;
    app.create();
    app.context.optform->windowsCheck->setChecked(windowsMenu);
    QVERIFY(startActive(app));
    Tmainform &frame = app.frame();
    QCOMPARE(bool(frame.MainMenu), windowsMenu);
    const bool panelAtStart = frame.hovedmenuPanel->isVisible();
    QTest::keyClick(&frame, Qt::Key_1, Qt::ControlModifier);

    QTest::keyClick(&frame, Qt::Key_H, Qt::ControlModifier);
    QVERIFY(!frame.MainMenu);
    QCOMPARE(frame.hovedmenuPanel->isVisible(), !panelAtStart);
    QVERIFY(frame.menuBog->isHidden());

    QTest::keyClick(&frame, Qt::Key_H, Qt::ControlModifier);
    QVERIFY(!frame.MainMenu);
    QCOMPARE(frame.hovedmenuPanel->isVisible(), panelAtStart);
    QVERIFY(frame.menuBog->isHidden());
}

void tst_MenuBook::menuBarHoldsTheSevenPageCommands()
{
    TestApp app;
    app.create();
    app.context.optform->windowsCheck->setChecked(true);
    QVERIFY(startActive(app));
    QStringList captions;
    QAction *info = nullptr;
    for (QAction *item : app.frame().MainMenu->actions()) {
        captions << item->text();
        if (item->text() == QLatin1String("Info"))
            info = item;
        // Page items open no menu of their own; only the list of open documents does.
        QCOMPARE(item->menu() != nullptr, item->text() == QStringLiteral("Åbne"));
    }
    QCOMPARE(
        captions, QStringList({ "Fil", "Dokument", "Søg", "Vindue", "Bokse", "Egenskaber", "Info", "Åbne" }));

    QVERIFY(info);
    info->trigger();
    QCOMPARE(shownPage(app.frame()), QStringLiteral("menuSide5"));
}

// With the hints shown at the elements the status text is hidden, and the two buttons drifted to the middle.
void tst_MenuBook::bottomButtonsKeepToTheRightEdge()
{
    TestApp app;
    app.writeSettingsFile(
        QStringLiteral("optUnit.txt"), OptionsFile::with({ { OptionsFile::HintMode, "1" } }));
    QVERIFY(startActive(app));
    Tmainform &frame = app.frame();
    QVERIFY(frame.Info->isHidden());
    QToolButton *redskabslinje = buttonWithText(frame.bundPanel, QStringLiteral("Redskabslinje"));
    QVERIFY(redskabslinje);
    const int rightEdge = redskabslinje->mapTo(frame.bundPanel, QPoint(redskabslinje->width(), 0)).x();
    QVERIFY2(frame.bundPanel->width() - rightEdge < 20,
        qPrintable(QStringLiteral("%1 of %2").arg(rightEdge).arg(frame.bundPanel->width())));
}

void tst_MenuBook::closingTheOptionsPageKeepsTheActiveDocument_data()
{
    QTest::addColumn<bool>("byKey"); // else by its page button
    QTest::newRow("Ctrl+6") << true;
    QTest::newRow("page button") << false;
}

// Closing the options page moved the focus on to the next control in line, the editor of another
// document, and so made that document the active one.
void tst_MenuBook::closingTheOptionsPageKeepsTheActiveDocument()
{
    QFETCH(bool, byKey);
    TestApp app;
    const QStringList files = { app.writeFile(QStringLiteral("a.txt"), "a"),
        app.writeFile(QStringLiteral("b.txt"), "b"), app.writeFile(QStringLiteral("c.txt"), "c") };
    app.start(files);
    app.frame().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&app.frame()));
    Tmainform &frame = app.frame();
    QList<DocumentWindow *> windows = frame.documents()->windowsInOrder();
    DocumentWindow *b = windows.at(1);
    frame.documents()->activate(b);
    QWidget *editor = b->findChild<QPlainTextEdit *>();
    editor->setFocus();
    QCOMPARE(frame.documents()->activeDocument(), b);

    QTest::keyClick(&frame, Qt::Key_6, Qt::ControlModifier);
    QCheckBox *option = app.context.optform->CheckInsertFirst;
    QTRY_VERIFY(option->isVisible());
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    QVERIFY(option->hasFocus());
    if (byKey)
        QTest::keyClick(&frame, Qt::Key_6, Qt::ControlModifier);
    else
        QTest::mouseClick(buttonWithText(frame.hovedmenuPanel, QStringLiteral("Egenskaber")), Qt::LeftButton);
    QVERIFY(frame.menuBog->isHidden());
    QCOMPARE(frame.documents()->activeDocument(), b);
    QCOMPARE(QApplication::focusWidget(), editor);
}

void tst_MenuBook::bottomButtonsRunTheirCommands()
{
    TestApp app;
    QVERIFY(startActive(app));
    Tmainform &frame = app.frame();
    QToolButton *hovedmenu = buttonWithText(frame.bundPanel, QStringLiteral("Hovedmenu"));
    QToolButton *redskabslinje = buttonWithText(frame.bundPanel, QStringLiteral("Redskabslinje"));
    QVERIFY(hovedmenu && redskabslinje);

    frame.updateActions();
    QVERIFY(!redskabslinje->isEnabled()); // only with a document
    StubDocumentWindow *document = StubDocumentWindow::open(app, QStringLiteral("a.txt"));
    frame.updateActions();
    QVERIFY(redskabslinje->isEnabled());
    QTest::keyClick(&frame, Qt::Key_2, Qt::ControlModifier);
    QTest::mouseClick(redskabslinje, Qt::LeftButton);
    QVERIFY(frame.menuBog->isHidden());
    QCOMPARE(document->calls, QStringList({ "showRedskabsPanel" }));

    QTest::mouseClick(hovedmenu, Qt::LeftButton);
    QVERIFY(frame.hovedmenuPanel->isHidden());
}

void tst_MenuBook::hintOfAButtonGoesToTheStatusLine()
{
    TestApp app;
    QVERIFY(startActive(app));
    QTest::keyClick(&app.frame(), Qt::Key_5, Qt::ControlModifier);
    QToolButton *search = buttonWithText(
        app.frame().menuBook()->widget(MenuBook::Bokse), QStringLiteral("Find mapper og\nfiler i mappe"));
    QVERIFY(search);

    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), search->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(search, &enter);

    QCOMPARE(app.frame().Info->text(),
        QStringLiteral("Søg efter mapper og filer i valgt mappe og dens undermapper"));
}

QTEST_MAIN(tst_MenuBook)
#include "tst_MenuBook.moc"
