#include "lists/FileListBox.h"
#include "lists/TReopenFilerX.h"
#include "lists/Tfavoritform.h"
#include "options/Toptform.h"
#include "support/ActionClick.h"
#include "support/FileBytes.h"
#include "support/ListRows.h"
#include "support/TestApp.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

namespace {

const QString kStartupFailure = QStringLiteral(
    "Information\nDer gik noget galt med opstarten.\nDer kan eventuelt være slettet vigtige filer.");

// The favourites box of a program started on a data root prepared by the test.
struct Fixture {
    // Writes a favourites list before the program starts; entries are (caption, file name in "filer").
    void writeList(const QString &name, const QStringList &files)
    {
        QByteArray bytes;
        for (const QString &file : files)
            bytes += file.toUtf8() + "\r\n" + document(file).toUtf8() + "\r\n";
        app.writeSettingsFile(QStringLiteral("Favoritter/") + name + QStringLiteral(".txt"), bytes);
    }
    QString document(const QString &name) { return app.writeFile(name, "Tekst\n"); }
    QString listFile(const QString &name) const
    {
        return app.settingsPath(QStringLiteral("Favoritter/") + name + QStringLiteral(".txt"));
    }
    void create()
    {
        app.create();
        box = app.context.favoritform;
    }
    bool run(QAction *action)
    {
        return clickWhenEnabled(action, [this] { box->updateActions(); });
    }
    // The user makes a document active and adds it with the box's button.
    void addActiveDocument(const QString &name)
    {
        app.context.fields.dokumentFilnavn = document(name);
        QVERIFY(run(box->insertFil));
    }

    TestApp app;
    Tfavoritform *box = nullptr;
};

} // namespace

class TfavoritformTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstStartSavesTheListAsListenavn();
    void settingsFileChoosesTheCurrentList_data();
    void settingsFileChoosesTheCurrentList();
    void aListNameFromTheSettingsFileStaysInsideTheFolder();
    void loadingPrunesVanishedFavourites();

    void closingWithChangesAsksAndWritesOnYes();
    void closingWithChangesSavesWithoutAskingWhenChosen_data();
    void closingWithChangesSavesWithoutAskingWhenChosen();
    void addingAFavouriteTwiceAsksAboutTheFavouritesList();
    void renamingToTheSameCaptionIsRefused();
    void movingStopsAtTheEnds();
    void deletingAndClearingMarkTheListChanged();
    void sortingAsksFirst();
    void selectingAFavouriteShowsItsCaptionAndPath();

    void newListKeepsTheEntriesTheUserDidNotRemove();
    void newListNeedsTwoCharacters();
    void newListNameInUseIsRefused_data();
    void newListNameInUseIsRefused();
    void listNamesNoFileCanHaveAreRefused_data();
    void listNamesNoFileCanHaveAreRefused();
    void choosingAnotherListAsksAboutUnsavedChanges();
    void choosingAMissingListTellsTheUser();
    void anUnreadableListLeavesTheCurrentListCurrent();
    void refreshingAfterTheCurrentFileWasDeleted_data();
    void refreshingAfterTheCurrentFileWasDeleted();

    void showingFolders();
    void rowsAreDrawnWithAColouredSquareAndALine();
};

