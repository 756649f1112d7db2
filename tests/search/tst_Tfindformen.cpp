#include "app/SearchPageControls.h"
#include "documents/DocumentArea.h"
#include "documents/DocumentWindow.h"
#include "frame/Tmainform.h"
#include "search/FilterPage.h"
#include "search/SearchHitModel.h"
#include "search/SearchPage.h"
#include "search/Tfindformen.h"
#include "search/text/TextSearchRun.h"
#include "support/FileBytes.h"
#include "support/TestApp.h"
#include "support/UnnamedControls.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

// The box of a freshly created program, shown once, with a small tree of documents to search.
struct Fixture {
    Fixture()
    {
        app.create();
        box = app.context.findformen;
        root = app.root() + QStringLiteral("/dokumenter");
    }
    QString write(const QString &name, const QByteArray &bytes) const
    {
        const QString path = root + u'/' + name;
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return QDir::cleanPath(path);
    }
    void show()
    {
        box->show();
        box->dirEdit->setText(root);
    }
    // The pages exist once the box has been shown.
    SearchPage *page() const { return box->searchPage; }
    FilterPage *filters() const { return box->filterPage; }
    // Searches as the user does and waits for the end.
    void search(const QString &text, bool recursive = false)
    {
        QSignalSpy finished(page(), &SearchPage::searchFinished);
        page()->EditFind->setEditText(text);
        page()->rekursivCheck->setChecked(recursive);
        page()->updateCommands();
        QVERIFY(page()->AfindBib->isEnabled());
        page()->AfindBib->trigger();
        QVERIFY(finished.wait(20000));
    }
    bool run(QAction *action)
    {
        page()->updateCommands();
        filters()->updateCommands();
        if (!action->isEnabled())
            return false;
        action->trigger();
        return true;
    }
    void select(int row) { page()->findis->selectRow(row); }

    TestApp app;
    Tfindformen *box = nullptr;
    QString root;
};

QStringList filterItems(const QComboBox &box)
{
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items << box.itemText(i);
    return items;
}

} // namespace

class TfindformenTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void f6OpensTheBox();
    void firstShowWritesTheStandardTypesAndStartsInTheCurrentFolder();
    void settingsFileKeepsPlaceAndHeight();
    void rowsAreThoseOfTheSearchEngine();
    void recursiveSearchCountsFoldersAndFiles();
    void flatSearchLeavesCountsEmpty();
    void historyHoldsEachTextOnceAndHashEmptiesIt();
    void unsearchableFilesAreListedAtTheEnd();
    void emptyFilterBoxHasItsOwnMessage();
    void removingRowsSelectsTheNextOrTheLast();
    void clearingTheListEmptiesTheSearchField();
    void openingAHitPrimesTheFramesSearchField();
    void commandsOnAFileThatIsGone();
    void runEditAndShowFolder();
    void typeListEditsAreSavedAndOffered();
    void standardListAsksFirst();
    void aTickAloneCanBeSaved();
    void informationPageComesWithTheProgramOrTheDataRoot();
    void everyControlHasAName();
};

void TfindformenTest::f6OpensTheBox()
{
    Fixture f;
    QAction *command = f.app.frame().command(QStringLiteral("aSearchTekst"));
    QCOMPARE(command->shortcut(), QKeySequence(Qt::Key_F6));
    command->trigger();
    QVERIFY(f.box->isVisible());
    QCOMPARE(f.box->windowTitle(), QStringLiteral("Søg i dokumenter"));
    // What the user types next is the text to search for.
    QCOMPARE(f.box->focusWidget(), f.box->searchPage->EditFind);
}

void TfindformenTest::firstShowWritesTheStandardTypesAndStartsInTheCurrentFolder()
{
    Fixture f;
    QDir().mkpath(f.root);
    f.app.context.currentFolder.setPath(f.root);
    f.box->show();
    QCOMPARE(f.box->dirEdit->text(), QDir::cleanPath(f.root));
    const QStringList lines = QString::fromUtf8(f.app.readSettingsFile(QStringLiteral("Filtertyper.txt")))
                                  .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 36);
    QCOMPARE(lines.mid(0, 3), (QStringList { "Tekstfil", "*.txt", "1" }));
    QCOMPARE(f.page()->filterBoks->count(), 11);
    QCOMPARE(f.page()->filterBoks->currentText(), QStringLiteral("Tekstfil (*.txt)"));
    QVERIFY(!f.filters()->saveknap->isEnabled());
}

