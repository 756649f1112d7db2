#include "documents/DocumentArea.h"
#include "documents/DocumentWindow.h"
#include "frame/Tmainform.h"
#include "lists/FileListBox.h"
#include "lists/TReopenFilerX.h"
#include "search/Tfilmappeform.h"
#include "support/ListRows.h"
#include "support/OptionsFile.h"
#include "support/SearchTool.h"
#include "support/TestApp.h"
#include "support/UnnamedControls.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

namespace {

// The box of a freshly created program, with a tree of folders and files to search in its data root.
struct Fixture {
    explicit Fixture(const QMap<int, QByteArray> &options = {})
    {
        if (!options.isEmpty())
            app.writeSettingsFile(QStringLiteral("optUnit.txt"), OptionsFile::with(options));
        app.create();
        box = app.context.filmappeform;
        root = QDir::cleanPath(app.root() + QStringLiteral("/træ"));
        for (const char *folder : { "Rapporter", "Æbler", "a", "brev.txt", ".skjult", "tom" })
            QDir(root).mkpath(QString::fromUtf8(folder));
        for (const char *file : { "Rapport.txt", "Rapporter/rapport-2024.txt", "Rapporter/noter.md",
                 "Æbler/æble.txt", "a/rap.txt", ".skjult/.rap-hemmelig" })
            make(QString::fromUtf8(file));
        if (!QFile::link(QStringLiteral("."), path(QStringLiteral("løkke"))))
            qFatal("cannot make the link");
    }
    QString path(const QString &relative) const { return root + u'/' + relative; }
    void make(const QString &relative) const
    {
        QFile file(path(relative));
        if (!file.open(QIODevice::WriteOnly) || file.write("Tekst\n") != 6)
            qFatal("cannot write %s", qPrintable(relative));
    }
    // Searches as the user does, with Enter in the search field, and waits for the end.
    NameSearchSummary search(const QString &text, const QString &folder = {})
    {
        box->show();
        box->mappeEdit->setText(folder.isEmpty() ? root : folder);
        box->findTekstEdit->setText(text);
        QSignalSpy finished(box, &Tfilmappeform::searchFinished);
        QTest::keyClick(box->findTekstEdit, Qt::Key_Return);
        if (!finished.wait(20000))
            qFatal("the search did not end");
        return finished.first().first().value<NameSearchSummary>();
    }
    static QStringList pathsOf(const TReopenFilerX &list)
    {
        QStringList paths;
        for (const TReopenRec &entry : list.entries())
            paths << entry.Filnavn;
        return paths;
    }
    QJsonObject tool(const QStringList &arguments) const
    {
        QProcess process;
        process.start(
            QFileInfo(QStringLiteral(SKRIVORA_BINARY)).dir().filePath(QStringLiteral("skrivora-search")),
            QStringList { "names", "--json" } + arguments);
        if (!process.waitForFinished(60000))
            qFatal("skrivora-search did not finish");
        return QJsonDocument::fromJson(process.readAllStandardOutput()).object();
    }

    TestApp app;
    Tfilmappeform *box = nullptr;
    QString root;
};

} // namespace

class TfilmappeformTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void f7OpensTheBox();
    void searchNeedsTextAndFolder();
    void folderComesFromTheFoldersAndFilesBox();
    void findsWhatTheToolFinds_data();
    void findsWhatTheToolFinds();
    void newFindsGoFirstWhenTheOptionsSaySo();
    void missingFolderIsTold();
    void emptyFolderLeavesTheHeadings();
    void clickShowsThePathDoubleClickOpens();
    void vanishedFolderIsToldOnDoubleClick();
    void unreadableFoldersAreNamedOnceAtTheEnd();
    void everyControlHasAName();
};

void TfilmappeformTest::f7OpensTheBox()
{
    Fixture f;
    f.app.context.currentFolder.setPath(f.path("Æbler"));
    QAction *command = f.app.frame().command(QStringLiteral("aSearchMappeFiler"));
    QCOMPARE(command->shortcut(), QKeySequence(Qt::Key_F7));
    command->trigger();
    QVERIFY(f.box->isVisible());
    QCOMPARE(f.box->windowTitle(), QStringLiteral("Søg efter mapper og filer"));
    QCOMPARE(f.box->mappeEdit->text(), f.path("Æbler"));
    QCOMPARE(f.box->BarEdit->text(), QStringLiteral("Søg efter"));
    QCOMPARE(f.box->mapperOverskrift->text(), QStringLiteral("Mapper"));
    QCOMPARE(f.box->filerOverskrift->text(), QStringLiteral("Filer"));
    QCOMPARE(f.box->focusWidget(), f.box->findTekstEdit);
}