void TfavoritformTest::firstStartSavesTheListAsListenavn()
{
    Fixture f;
    f.create();
    f.box->show();
    QVERIFY(QFileInfo(f.app.settingsPath(QStringLiteral("Favoritter"))).isDir());
    QCOMPARE(f.box->fillisten->count(), 0);
    QCOMPARE(f.box->fillisteNavn->text(), QStringLiteral("Listenavn"));
    QCOMPARE(f.box->FavFilerFilename, QStringLiteral("Favoritter"));
    f.box->updateActions();
    QVERIFY(!f.box->insertFil->isEnabled());
    QVERIFY(!f.box->aGemFilliste->isEnabled());

    f.addActiveDocument(QStringLiteral("brev.txt"));
    QCOMPARE(rowsOf(*f.box->favFilerListe), QStringList { "brev.txt" });
    QVERIFY(f.box->ListeForandret);
    QVERIFY(f.run(f.box->aGemFilliste));
    QCOMPARE(readAll(f.listFile(QStringLiteral("Listenavn"))),
        "brev.txt\r\n" + f.document(QStringLiteral("brev.txt")).toUtf8() + "\r\n");
    QVERIFY(!f.box->ListeForandret);
    f.box->opdaterButton->click();
    QCOMPARE(rowsOf(*f.box->fillisten), QStringList { "Listenavn" });
    QCOMPARE(f.app.modal().shown.size(), 0);
}

void TfavoritformTest::settingsFileChoosesTheCurrentList_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("reported");

    QTest::newRow("no file: the defaults") << QByteArray() << QRect(40, 40, 580, 480) << "Favoritter"
                                           << "Favoritter" << false;
    QTest::newRow("five lines") << QByteArray("600\r\n400\r\n10\r\n20\r\nArbejde\r\n")
                                << QRect(10, 20, 600, 400) << "Arbejde"
                                << "Arbejde" << false;
    QTest::newRow("four lines: no list")
        << QByteArray("600\r\n400\r\n10\r\n20\r\n") << QRect(10, 20, 600, 400) << ""
        << "Listenavn" << true;
    QTest::newRow("a list that is gone")
        << QByteArray("600\r\n400\r\n10\r\n20\r\nVæk\r\n") << QRect(10, 20, 600, 400) << "Væk"
        << "Listenavn" << false;
}

void TfavoritformTest::settingsFileChoosesTheCurrentList()
{
    QFETCH(QByteArray, settings);
    QFETCH(QRect, geometry);
    QFETCH(QString, name);
    QFETCH(QString, shown);
    QFETCH(bool, reported);

    Fixture f;
    f.writeList(QStringLiteral("Favoritter"), { "a.txt" });
    f.writeList(QStringLiteral("Arbejde"), { "b.txt", "c.txt" });
    if (!settings.isEmpty())
        f.app.writeSettingsFile(QStringLiteral("favoritUnit.txt"), settings);
    f.create();
    QCOMPARE(QRect(f.box->pos(), f.box->size()), geometry);
    QCOMPARE(f.box->FavFilerFilename, name);
    QCOMPARE(f.box->fillisteNavn->text(), shown);
    QCOMPARE(f.app.modal().texts(), reported ? QStringList { kStartupFailure } : QStringList());
    QVERIFY(!f.box->ListeForandret);

    QVERIFY(f.box->close());
    QCOMPARE(f.app.readSettingsFile(QStringLiteral("favoritUnit.txt")),
        QByteArray::number(geometry.width()) + "\r\n" + QByteArray::number(geometry.height()) + "\r\n"
            + QByteArray::number(geometry.left()) + "\r\n" + QByteArray::number(geometry.top()) + "\r\n"
            + name.toUtf8() + "\r\n");
}

// Loading a list rewrites its file; a name leading out of the folder must not reach another file.
void TfavoritformTest::aListNameFromTheSettingsFileStaysInsideTheFolder()
{
    Fixture f;
    const QByteArray outside("Ikke en liste\r\n/findes/ikke\r\n");
    f.app.writeSettingsFile(QStringLiteral("favoritUnit.txt"), "580\r\n480\r\n40\r\n40\r\n../../udenfor\r\n");
    f.app.writeSettingsFile(QStringLiteral("../udenfor.txt"), outside);
    f.create();
    QCOMPARE(f.box->fillisteNavn->text(), QStringLiteral("Listenavn"));
    QCOMPARE(f.box->FavFiler->Antal(), 0);
    QCOMPARE(f.app.readSettingsFile(QStringLiteral("../udenfor.txt")), outside);
}

