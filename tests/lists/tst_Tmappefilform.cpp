#include "app/DocumentInfoWidgets.h"
#include "documents/DocumentArea.h"
#include "documents/DocumentWindow.h"
#include "frame/Tmainform.h"
#include "lists/DriveList.h"
#include "lists/FolderTrail.h"
#include "lists/TReopenFilerX.h"
#include "lists/Tfilform.h"
#include "lists/Tmappefilform.h"
#include "support/TestApp.h"
#include "support/UnnamedControls.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QStorageInfo>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

// The box of a freshly created program, with a folder of documents in its data root.
struct Fixture {
    explicit Fixture(const QByteArray &settings = {})
    {
        if (!settings.isNull())
            app.writeSettingsFile(QStringLiteral("mappefilUnit.txt"), settings);
        app.create();
        box = app.context.mappefilform;
    }
    QString file(const QString &name) const { return app.writeFile(name, "Tekst\n"); }
    QString folder() const { return QDir::cleanPath(app.root() + QStringLiteral("/filer")); }
    // Shows the folder holding these files; none of them selected.
    void showFiles(const QStringList &names)
    {
        for (const QString &name : names)
            file(name);
        app.context.currentFolder.setPath(folder());
        box->show();
    }
    QStringList fileRows() const
    {
        QStringList rows;
        for (int i = 0; i < box->fileBox->count(); ++i)
            rows << box->fileBox->item(i)->text();
        return rows;
    }
    QStringList folderRows() const
    {
        QStringList rows;
        for (QTreeWidgetItemIterator it(box->dirBox); *it; ++it)
            rows << (*it)->text(0);
        return rows;
    }
    void select(const QList<int> &rows, int focused)
    {
        box->fileBox->setCurrentRow(focused, QItemSelectionModel::NoUpdate);
        box->fileBox->clearSelection();
        for (int row : rows)
            box->fileBox->item(row)->setSelected(true);
    }
    QStringList openDocuments() const
    {
        QStringList files;
        for (const TReopenRec &entry : app.context.filform->FavFiler2->entries())
            files << entry.Filnavn;
        return files;
    }

    TestApp app;
    Tmappefilform *box = nullptr;
};

} // namespace

class TmappefilformTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstStartShowsTheDataRoot();
    void closingWritesFiveLines();
    void settingsFileIsReadLineByLine_data();
    void settingsFileIsReadLineByLine();
    void folderListRunsFromTheRootToTheSubfolders();
    void fileEditBoxNamesTheSelectedFocusedRow();
    void enterOpensEverySelectedFileTopRowFirst();
    void enterOnAFocusedRowNotSelectedDoesNothing();
    void runAndEditGoToTheShellOrTheEditor();
    void activatedDocumentMovesTheFolder();
    void vanishedFolderGivesWayToTheOneAbove();
    void drivesAreTheRootTheHomeAndRealDisks();
    void drivesChooserMovesTheFolder();
    void resizingSplitsTheWidth();
    void everyControlHasAName();
};

void TmappefilformTest::firstStartShowsTheDataRoot()
{
    Fixture f;
    QCOMPARE(f.box->size(), QSize(580, 480));
    QCOMPARE(f.box->pos(), QPoint(40, 40));
    QCOMPARE(f.app.context.currentFolder.path(), QDir::cleanPath(f.app.root()));
    QCOMPARE(f.box->fileEditBox->text(), QStringLiteral("*.*"));
    for (const char *name : { "noter.txt", ".skjult" }) {
        QFile file(f.app.root() + u'/' + QString::fromLatin1(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    f.box->show();
    QCOMPARE(f.fileRows(), (QStringList { ".skjult", "noter.txt" }));
    QCOMPARE(f.box->fileEditBox->text(), QString());
    QCOMPARE(f.box->fileEditBox->placeholderText(), QStringLiteral("Vælg en fil i listen"));
    QCOMPARE(f.box->windowTitle(), QStringLiteral("Mapper og filer"));
    QVERIFY(f.app.modal().texts().isEmpty());
}

void TmappefilformTest::closingWritesFiveLines()
{
    Fixture f;
    f.showFiles({ "a.txt" });
    f.box->resize(600, 500);
    f.box->move(50, 60);
    f.box->close();
    QCOMPARE(f.app.readSettingsFile(QStringLiteral("mappefilUnit.txt")),
        QStringLiteral("600\r\n500\r\n50\r\n60\r\n%1\r\n").arg(f.folder()).toUtf8());
    QVERIFY(!f.box->isVisible());
}

void TmappefilformTest::settingsFileIsReadLineByLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("told");
    QTest::addColumn<QString>("folder");

    const QString here = QDir::cleanPath(QDir::currentPath());
    QTest::newRow("whole") << QByteArray("600\r\n500\r\n10\r\n20\r\n/\r\nmere\r\n") << QSize(600, 500)
                           << false << "/";
    QTest::newRow("not a number stops at line 2")
        << QByteArray("600\r\nhøj\r\n10\r\n20\r\n/\r\n") << QSize(600, 480) << true << "";
    QTest::newRow("a folder line missing")
        << QByteArray("600\r\n500\r\n10\r\n20\r\n") << QSize(600, 500) << true << "";
    QTest::newRow("a deleted folder, no message")
        << QByteArray("600\r\n500\r\n10\r\n20\r\n/ingen/sådan/mappe\r\n") << QSize(600, 500) << false << here;
    QTest::newRow("a relative folder changes nothing")
        << QByteArray("600\r\n500\r\n10\r\n20\r\nmappe\r\n") << QSize(600, 500) << false << "";
}

void TmappefilformTest::settingsFileIsReadLineByLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, told);
    QFETCH(QString, folder);
    Fixture f(bytes);
    QTEST(f.box->size(), "size");
    QCOMPARE(f.app.modal().texts(),
        told ? QStringList { "Information\nDer gik noget galt med opstarten.\nDer kan eventuelt være slettet "
                             "vigtige filer." }
             : QStringList {});
    QCOMPARE(f.app.context.currentFolder.path(), folder);
}

