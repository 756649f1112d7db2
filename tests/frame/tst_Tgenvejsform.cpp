// The shortcut overview and the hidden scratch memo.
#include "documents/TmemoForm.h"
#include "frame/Tgenvejsform.h"
#include "frame/Tmainform.h"
#include "support/TestApp.h"

#include <QClipboard>
#include <QHeaderView>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

namespace {

QStringList headers(const QTableWidget *list)
{
    QStringList result;
    for (int column = 0; column < list->columnCount(); ++column)
        result << list->horizontalHeaderItem(column)->text();
    return result;
}

QStringList rows(const QTableWidget *list)
{
    QStringList result;
    for (int row = 0; row < list->rowCount(); ++row)
        result << list->item(row, 0)->text() + u'|' + list->item(row, 1)->text();
    return result;
}

} // namespace

class tst_Tgenvejsform : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pagesInOrder();
    void pageRows_data();
    void pageRows();
    void listsAreReadOnlyRowsWithPictures();
    void f9OpensItCentredOverTheFrame();
    void memoIsHiddenWithoutWordWrap();
    void memoLeavesPlainTextOnTheClipboard();
};

void tst_Tgenvejsform::pagesInOrder()
{
    TestApp app;
    app.create();
    Tgenvejsform &overview = *app.context.genvejsform;
    QVERIFY(!overview.genvejsBog); // built at the first show
    overview.show();
    QCOMPARE(overview.windowTitle(), QStringLiteral("Genveje"));
    QCOMPARE(overview.size(), QSize(280, 306));
    QCOMPARE(overview.minimumSize(), overview.maximumSize());
    QStringList pages;
    for (int page = 0; page < overview.genvejsBog->count(); ++page)
        pages << overview.genvejsBog->tabText(page);
    QCOMPARE(pages, QStringList({ "Hovedmenuen", "F taster", "Internet", "Ctrl+" }));
    QCOMPARE(overview.genvejsBog->currentIndex(), 0);
}

void tst_Tgenvejsform::pageRows_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("columns");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("Hovedmenuen") << 0 << QStringList({ "Ctrl+", "Funktion" })
                                 << QStringList({ " 1|Fil", " 2|Dokument", " 3|Søg", " 4|Vindue", " 5|Bokse",
                                        " 6|Egenskaber", " 7|Info" });
    QTest::newRow("F taster") << 1 << QStringList({ "Tast", "Funktion" })
                              << QStringList({ " F1|Info", " F2|Opdater filinformation", " F3|Mappefilboksen",
                                     " F4|Favoritboksen", " F5|Dokumentboksen",
                                     " F6|Søg efter tekst i dokumenter", " F7|Søg efter fil og mappenavne",
                                     " F8|Typelisteboksen", " F9|Denne boks" });
    QTest::newRow("Internet") << 2 << QStringList({ "Genvej", "Funktion" })
                              << QStringList({ " Ctrl+Shift+B|Søg med Bing", " Ctrl+Shift+G|Søg med Google",
                                     " Ctrl+Shift+T|Søg på YouTube" });
    QTest::newRow("Ctrl+") << 3 << QStringList({ "Tast", "Funktion" })
                           << QStringList({ "R|Redskabslinje", "H|Hovedmenu" });
}

void tst_Tgenvejsform::pageRows()
{
    QFETCH(int, page);
    QFETCH(QStringList, columns);
    QFETCH(QStringList, rows);
    TestApp app;
    app.create();
    app.context.genvejsform->show();
    auto *list = qobject_cast<QTableWidget *>(app.context.genvejsform->genvejsBog->widget(page));
    QVERIFY(list);
    QCOMPARE(headers(list), columns);
    QCOMPARE(::rows(list), rows);
}

void tst_Tgenvejsform::listsAreReadOnlyRowsWithPictures()
{
    TestApp app;
    app.create();
    Tgenvejsform &overview = *app.context.genvejsform;
    overview.show();
    for (QTableWidget *list : { overview.ListeGenvejstaster1, overview.ListeGenvejstaster2,
             overview.ListeGenvejstaster3, overview.ListeGenvejstaster4 }) {
        QCOMPARE(list->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
        QVERIFY(list->showGrid());
        QVERIFY(!list->item(0, 0)->icon().isNull());
    }
}

void tst_Tgenvejsform::f9OpensItCentredOverTheFrame()
{
    TestApp app;
    app.start();
    app.frame().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&app.frame()));
    Tgenvejsform &overview = *app.context.genvejsform;

    QTest::keyClick(&app.frame(), Qt::Key_F9);

    QTRY_VERIFY(overview.isVisible());
    QVERIFY(!overview.isModal());
    const QPoint offset = overview.frameGeometry().center() - app.frame().frameGeometry().center();
    QVERIFY2(
        offset.manhattanLength() <= 2, qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
}

void tst_Tgenvejsform::memoIsHiddenWithoutWordWrap()
{
    TestApp app;
    app.start();
    TmemoForm &scratch = *app.context.memoForm;
    QVERIFY(!scratch.isVisible());
    QCOMPARE(scratch.Memo->lineWrapMode(), QPlainTextEdit::NoWrap);
}

void tst_Tgenvejsform::memoLeavesPlainTextOnTheClipboard()
{
    TestApp app;
    app.create();
    auto *formatted = new QMimeData;
    formatted->setHtml(QStringLiteral("<p><b>Fed</b> tekst</p>"));
    formatted->setText(QStringLiteral("Fed tekst"));
    QGuiApplication::clipboard()->setMimeData(formatted);

    app.context.memoForm->makeClipboardPlain();

    const QMimeData *result = QGuiApplication::clipboard()->mimeData();
    QCOMPARE(result->text(), QStringLiteral("Fed tekst"));
    QVERIFY(!result->hasHtml());
    QCOMPARE(app.context.memoForm->Memo->font().family(), QStringLiteral("Courier New"));
}

QTEST_MAIN(tst_Tgenvejsform)
#include "tst_Tgenvejsform.moc"