void TfavoritformTest::loadingPrunesVanishedFavourites()
{
    Fixture f;
    f.writeList(QStringLiteral("Favoritter"), { "a.txt", "b.txt" });
    QVERIFY(QFile::remove(f.document(QStringLiteral("a.txt"))));
    QFile::remove(f.app.root() + QStringLiteral("/filer/a.txt"));
    f.create();
    QCOMPARE(rowsOf(*f.box->favFilerListe), QStringList { "b.txt" });
    QCOMPARE(readAll(f.listFile(QStringLiteral("Favoritter"))),
        "b.txt\r\n" + f.document(QStringLiteral("b.txt")).toUtf8() + "\r\n");
}

void TfavoritformTest::closingWithChangesAsksAndWritesOnYes()
{
    Fixture f;
    f.writeList(QStringLiteral("Favoritter"), { "a.txt" });
    f.create();
    f.box->show();
    f.addActiveDocument(QStringLiteral("b.txt"));
    f.app.modal().answer(1);
    QVERIFY(f.box->close());
    QCOMPARE(
        f.app.modal().texts(), QStringList { "Favoritlisten er forandret men ikke gemt.\nSkal den gemmes?" });
    QCOMPARE(readAll(f.listFile(QStringLiteral("Favoritter"))),
        "a.txt\r\n" + f.document(QStringLiteral("a.txt")).toUtf8() + "\r\nb.txt\r\n"
            + f.document(QStringLiteral("b.txt")).toUtf8() + "\r\n");
    f.box->show();
    QVERIFY(f.box->close());
    QCOMPARE(f.app.modal().shown.size(), 1);
}

void TfavoritformTest::closingWithChangesSavesWithoutAskingWhenChosen_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("list");
    // The list goes to the file set at creation, whatever name is shown.
    QTest::newRow("first start") << QByteArray() << "Favoritter";
    // Without a list name there is no such file: the list is stored under the name shown.
    QTest::newRow("no list name") << QByteArray("580\r\n480\r\n40\r\n40\r\n\r\n") << "Listenavn";
}

void TfavoritformTest::closingWithChangesSavesWithoutAskingWhenChosen()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, list);
    Fixture f;
    if (!settings.isEmpty())
        f.app.writeSettingsFile(QStringLiteral("favoritUnit.txt"), settings);
    f.create();
    QCOMPARE(f.box->fillisteNavn->text(), QStringLiteral("Listenavn"));
    f.app.context.optform->CheckVedLuk->setChecked(true);
    f.addActiveDocument(QStringLiteral("b.txt"));
    QVERIFY(f.box->close());
    QCOMPARE(f.app.modal().shown.size(), 0);
    QCOMPARE(readAll(f.listFile(list)), "b.txt\r\n" + f.document(QStringLiteral("b.txt")).toUtf8() + "\r\n");
    QVERIFY(!f.box->ListeForandret);
}

void TfavoritformTest::addingAFavouriteTwiceAsksAboutTheFavouritesList()
{
    Fixture f;
    f.writeList(QStringLiteral("Favoritter"), { "brev.txt" });
    f.create();
    f.app.modal().answer(QDialog::Rejected);
    f.app.context.fields.dokumentFilnavn = f.document(QStringLiteral("brev.txt"));
    QVERIFY(f.run(f.box->insertFil));
    QCOMPARE(f.app.modal().texts(),
        QStringList { "Favoritlisten:\nbrev findes allerede i listen.\nSkal den indføres alligevel?" });
    QCOMPARE(rowsOf(*f.box->favFilerListe), QStringList { "brev.txt" });
    QVERIFY(!f.box->ListeForandret);
}