void TmappefilformTest::folderListRunsFromTheRootToTheSubfolders()
{
    Fixture f;
    QDir(f.folder()).mkpath(QStringLiteral("Breve/.gamle"));
    QDir(f.folder()).mkpath(QStringLiteral("arkiv"));
    f.showFiles({ "a.txt" });
    const QStringList parts = f.folder().split(u'/', Qt::SkipEmptyParts);
    QCOMPARE(f.folderRows(), (QStringList { "/" } + parts + QStringList { "arkiv", "Breve" }));
    QCOMPARE(f.box->dirBox->currentItem()->text(0), QStringLiteral("filer"));
    // Choosing a subfolder makes it the folder, its own subfolders below it.
    QTreeWidgetItem *breve = f.box->dirBox->findItems(QStringLiteral("Breve"), Qt::MatchRecursive).first();
    Q_EMIT f.box->dirBox->itemClicked(breve, 0);
    QCOMPARE(f.app.context.currentFolder.path(), f.folder() + QStringLiteral("/Breve"));
    QCOMPARE(f.folderRows().mid(parts.size() + 1), (QStringList { "Breve", ".gamle" }));
    QVERIFY(f.fileRows().isEmpty());
    QCOMPARE(FolderTrail::rows(QStringLiteral("/"), { "home" }),
        (QList<FolderTrail::Row> { { "/", "/", 0, true }, { "/home", "home", 1, false } }));
}

void TmappefilformTest::fileEditBoxNamesTheSelectedFocusedRow()
{
    Fixture f;
    f.showFiles({ "a.txt", "b.txt" });
    f.select({ 0, 1 }, 1);
    QCOMPARE(f.box->fileEditBox->text(), QStringLiteral("b.txt"));
    QCOMPARE(f.box->selectedFile(), f.folder() + QStringLiteral("/b.txt"));
    f.select({ 0 }, 1);
    QCOMPARE(f.box->fileEditBox->text(), QString());
    QCOMPARE(f.box->selectedFile(), QString());
    f.box->updateActions();
    QVERIFY(!f.box->run->isEnabled());
}

void TmappefilformTest::enterOpensEverySelectedFileTopRowFirst()
{
    Fixture f;
    f.app.start();
    f.showFiles({ "a.txt", "b.txt", "c.txt", "d.txt" });
    f.select({ 3, 0, 1 }, 1);
    QTest::keyClick(f.box->fileBox, Qt::Key_Return);
    QCOMPARE(f.openDocuments(), (QStringList { f.file("a.txt"), f.file("b.txt"), f.file("d.txt") }));
}

void TmappefilformTest::enterOnAFocusedRowNotSelectedDoesNothing()
{
    Fixture f;
    f.app.start();
    f.showFiles({ "a.txt", "b.txt" });
    f.select({ 0 }, 1);
    QTest::keyClick(f.box->fileBox, Qt::Key_Return);
    QTest::keyClick(f.box->fileBox, Qt::Key_Space);
    QVERIFY(f.openDocuments().isEmpty());
}

void TmappefilformTest::runAndEditGoToTheShellOrTheEditor()
{
    Fixture f;
    f.app.start();
    f.app.context.fields.extListe = QStringList { "Tekstfil", "*.txt", "1", "Billede", "*.xyz", "0" };
    f.showFiles({ "a.txt", "billede.xyz" });
    f.select({ 1 }, 1);
    f.box->updateActions();
    f.box->runButton->click();
    f.box->editButton->click();
    QCOMPARE(f.app.shell().calls.size(), 2);
    QCOMPARE(f.app.shell().calls[0].operation, QStringLiteral("open"));
    QCOMPARE(f.app.shell().calls[1].operation, QStringLiteral("edit"));
    QCOMPARE(f.app.shell().calls[1].target, f.file("billede.xyz"));
    f.select({ 0 }, 0);
    f.box->updateActions();
    f.box->editButton->click();
    QCOMPARE(f.app.shell().calls.size(), 2);
    QCOMPARE(f.openDocuments(), QStringList { f.file("a.txt") });
}