void TfilmappeformTest::searchNeedsTextAndFolder()
{
    Fixture f;
    f.box->updateCommands();
    QVERIFY(!f.box->aSearch->isEnabled());
    f.box->findTekstEdit->setText(QStringLiteral("rap"));
    f.box->updateCommands();
    QVERIFY(!f.box->aSearch->isEnabled());
    f.box->mappeEdit->setText(f.root);
    f.box->updateCommands();
    QVERIFY(f.box->aSearch->isEnabled());
    QVERIFY(!f.box->stopButton->isEnabled());
    QCOMPARE(f.box->aSearch->toolTip(), QStringLiteral("Søg efter mapper og filer"));
}

void TfilmappeformTest::folderComesFromTheFoldersAndFilesBox()
{
    Fixture f;
    f.app.context.currentFolder.setPath(f.path("Rapporter"));
    f.box->getDirButton->click();
    QCOMPARE(f.box->mappeEdit->text(), f.path("Rapporter"));
    f.app.platform.fileDialogs.folderAnswers.enqueue(f.path("Æbler"));
    f.box->browseButton->click();
    QCOMPARE(f.box->mappeEdit->text(), f.path("Æbler"));
}

void TfilmappeformTest::findsWhatTheToolFinds_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QStringList>("folderRows");
    QTest::addColumn<QStringList>("fileRows");

    QTest::newRow("rap") << "rap" << 120 << QStringList { "Rapporter" }
                         << QStringList { ".rap-hemmelig", "rap.txt", "Rapport.txt", "rapport-2024.txt" };
    QTest::newRow("limit reached by files")
        << "rap" << 2 << QStringList {} << QStringList { ".rap-hemmelig", "rap.txt" };
    QTest::newRow("Danish letters fold not") << "ÆBLE" << 120 << QStringList { "Æbler" } << QStringList {};
}

void TfilmappeformTest::findsWhatTheToolFinds()
{
    QFETCH(QString, text);
    QFETCH(int, limit);
    Fixture f({ { OptionsFile::MaxElements, QByteArray::number(limit) } });
    f.search(text);
    QTEST(rowsOf(*f.box->mappeBoxen), "folderRows");
    QTEST(rowsOf(*f.box->filBoxen), "fileRows");

    const QJsonObject json = f.tool({ QStringLiteral("--limit=%1").arg(limit), text, f.root });
    QCOMPARE(Fixture::pathsOf(*f.box->findDir), json.value("folders").toVariant().toStringList());
    QCOMPARE(Fixture::pathsOf(*f.box->findFiler), json.value("files").toVariant().toStringList());
    QCOMPARE(f.box->mapperOverskrift->text(), json.value("folders_heading").toString());
    QCOMPARE(f.box->filerOverskrift->text(), json.value("files_heading").toString());
    QCOMPARE(f.box->BarEdit->text(), json.value("progress_text").toString());
    QCOMPARE(f.box->findBar->maximum(), json.value("progress_total").toInt());
    QCOMPARE(f.box->findBar->value(), json.value("progress_position").toInt());
    QVERIFY(f.app.modal().texts().isEmpty());
}

void TfilmappeformTest::newFindsGoFirstWhenTheOptionsSaySo()
{
    Fixture f({ { OptionsFile::IndsaetFoerst, "1" } });
    f.search(QStringLiteral("rap"));
    QCOMPARE(rowsOf(*f.box->filBoxen),
        (QStringList { "rapport-2024.txt", "Rapport.txt", "rap.txt", ".rap-hemmelig" }));
    QCOMPARE(f.box->findFiler->GetFilnavn(0), f.path("Rapporter/rapport-2024.txt"));
    // A new search starts with empty lists and headings.
    f.search(QStringLiteral("intet"));
    QCOMPARE(f.box->filBoxen->count(), 0);
    QCOMPARE(f.box->findFiler->Antal(), 0);
    QCOMPARE(f.box->filerOverskrift->text(), QStringLiteral("Der er undersøgt 6:0 filnavne"));
}