void TfavoritformTest::renamingToTheSameCaptionIsRefused()
{
    Fixture f;
    f.writeList(QStringLiteral("Favoritter"), { "brev.txt" });
    f.create();
    f.box->favFilerListe->setCurrentRow(0);
    QCOMPARE(f.box->RenamFEdit->text(), QStringLiteral("brev.txt"));
    QVERIFY(f.run(f.box->FLRenameCaption));
    QCOMPARE(f.app.modal().texts(),
        QStringList { "Elementet har allerede det indførte elementnavn!\nHvis det skal omdøbes, så indfør "
                      "det nye navn først." });
    QVERIFY(!f.box->ListeForandret);

    f.box->RenamFEdit->setText(QStringLiteral("Brev.txt"));
    QTest::keyClick(f.box->RenamFEdit, Qt::Key_Return);
    QCOMPARE(rowsOf(*f.box->favFilerListe), QStringList { "Brev.txt" });
    QCOMPARE(f.box->FavFiler->GetFilnavn(0), f.document(QStringLiteral("brev.txt")));
    QVERIFY(f.box->ListeForandret);
    QCOMPARE(f.box->RenamFEdit->text(), QString());
}

void TfavoritformTest::movingStopsAtTheEnds()
{
    Fixture f;
    f.writeList(QStringLiteral("Favoritter"), { "a.txt", "b.txt", "c.txt" });
    f.create();
    f.box->favFilerListe->setCurrentRow(0);
    f.box->updateActions();
    QVERIFY(!f.box->FLop->isEnabled());
    QVERIFY(f.run(f.box->FLned));
    QCOMPARE(rowsOf(*f.box->favFilerListe), (QStringList { "b.txt", "a.txt", "c.txt" }));
    QCOMPARE(f.box->favFilerListe->selectedRow(), 1);
    QVERIFY(f.box->ListeForandret);
    QVERIFY(f.run(f.box->FLned));
    f.box->updateActions();
    QVERIFY(!f.box->FLned->isEnabled());
    QVERIFY(f.run(f.box->FLop));
    QCOMPARE(rowsOf(*f.box->favFilerListe), (QStringList { "b.txt", "a.txt", "c.txt" }));
    QCOMPARE(f.box->favFilerListe->selectedRow(), 1);
}

void TfavoritformTest::deletingAndClearingMarkTheListChanged()
{
    Fixture f;
    f.writeList(QStringLiteral("Favoritter"), { "a.txt", "b.txt" });
    f.create();
    f.box->favFilerListe->setCurrentRow(1);
    QVERIFY(f.run(f.box->FLsletValgte));
    QCOMPARE(rowsOf(*f.box->favFilerListe), QStringList { "a.txt" });
    QCOMPARE(f.box->favFilerListe->selectedRow(), 0);
    QVERIFY(f.box->ListeForandret);

    f.box->ListeForandret = false;
    f.app.modal().answer(QDialog::Rejected);
    QVERIFY(f.run(f.box->FLsletAlle));
    QCOMPARE(f.box->favFilerListe->count(), 1);
    QVERIFY(f.box->ListeForandret);
}

void TfavoritformTest::sortingAsksFirst()
{
    Fixture f;
    f.writeList(QStringLiteral("Favoritter"), { "b.txt", "a.txt" });
    f.create();
    f.app.modal().answer(QDialog::Rejected);
    QVERIFY(f.run(f.box->Fabc));
    QCOMPARE(f.app.modal().texts(),
        QStringList {
            "Hvis listen sorteres, kan handlingen ikke annulleres.\nSkal listen sorteres alfabetisk?" });
    QCOMPARE(rowsOf(*f.box->favFilerListe), (QStringList { "b.txt", "a.txt" }));
    f.app.modal().answer(1);
    QVERIFY(f.run(f.box->Fabc));
    QCOMPARE(rowsOf(*f.box->favFilerListe), (QStringList { "a.txt", "b.txt" }));
    QCOMPARE(f.box->infoBar->text(), QStringLiteral("Listen blev sorteret alfabetisk"));
    QVERIFY(f.box->ListeForandret);
    f.box->ListeForandret = false;
    f.app.modal().answer(1);
    QVERIFY(f.run(f.box->Fabc));
    QCOMPARE(f.box->infoBar->text(), QStringLiteral("Listen blev ikke ændret"));
    QVERIFY(!f.box->ListeForandret);
}