void TfindformenTest::settingsFileKeepsPlaceAndHeight()
{
    {
        Fixture f;
        QCOMPARE(f.box->pos(), QPoint(20, 40));
        QCOMPARE(f.box->height(), 580);
        f.box->show();
        f.box->move(30, 50);
        f.box->resize(f.box->width(), 600);
        f.box->close();
        QCOMPARE(f.app.readSettingsFile(QStringLiteral("Findis.txt")), QByteArray("30\r\n50\r\n600\r\n"));
    }
    TestApp app;
    app.writeSettingsFile(QStringLiteral("Findis.txt"), "70\r\nikke et tal\r\n");
    app.create();
    QCOMPARE(app.context.findformen->pos(), QPoint(70, 40));
    QVERIFY(app.platform.modal.texts().isEmpty());
}

void TfindformenTest::rowsAreThoseOfTheSearchEngine()
{
    Fixture f;
    f.write(QStringLiteral("a.txt"), "Et påskeæg\r\nto PÅSKEÆG");
    f.write(QStringLiteral("b.txt"), "p\xE5ske\xE6g");
    f.write(QStringLiteral("u/c.txt"), "{\\rtf1 P\\'e5ske\\'e6g}");
    f.show();
    f.search(QStringLiteral("påskeæg"), true);

    TextSearchRequest request;
    request.folder = f.root;
    request.text = QStringLiteral("påskeæg");
    request.recursive = true;
    class Collecting : public TextSearchSink {
    public:
        void counted(int, int) override { }
        void searched(const QList<TextSearchRow> &found) override { rows.append(found); }
        QList<TextSearchRow> rows;
    } sink;
    TextSearchRun::run(request, sink);
    QCOMPARE(sink.rows.size(), 4);
    QCOMPARE(f.page()->hits->hits(), sink.rows);
    QCOMPARE(f.page()->countdis->text(), QStringLiteral("4"));
    QCOMPARE(
        f.page()->hits->data(f.page()->hits->index(1, SearchHitModel::Position), Qt::DisplayRole).toString(),
        QStringLiteral("14"));
}

void TfindformenTest::recursiveSearchCountsFoldersAndFiles()
{
    Fixture f;
    f.write(QStringLiteral("a.txt"), "ord");
    f.write(QStringLiteral("u/b.txt"), "ord");
    f.write(QStringLiteral("u/v/c.txt"), "intet");
    f.write(QStringLiteral("u/v/d.rtf"), "ord");
    f.show();
    f.search(QStringLiteral("ord"), true);
    QCOMPARE(f.page()->mappeLabel->text(), QStringLiteral("Mapper: 2"));
    QCOMPARE(f.page()->filLabel->text(), QStringLiteral("Filer: 3"));
    QCOMPARE(f.page()->findBar->maximum(), 3);
    QCOMPARE(f.page()->findBar->value(), 3);
    QCOMPARE(f.page()->countdis->text(), QStringLiteral("2"));
    QVERIFY(!f.page()->stopButton->isEnabled());
}

void TfindformenTest::flatSearchLeavesCountsEmpty()
{
    Fixture f;
    f.write(QStringLiteral("a.txt"), "ord");
    f.write(QStringLiteral("u/b.txt"), "ord");
    f.show();
    f.search(QStringLiteral("ord"));
    QCOMPARE(f.page()->mappeLabel->text(), QString());
    QCOMPARE(f.page()->filLabel->text(), QString());
    QCOMPARE(f.page()->findBar->value(), 0);
    QCOMPARE(f.page()->countdis->text(), QStringLiteral("1"));
}

void TfindformenTest::historyHoldsEachTextOnceAndHashEmptiesIt()
{
    Fixture f;
    f.write(QStringLiteral("a.txt"), "ord");
    f.show();
    f.search(QStringLiteral("ord"));
    f.search(QStringLiteral("ord"));
    f.search(QStringLiteral("Ord"));
    QCOMPARE(f.page()->EditFind->count(), 2);
    f.page()->Button1->click();
    QCOMPARE(f.page()->EditFind->count(), 0);
    QCOMPARE(f.page()->EditFind->currentText(), QStringLiteral("Ord"));
}

void TfindformenTest::unsearchableFilesAreListedAtTheEnd()
{
    Fixture f;
    f.write(QStringLiteral("1.txt"), "ord");
    const QString broken = f.write(QStringLiteral("2.txt"), "{\\rtf1 " + QByteArray(100000, '{'));
    f.write(QStringLiteral("3.txt"), "ord");
    f.show();
    f.search(QStringLiteral("ord"));
    QCOMPARE(f.page()->countdis->text(), QStringLiteral("2"));
    const QStringList texts = f.app.platform.modal.texts();
    QCOMPARE(texts.size(), 1);
    QVERIFY(texts[0].startsWith(QStringLiteral("Information:\nDisse filer kunne ikke gennemsøges:\n") + broken
        + QStringLiteral(": ")));
}

