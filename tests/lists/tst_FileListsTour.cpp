#include "documents/DocumentArea.h"
#include "documents/DocumentWindow.h"
#include "frame/Tmainform.h"
#include "lists/FileListBox.h"
#include "lists/TReopenFilerX.h"
#include "lists/Tfavoritform.h"
#include "lists/Tfilform.h"
#include "support/ActionClick.h"
#include "support/ListRows.h"
#include "support/TestApp.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace {

DocumentWindow *windowOf(TestApp &app, const QString &file)
{
    for (DocumentWindow *window : app.frame().documents()->windowsInOrder()) {
        if (window->Filnavn() == file)
            return window;
    }
    return nullptr;
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
    for (const QString &name :
        { QStringLiteral("brev.txt"), QStringLiteral("notat.txt"), QStringLiteral("plan.txt") })
        files << app.writeFile(name, "Tekst\n");
    app.frame().openFiles(files);
    Tfilform *documentBox = app.context.filform;
    documentBox->show();
    QCOMPARE(rowsOf(*documentBox->ListBox2), (QStringList { "brev.txt", "notat.txt", "plan.txt" }));

    // Close two; the document box shows them as closed.
    for (const QString &file : { files[0], files[1] })
        windowOf(app, file)->parentWidget()->close();
    QCOMPARE(rowsOf(*documentBox->ListBox1), (QStringList { "brev.txt", "notat.txt" }));
    QCOMPARE(rowsOf(*documentBox->ListBox2), QStringList { "plan.txt" });

    // Reopen one from the box: it leaves the closed list and opens again.
    documentBox->ListBox1->setCurrentRow(1);
    QVERIFY(clickWhenEnabled(documentBox->FLopenEdit, [=] { documentBox->updateActions(); }));
    QCOMPARE(rowsOf(*documentBox->ListBox1), QStringList { "brev.txt" });
    QCOMPARE(rowsOf(*documentBox->ListBox2), (QStringList { "plan.txt", "notat.txt" }));
    QVERIFY(windowOf(app, files[1]));

    // A favourites list of its own with the two open documents, saved.
    Tfavoritform *favourites = app.context.favoritform;
    favourites->show();
    favourites->gemEdit->setText(QStringLiteral("Arbejde"));
    QVERIFY(clickWhenEnabled(favourites->aGemNytNavn, [=] { favourites->updateActions(); }));
    for (const QString &file : { files[2], files[1] }) {
        app.frame().documents()->activate(windowOf(app, file));
        QCOMPARE(app.context.fields.dokumentFilnavn, file);
        QVERIFY(clickWhenEnabled(favourites->insertFil, [=] { favourites->updateActions(); }));
    }
    QVERIFY(clickWhenEnabled(favourites->aGemFilliste, [=] { favourites->updateActions(); }));
    QCOMPARE(rowsOf(*favourites->fillisten), QStringList { "Arbejde" });
    QCOMPARE(app.modal().texts(), QStringList());

    app.restart();
    favourites = app.context.favoritform;
    favourites->show();
    QCOMPARE(favourites->fillisteNavn->text(), QStringLiteral("Arbejde"));
    QCOMPARE(rowsOf(*favourites->favFilerListe), (QStringList { "plan.txt", "notat.txt" }));
    QCOMPARE(favourites->fillisten->currentItem()->text(), QStringLiteral("Arbejde"));
    QCOMPARE(app.context.filform->ListBox1->count(), 0);
    QCOMPARE(app.context.filform->ListBox2->count(), 0);
    QCOMPARE(app.modal().texts(), QStringList());
}

QTEST_MAIN(FileListsTourTest)
#include "tst_FileListsTour.moc"