void TfavoritformTest::selectingAFavouriteShowsItsCaptionAndPath()
{
    Fixture f;
    f.writeList(QStringLiteral("Favoritter"), { "a.txt" });
    f.create();
    f.box->favFilerListe->setCurrentRow(0);
    QCOMPARE(f.box->RenamFEdit->text(), QStringLiteral("a.txt"));
    QCOMPARE(f.box->infoBar->text(), f.document(QStringLiteral("a.txt")));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(f.box->favFilerListe, &leave);
    QCOMPARE(f.box->infoBar->text(), QString());
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(f.box->favFilerListe, &enter);
    QCOMPARE(f.box->infoBar->text(), f.app.root() + QStringLiteral("/filer"));

    const int requests = f.app.context.fields.newCount;
    QTest::keyClick(f.box->favFilerListe, Qt::Key_Return);
    QCOMPARE(f.app.context.fields.newCount, requests + 1);
    QCOMPARE(f.app.context.fields.docFilnavn, f.document(QStringLiteral("a.txt")));
}

void TfavoritformTest::newListKeepsTheEntriesTheUserDidNotRemove()
{
    Fixture f;
    f.writeList(QStringLiteral("Favoritter"), { "a.txt", "b.txt" });
    f.create();
    f.box->show();
    f.box->gemEdit->setText(QStringLiteral("Ny"));
    f.app.modal().answer(QDialog::Rejected);
    QTest::keyClick(f.box->gemEdit, Qt::Key_Return);
    QCOMPARE(f.app.modal().texts(), QStringList { "Skal alle indførte elementer i listen fjernes?" });
    QCOMPARE(readAll(f.listFile(QStringLiteral("Ny"))), readAll(f.listFile(QStringLiteral("Favoritter"))));
    QCOMPARE(f.box->fillisteNavn->text(), QStringLiteral("Ny"));
    QCOMPARE(f.box->FavFilerFilename, QStringLiteral("Ny"));
    QCOMPARE(rowsOf(*f.box->fillisten), (QStringList { "Favoritter", "Ny" }));
    QCOMPARE(f.box->gemEdit->text(), QString());

    f.box->gemEdit->setText(QStringLiteral("Tom"));
    f.app.modal().answer(1);
    QVERIFY(f.run(f.box->aGemNytNavn));
    QCOMPARE(readAll(f.listFile(QStringLiteral("Tom"))), QByteArray());
    QVERIFY(QFileInfo::exists(f.listFile(QStringLiteral("Tom"))));
    QCOMPARE(f.box->favFilerListe->count(), 0);
}

void TfavoritformTest::newListNeedsTwoCharacters()
{
    Fixture f;
    f.create();
    f.box->gemEdit->setText(QStringLiteral("A"));
    f.box->updateActions();
    QVERIFY(!f.box->aGemNytNavn->isEnabled());
    f.box->gemEdit->setText(QStringLiteral("AB"));
    f.box->updateActions();
    QVERIFY(f.box->aGemNytNavn->isEnabled());
}

void TfavoritformTest::newListNameInUseIsRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("same spelling") << QStringLiteral("Æbler i år");
    // The box selects lists without regard to case, so these name the same list.
    QTest::newRow("other case") << QStringLiteral("æbler I ÅR");
}

void TfavoritformTest::newListNameInUseIsRefused()
{
    QFETCH(QString, name);
    Fixture f;
    f.writeList(QStringLiteral("Æbler i år"), { "a.txt" });
    f.create();
    f.box->gemEdit->setText(name);
    QVERIFY(f.run(f.box->aGemNytNavn));
    QCOMPARE(f.app.modal().texts(),
        QStringList { "Dette listenavn er allerede i brug.\nIndfør et andet navn for den nye liste." });
    QCOMPARE(f.box->fillisteNavn->text(), QStringLiteral("Listenavn"));
}