void TmappefilformTest::activatedDocumentMovesTheFolder()
{
    Fixture f;
    f.app.start();
    const QString letter = f.app.writeFile(QStringLiteral("Breve/brev.txt"), "Kære ven\n");
    f.app.frame().openFiles({ letter });
    QVERIFY(!f.box->isVisible());
    QCOMPARE(f.app.context.currentFolder.path(), f.folder() + QStringLiteral("/Breve"));
    QCOMPARE(f.app.frame().infoWidgets().docFilnavnEdit->toolTip(), f.folder() + QStringLiteral("/Breve"));
    f.app.frame().command(QStringLiteral("mappefilBox"))->trigger();
    QCOMPARE(f.fileRows(), QStringList { "brev.txt" });
    f.box->close();
    QVERIFY(f.app.readSettingsFile(QStringLiteral("mappefilUnit.txt"))
                .endsWith(QString(f.folder() + QStringLiteral("/Breve\r\n")).toUtf8()));
}

void TmappefilformTest::vanishedFolderGivesWayToTheOneAbove()
{
    Fixture f;
    f.file(QStringLiteral("a.txt"));
    const QString deep = f.folder() + QStringLiteral("/ny/dybere");
    QDir().mkpath(deep);
    f.app.context.currentFolder.setPath(deep);
    f.box->show();
    QVERIFY(QDir(f.folder() + QStringLiteral("/ny")).removeRecursively());
    f.box->hide();
    f.box->show();
    QCOMPARE(f.app.context.currentFolder.path(), f.folder());
    QCOMPARE(f.fileRows(), QStringList { "a.txt" });
    // A subfolder that went after it was listed: choosing it stays in the folder.
    QDir().mkpath(f.folder() + QStringLiteral("/kort"));
    f.box->hide();
    f.box->show();
    QTreeWidgetItem *gone = f.box->dirBox->findItems(QStringLiteral("kort"), Qt::MatchRecursive).first();
    QVERIFY(QDir().rmdir(f.folder() + QStringLiteral("/kort")));
    Q_EMIT f.box->dirBox->itemClicked(gone, 0);
    QCOMPARE(f.app.context.currentFolder.path(), f.folder());
    QVERIFY(f.app.modal().texts().isEmpty());
}

void TmappefilformTest::drivesAreTheRootTheHomeAndRealDisks()
{
    const QList<DriveList::Drive> drives
        = DriveList::drives(QStorageInfo::mountedVolumes(), QStringLiteral("/home/bruger/"));
    QCOMPARE(drives.value(0), (DriveList::Drive { "Filsystemets rod (/)", "/" }));
    QCOMPARE(drives.value(1), (DriveList::Drive { "Hjemmemappe (/home/bruger)", "/home/bruger" }));
    for (const DriveList::Drive &drive : drives.mid(2)) {
        const QStorageInfo volume(drive.mountPoint);
        QVERIFY2(!DriveList::isSystemFileSystem(volume.fileSystemType()), qPrintable(drive.mountPoint));
        QVERIFY(!drive.mountPoint.startsWith(QStringLiteral("/proc")));
    }
    for (const char *type : { "proc", "sysfs", "tmpfs", "overlay", "cgroup2", "devpts" })
        QVERIFY(DriveList::isSystemFileSystem(type));
    for (const char *type : { "ext4", "btrfs", "nfs4", "cifs", "iso9660", "vfat" })
        QVERIFY(!DriveList::isSystemFileSystem(type));
    QCOMPARE(DriveList::driveOf(drives, QStringLiteral("/home/bruger/Breve")), 1);
    QCOMPARE(DriveList::driveOf(drives, QStringLiteral("/home/brugeren")), 0);
}

void TmappefilformTest::drivesChooserMovesTheFolder()
{
    Fixture f;
    f.showFiles({ "a.txt" });
    QVERIFY(f.box->diskBox->count() >= 2);
    QCOMPARE(f.box->diskBox->itemText(0), QStringLiteral("Filsystemets rod (/)"));
    Q_EMIT f.box->diskBox->activated(0);
    QCOMPARE(f.app.context.currentFolder.path(), QStringLiteral("/"));
    QCOMPARE(f.box->diskBox->currentIndex(), 0);
    QCOMPARE(f.folderRows().first(), QStringLiteral("/"));
}

void TmappefilformTest::resizingSplitsTheWidth()
{
    Fixture f;
    f.box->show();
    QCOMPARE(f.box->dirPanel->width(), Tmappefilform::kDirPanelWidth);
    f.box->resize(800, 480);
    QCOMPARE(f.box->dirPanel->width(), 800 / 2 - 12);
    f.box->resize(560, 480);
    QCOMPARE(f.box->dirPanel->width(), 268);
}

void TmappefilformTest::everyControlHasAName()
{
    Fixture f;
    f.showFiles({ "a.txt" });
    QCOMPARE(unnamedControls(*f.box), QStringList());
}

QTEST_MAIN(TmappefilformTest)
#include "tst_Tmappefilform.moc"