void TfindformenTest::emptyFilterBoxHasItsOwnMessage()
{
    Fixture f;
    f.show();
    for (int row = 0; row < f.filters()->typeliste->topLevelItemCount(); ++row)
        f.filters()->typeliste->topLevelItem(row)->setCheckState(0, Qt::Unchecked);
    f.filters()->saveknap->setEnabled(true);
    f.filters()->saveknap->click();
    QCOMPARE(f.page()->filterBoks->count(), 0);
    f.page()->EditFind->setEditText(QStringLiteral("ord"));
    QVERIFY(f.run(f.page()->AfindBib));
    QCOMPARE(f.app.platform.modal.texts(),
        QStringList { "Information:\nDer er ingen filtyper i filterboksen.\n"
                      "Afkryds mindst én filtype på siden \"Filtre\", og tryk på \"Gem\"." });
}

void TfindformenTest::removingRowsSelectsTheNextOrTheLast()
{
    Fixture f;
    f.write(QStringLiteral("a.txt"), "ord ord ord");
    f.show();
    f.search(QStringLiteral("ord"));
    f.select(1);
    QVERIFY(f.run(f.page()->Afjern));
    QCOMPARE(f.page()->countdis->text(), QStringLiteral("2"));
    QCOMPARE(f.page()->findis->selectionModel()->selectedRows().first().row(), 1);
    QVERIFY(f.run(f.page()->Afjern));
    QCOMPARE(f.page()->findis->selectionModel()->selectedRows().first().row(), 0);
    QVERIFY(f.run(f.page()->Afjern));
    QCOMPARE(f.page()->countdis->text(), QStringLiteral("0"));
    QVERIFY(!f.run(f.page()->Afjern));
}

void TfindformenTest::clearingTheListEmptiesTheSearchField()
{
    Fixture f;
    f.write(QStringLiteral("a.txt"), "ord");
    f.show();
    f.search(QStringLiteral("ord"));
    QVERIFY(f.run(f.page()->AsletAlt));
    QCOMPARE(f.page()->hits->rowCount(), 0);
    QCOMPARE(f.page()->countdis->text(), QStringLiteral("0"));
    QCOMPARE(f.page()->EditFind->currentText(), QString());
    f.page()->updateCommands();
    QVERIFY(!f.page()->AfindBib->isEnabled());
}

void TfindformenTest::openingAHitPrimesTheFramesSearchField()
{
    Fixture f;
    f.app.start();
    const QString file = f.write(QStringLiteral("brev.txt"), "Kære Jens\nHusk påskeæg til søndag\n");
    f.show();
    f.search(QStringLiteral("påskeæg"));
    f.select(0);
    QVERIFY(f.run(f.page()->AvisValgte));
    QVERIFY(f.app.frame().documents()->activeDocument());
    QCOMPARE(f.app.frame().documents()->activeDocument()->Filnavn(), file);
    QCOMPARE(f.app.frame().searchControls().ordEdit->text(), QStringLiteral("Husk påskeæg til søndag"));
}

void TfindformenTest::commandsOnAFileThatIsGone()
{
    Fixture f;
    const QString file = f.write(QStringLiteral("a.txt"), "ord");
    f.show();
    f.search(QStringLiteral("ord"));
    QFile::remove(file);
    QDir(f.root).removeRecursively();
    f.select(0);
    QVERIFY(f.run(f.page()->AvisValgte));
    QVERIFY(f.run(f.page()->ArunValgte));
    QVERIFY(f.run(f.page()->AeditValgte));
    QVERIFY(f.run(f.page()->aFind));
    QCOMPARE(f.app.platform.modal.texts(),
        (QStringList { "Filen blev ikke fundet.", "Filen blev ikke fundet.", "Filen blev ikke fundet.",
            "Fejlinformation:\nMappen blev ikke fundet." }));
    QVERIFY(f.app.shell().calls.isEmpty());
}

void TfindformenTest::runEditAndShowFolder()
{
    Fixture f;
    const QString file = f.write(QStringLiteral("a.txt"), "ord");
    f.show();
    f.search(QStringLiteral("ord"));
    f.select(0);
    QVERIFY(f.run(f.page()->ArunValgte));
    QVERIFY(f.run(f.page()->AeditValgte));
    QVERIFY(f.run(f.page()->aFind));
    QStringList calls;
    for (const RecordingShell::Call &call : f.app.shell().calls)
        calls << call.operation + u' ' + call.target;
    QCOMPARE(
        calls, (QStringList { "open " + file, "edit " + file, "showFolder " + QDir::cleanPath(f.root) }));
}