void TfavoritformTest::listNamesNoFileCanHaveAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("slash")
        << "Ferie/2024"
        << "Listenavnet kan ikke bruges som filnavn:\nFerie/2024\nEt listenavn må ikke indeholde tegnet /.";
    QTest::newRow("too long") << QString(260, u'x')
                              << "Listenavnet er for langt til et filnavn.\nIndfør et kortere navn.";
    QTest::newRow("blanks only") << QStringLiteral(
        "   ") << "Listen har ikke noget navn og kan ikke gemmes.\nIndfør et navn for listen.";
}

void TfavoritformTest::listNamesNoFileCanHaveAreRefused()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    Fixture f;
    f.create();
    f.box->gemEdit->setText(name);
    QVERIFY(f.run(f.box->aGemNytNavn));
    QCOMPARE(f.app.modal().texts(), QStringList { message });
    QCOMPARE(QDir(f.app.settingsPath(QStringLiteral("Favoritter"))).entryList(QDir::Files | QDir::Hidden),
        QStringList());
    QCOMPARE(f.box->fillisteNavn->text(), QStringLiteral("Listenavn"));
}

void TfavoritformTest::choosingAnotherListAsksAboutUnsavedChanges()
{
    Fixture f;
    f.writeList(QStringLiteral("Favoritter"), { "a.txt" });
    f.writeList(QStringLiteral("Arbejde"), { "b.txt" });
    f.create();
    f.box->show();
    QCOMPARE(rowsOf(*f.box->fillisten), (QStringList { "Arbejde", "Favoritter" }));
    QCOMPARE(f.box->fillisten->selectedRow(), 1);
    QCOMPARE(f.box->fillistenIndex, 1);
    f.addActiveDocument(QStringLiteral("c.txt"));

    f.app.modal().answer(1);
    f.box->fillisten->setCurrentRow(0);
    QTest::keyClick(f.box->fillisten, Qt::Key_Return);
    QCOMPARE(f.app.modal().texts(), QStringList { "Nuværende liste er forandret.\nSkal den gemmes?" });
    QCOMPARE(f.box->fillisteNavn->text(), QStringLiteral("Arbejde"));
    QCOMPARE(rowsOf(*f.box->favFilerListe), QStringList { "b.txt" });
    QVERIFY(!f.box->ListeForandret);
    QVERIFY(readAll(f.listFile(QStringLiteral("Favoritter"))).contains("c.txt"));
}

void TfavoritformTest::choosingAMissingListTellsTheUser()
{
    Fixture f;
    f.writeList(QStringLiteral("Favoritter"), { "a.txt" });
    f.writeList(QStringLiteral("Arbejde"), { "b.txt" });
    f.create();
    f.box->show();
    QVERIFY(QFile::remove(f.listFile(QStringLiteral("Arbejde"))));
    f.box->fillisten->setCurrentRow(0);
    QTest::keyClick(f.box->fillisten, Qt::Key_Space);
    QCOMPARE(f.app.modal().texts(), QStringList { "Filen: Arbejde.txt\nkunne ikke findes." });
    QCOMPARE(f.box->fillisteNavn->text(), QStringLiteral("Favoritter"));
    QCOMPARE(rowsOf(*f.box->favFilerListe), QStringList { "a.txt" });
}

void TfavoritformTest::anUnreadableListLeavesTheCurrentListCurrent()
{
    Fixture f;
    f.writeList(QStringLiteral("Favoritter"), { "a.txt" });
    QVERIFY(QDir().mkpath(f.listFile(QStringLiteral("Mappe"))));
    f.create();
    f.box->LoadListe(QStringLiteral("Mappe"), true);
    QCOMPARE(f.app.modal().texts().size(), 1);
    QVERIFY(f.app.modal().texts().first().contains(QStringLiteral("kunne ikke læses.")));
    QCOMPARE(f.box->fillisteNavn->text(), QStringLiteral("Favoritter"));
    QCOMPARE(f.box->FavFiler->Itemfile(), f.listFile(QStringLiteral("Favoritter")));
    QCOMPARE(rowsOf(*f.box->favFilerListe), QStringList { "a.txt" });
}