void TfilmappeformTest::missingFolderIsTold()
{
    Fixture f;
    f.search(QStringLiteral("rap"));
    f.box->mappeEdit->setText(f.path("findes-ikke"));
    f.box->aSearch->trigger();
    QCOMPARE(f.app.modal().texts(), QStringList { "Information:\nMappen eksisterer ikke." });
    QCOMPARE(f.box->filBoxen->count(), 0);
    QCOMPARE(f.box->filerOverskrift->text(), QStringLiteral("Filer"));
}

void TfilmappeformTest::emptyFolderLeavesTheHeadings()
{
    Fixture f;
    const NameSearchSummary summary = f.search(QStringLiteral("rap"), f.path("tom"));
    QCOMPARE(summary.progressTotal, 0);
    QCOMPARE(f.box->mapperOverskrift->text(), QStringLiteral("Mapper"));
    QCOMPARE(f.box->filerOverskrift->text(), QStringLiteral("Filer"));
    QCOMPARE(f.box->BarEdit->text(), QStringLiteral("Søg efter"));
    QCOMPARE(f.box->findBar->maximum(), 1);
    QCOMPARE(f.box->findBar->value(), 0);
}

void TfilmappeformTest::clickShowsThePathDoubleClickOpens()
{
    Fixture f;
    f.app.start();
    f.search(QStringLiteral("rap"));
    f.box->filBoxen->setCurrentRow(2);
    QCOMPARE(f.app.frame().Info->text(), f.path("Rapport.txt"));
    Q_EMIT f.box->filBoxen->itemDoubleClicked(f.box->filBoxen->item(2));
    QCOMPARE(f.app.frame().documents()->activeDocument()->Filnavn(), f.path("Rapport.txt"));

    f.box->mappeBoxen->setCurrentRow(0);
    QCOMPARE(f.app.frame().Info->text(), f.path("Rapporter"));
    Q_EMIT f.box->mappeBoxen->itemDoubleClicked(f.box->mappeBoxen->item(0));
    QCOMPARE(f.app.shell().calls.size(), 1);
    QCOMPARE(f.app.shell().calls[0].operation, QStringLiteral("showFolder"));
    QCOMPARE(f.app.shell().calls[0].target, f.path("Rapporter"));
}

void TfilmappeformTest::vanishedFolderIsToldOnDoubleClick()
{
    Fixture f;
    f.search(QStringLiteral("Rapporter"));
    QVERIFY(QDir(f.path("Rapporter")).removeRecursively());
    f.box->mappeBoxen->setCurrentRow(0);
    Q_EMIT f.box->mappeBoxen->itemDoubleClicked(f.box->mappeBoxen->item(0));
    QVERIFY(f.app.shell().calls.isEmpty());
    QCOMPARE(f.app.modal().texts().last(),
        QStringLiteral("Mappen blev ikke fundet.\nSlet eventuelt elementet fra listen eller opdater listen "
                       "hvis muligt"));
}

void TfilmappeformTest::unreadableFoldersAreNamedOnceAtTheEnd()
{
    Fixture f;
    const QString locked = f.path("a");
    const QString alsoLocked = f.path("Æbler");
    for (const QString &folder : { locked, alsoLocked })
        QVERIFY(QFile::setPermissions(folder, {}));
    auto unlock = qScopeGuard([&] {
        for (const QString &folder : { locked, alsoLocked })
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    if (!QDir(locked).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty())
        QSKIP("this user reads folders whatever their permissions say (root)");
    f.search(QStringLiteral("rap"));
    QCOMPARE(f.app.modal().texts().size(), 1);
    const QString message = f.app.modal().texts().first();
    QVERIFY(message.startsWith(
        QStringLiteral("Information:\nDisse mapper kunne ikke gennemsøges:\n") + locked + u':'));
    QVERIFY(message.contains(u'\n' + alsoLocked + u':'));
    QVERIFY(!rowsOf(*f.box->filBoxen).contains(QStringLiteral("rap.txt")));
}

void TfilmappeformTest::everyControlHasAName()
{
    Fixture f;
    f.box->show();
    QCOMPARE(unnamedControls(*f.box), QStringList());
}

QTEST_MAIN(TfilmappeformTest)
#include "tst_Tfilmappeform.moc"