void TfindformenTest::typeListEditsAreSavedAndOffered()
{
    Fixture f;
    f.show();
    f.filters()->tekstedit->setText(QStringLiteral("Logfil"));
    f.filters()->typeedit->setText(QStringLiteral(".log"));
    QVERIFY(f.run(f.filters()->aInsertNew));
    QCOMPARE(f.filters()->shownEntries().last(), (FileTypeEntry { "Logfil", "*.log", true }));
    QVERIFY(f.filters()->saveknap->isEnabled());
    QCOMPARE(f.page()->filterBoks->count(), 11); // not before "Gem"

    QTreeWidget *list = f.filters()->typeliste;
    list->setCurrentItem(list->topLevelItem(12));
    QVERIFY(f.run(f.filters()->Aop));
    QCOMPARE(list->topLevelItem(11)->text(1), QStringLiteral("*.log"));
    QVERIFY(list->selectedItems().isEmpty());
    list->setCurrentItem(list->topLevelItem(0));
    QVERIFY(f.run(f.filters()->Aned));
    QCOMPARE(list->topLevelItem(1)->text(0), QStringLiteral("Tekstfil"));
    QCOMPARE(list->selectedItems().first()->text(0), QStringLiteral("Tekstfil"));

    f.app.platform.modal.answer(QDialog::Accepted);
    list->setCurrentItem(list->topLevelItem(2));
    QVERIFY(f.run(f.filters()->aSletValgte));
    QCOMPARE(f.app.platform.modal.texts().last(),
        QStringLiteral("Skal filtypen:\nHjemmeside\nslettes permanent?"));

    f.filters()->saveknap->click();
    QVERIFY(!f.filters()->saveknap->isEnabled());
    QCOMPARE(filterItems(*f.page()->filterBoks).first(), QStringLiteral("Rich Text (*.rtf)"));
    QVERIFY(filterItems(*f.page()->filterBoks).contains(QStringLiteral("Logfil (*.log)")));
    QVERIFY(QString::fromUtf8(f.app.readSettingsFile(QStringLiteral("Filtertyper.txt")))
                .contains("Logfil\r\n*.log\r\n1\r\n"));
}

void TfindformenTest::standardListAsksFirst()
{
    Fixture f;
    f.show();
    f.filters()->tekstedit->setText(QStringLiteral("Logfil"));
    f.filters()->typeedit->setText(QStringLiteral("log"));
    QVERIFY(f.run(f.filters()->aInsertNew));
    f.filters()->standardKnap->click(); // answered no
    QCOMPARE(f.filters()->typeliste->topLevelItemCount(), 13);
    f.app.platform.modal.answer(QDialog::Accepted);
    f.filters()->standardKnap->click();
    QCOMPARE(f.filters()->shownEntries(), FileTypeList::standard());
    QCOMPARE(f.app.platform.modal.texts().last(),
        QStringLiteral("Der vil muligvist blive fjernet typer, der er indført senere!\n"
                       "Skal standardlisten hentes alligevel?"));
}

void TfindformenTest::aTickAloneCanBeSaved()
{
    Fixture f;
    f.show();
    QVERIFY(!f.filters()->saveknap->isEnabled());
    f.filters()->typeliste->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    QVERIFY(f.filters()->saveknap->isEnabled());
    f.filters()->saveknap->click();
    QVERIFY(QString::fromUtf8(f.app.readSettingsFile(QStringLiteral("Filtertyper.txt")))
                .startsWith("Tekstfil\r\n*.txt\r\n0\r\n"));
    QVERIFY(!filterItems(*f.page()->filterBoks).contains(QStringLiteral("Tekstfil (*.txt)")));
}

void TfindformenTest::informationPageComesWithTheProgramOrTheDataRoot()
{
    {
        Fixture f;
        f.show();
        QCOMPARE(f.filters()->Browser->documentTitle(), QStringLiteral("Søg i dokumenter"));
    }
    TestApp app;
    const QString own = app.root() + QStringLiteral("/Program/Information/Find i dokumenter2.html");
    QDir().mkpath(QFileInfo(own).path());
    writeAll(own, "<html><head><title>Min egen hjælp</title></head></html>");
    app.create();
    app.context.findformen->show();
    QCOMPARE(app.context.findformen->filterPage->Browser->documentTitle(), QStringLiteral("Min egen hjælp"));
}

void TfindformenTest::everyControlHasAName()
{
    Fixture f;
    f.show();
    QCOMPARE(unnamedControls(*f.box), QStringList());
}

QTEST_MAIN(TfindformenTest)
#include "tst_Tfindformen.moc"