void TfavoritformTest::refreshingAfterTheCurrentFileWasDeleted_data()
{
    QTest::addColumn<QStringList>("lists");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("message");
    QTest::newRow("the name at the remembered position")
        << QStringList { "Arbejde", "Favoritter", "Ferie" } << "Ferie" << QString();
    QTest::newRow("no name at that position") << QStringList { "Arbejde",
        "Favoritter" } << QString() << "Den valgte listefil eksisterer ikke længere.\nVælg en ny listefil.";
}

void TfavoritformTest::refreshingAfterTheCurrentFileWasDeleted()
{
    QFETCH(QStringList, lists);
    QFETCH(QString, current);
    QFETCH(QString, message);

    Fixture f;
    for (const QString &name : lists)
        f.writeList(name, { "a.txt" });
    f.create();
    f.box->show();
    QCOMPARE(f.box->fillistenIndex, 1);
    QVERIFY(QFile::remove(f.listFile(QStringLiteral("Favoritter"))));
    f.box->opdaterButton->click();
    QCOMPARE(f.box->FavFilerFilename, current);
    QCOMPARE(f.box->fillisteNavn->text(), current);
    QCOMPARE(f.app.modal().texts(), message.isEmpty() ? QStringList() : QStringList { message });
    QCOMPARE(f.box->favFilerListe->count(), message.isEmpty() ? 1 : 0);
}

void TfavoritformTest::showingFolders()
{
    Fixture f;
    f.writeList(QStringLiteral("Favoritter"), { "a.txt" });
    f.create();
    f.box->redigerButton->click();
    f.box->favFilerListe->setCurrentRow(0);
    QVERIFY(f.run(f.box->FLVisMappe));
    QCOMPARE(f.app.shell().calls.size(), 2);
    QCOMPARE(f.app.shell().calls[0].target, f.app.settingsPath(QStringLiteral("Favoritter/")));
    QCOMPARE(f.app.shell().calls[1].target, f.app.root() + QStringLiteral("/filer"));

    QVERIFY(QFile::remove(f.document(QStringLiteral("a.txt"))));
    f.box->FavFiler->selectIndex(0);
    QVERIFY(f.run(f.box->FLVisMappe));
    QCOMPARE(f.app.modal().texts(), QStringList { "Information:\nMappen blev ikke fundet." });
}

void TfavoritformTest::rowsAreDrawnWithAColouredSquareAndALine()
{
    Fixture f;
    f.writeList(QStringLiteral("Favoritter"), { "a.txt", "b.txt" });
    f.create();
    f.box->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.box));
    for (FileListBox *list : { f.box->favFilerListe, f.box->fillisten }) {
        const QColor square = list == f.box->favFilerListe ? QColor(0, 255, 255) : QColor(255, 0, 0);
        const QRect row = list->visualItemRect(list->item(0));
        QCOMPARE(row.height(), FileListBox::kRowHeight);
        const QImage image = list->viewport()->grab().toImage();
        QCOMPARE(image.pixelColor(row.topLeft() + QPoint(2, 5)), square);
        QCOMPARE(image.pixelColor(row.topLeft() + QPoint(11, 14)), square);
        QVERIFY(image.pixelColor(row.topLeft() + QPoint(12, 14)) != square);
        QCOMPARE(image.pixelColor(QPoint(row.center().x(), row.bottom())), QColor(192, 192, 192));
    }
}

QTEST_MAIN(TfavoritformTest)
#include "tst_Tfavoritform.moc"
