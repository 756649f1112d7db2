#include "app/Tmainform.h"
#include "lists/FileListBox.h"
#include "lists/TReopenFilerX.h"
#include "lists/Tfavoritform.h"
#include "lists/Tfilform.h"
#include "support/ListedDocument.h"
#include "support/TestApp.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace {

QStringList rowsOf(const QListWidget &box)
{
    QStringList rows;
    for (int i = 0; i < box.count(); ++i)
        rows << box.item(i)->text();
    return rows;
}

bool run(QAction *action)
{
    action->trigger();
    return action->isEnabled();
}

} // namespace

// A new user's first session with the file lists, and the next start.
class FileListsTourTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void documentsAndFavouritesAcrossARestart();
};

void FileListsTourTest::documentsAndFavouritesAcrossARestart()
{
    TestApp app;
    app.start();
    QStringList files;
    QList<ListedDocument *> windows;
    for (const QString &name : {QStringLiteral("brev.txt"), QStringLiteral("notat.txt"), QStringLiteral("plan.txt")}) {
        files << app.writeFile(name, "Tekst\n");
        windows << ListedDocument::open(app.context, files.last());
    }

    // Close two; the document box shows them as closed.
    Tfilform *documentBox = app.context.filform;
    documentBox->show();
    windows[0]->closeWindow();
    windows[1]->closeWindow();
    QCOMPARE(rowsOf(*documentBox->ListBox1), (QStringList{"brev.txt", "notat.txt"}));
    QCOMPARE(rowsOf(*documentBox->ListBox2), QStringList{"plan.txt"});

    // Reopen one: it leaves the closed list and goes to the opening service.
    documentBox->ListBox1->setCurrentRow(1);
    documentBox->updateActions();
    QVERIFY(run(documentBox->FLopenEdit));
    QCOMPARE(rowsOf(*documentBox->ListBox1), QStringList{"brev.txt"});
    QCOMPARE(app.context.fields.docFilnavn, files[1]);

    // A favourites list of its own, with two documents, saved.
    Tfavoritform *favourites = app.context.favoritform;
    favourites->show();
    favourites->gemEdit->setText(QStringLiteral("Arbejde"));
    favourites->updateActions();
    QVERIFY(run(favourites->aGemNytNavn));
    for (const QString &file : {files[2], files[0]}) {
        app.context.fields.dokumentFilnavn = file;
        favourites->updateActions();
        QVERIFY(run(favourites->insertFil));
    }
    favourites->updateActions();
    QVERIFY(run(favourites->aGemFilliste));
    QCOMPARE(rowsOf(*favourites->fillisten), QStringList{"Arbejde"});
    QCOMPARE(app.modal().shown.size(), 0);

    app.restart();
    favourites = app.context.favoritform;
    favourites->show();
    QCOMPARE(favourites->fillisteNavn->text(), QStringLiteral("Arbejde"));
    QCOMPARE(rowsOf(*favourites->favFilerListe), (QStringList{"plan.txt", "brev.txt"}));
    QCOMPARE(favourites->fillisten->currentItem()->text(), QStringLiteral("Arbejde"));
    QCOMPARE(app.context.filform->ListBox1->count(), 0);
    QCOMPARE(app.context.filform->ListBox2->count(), 0);
    QCOMPARE(app.modal().texts(), QStringList());
}

QTEST_MAIN(FileListsTourTest)
#include "tst_FileListsTour.moc"
