#include "lists/FileListBox.h"
#include "lists/TReopenFilerX.h"
#include "options/Toptform.h"
#include "support/FileBytes.h"
#include "support/ListRows.h"
#include "support/TestApp.h"

#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QStringEncoder>
#include <QtTest>

Q_DECLARE_METATYPE(TItemtype)

namespace {

QStringList captionsOf(const TReopenFilerX &list)
{
    QStringList captions;
    for (const TReopenRec &entry : list.entries())
        captions << entry.Caption;
    return captions;
}

// What a message dialog shows: its line breaks are the message's carriage returns.
QString shown(QString message)
{
    return message.replace(u'\r', u'\n');
}

// A file list on the whole program's services, mirrored in a list box of its own.
struct Fixture {
    explicit Fixture(TItemtype type = TItemtype::itFil)
    {
        app.create();
        list = std::make_unique<TReopenFilerX>(app.context, nullptr);
        list->Itemtype = type;
        list->setListeBoks(&box);
        list->setItemfile(app.settingsPath(QStringLiteral("Liste.txt")));
    }
    void setInsertFirst(bool on) { app.context.optform->CheckInsertFirst->setChecked(on); }

    TestApp app;
    FileListBox box;
    std::unique_ptr<TReopenFilerX> list;
};

} // namespace

class TReopenFilerXTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void loadingPrunesAndRewritesTheListFile_data();
    void loadingPrunesAndRewritesTheListFile();
    void loadingAMissingFileEmptiesTheListAndCreatesNothing();
    void loadingAFolderTellsWhyAndKeepsTheList();
    void loadingABinaryFileLeavesItUntouched();
    void damagedListKeepsItsEntriesAndIsNotWrittenBack();
    void savingAnEmptyListWritesZeroBytes();
    void savingWithoutListFileWritesNothing();
    void savingIntoAMissingFolderTellsWhyAndKeepsTheList();

    void duplicateQuestionNamesTheList_data();
    void duplicateQuestionNamesTheList();
    void acceptedDuplicateMovesWithItsOldCaption_data();
    void acceptedDuplicateMovesWithItsOldCaption();
    void caseOfAtoZMakesADuplicateWithoutQuestion_data();
    void caseOfAtoZMakesADuplicateWithoutQuestion();
    void danishLettersInOtherCaseAreAnotherPath();
    void insertingAMissingFileIntoAFileListDoesNothing();

    void deletingAnAbsentPathStillRebuildsTheListBox();
    void positionsOutsideTheListGiveEmptyTexts();
    void captionsAndMovesShowInTheListBox();
    void clearingAsksFirst();

    void selectingAVanishedEntryTellsTheUser_data();
    void selectingAVanishedEntryTellsTheUser();
    void selectingAnExistingEntryReachesTheOwner();
    void selectingByProgramIsNotAClick();

private:
    QTemporaryDir files_;
    QString brev_;
    QString notat_;
};

void TReopenFilerXTest::initTestCase()
{
    QVERIFY(files_.isValid());
    brev_ = files_.filePath(QStringLiteral("brev.txt"));
    notat_ = files_.filePath(QStringLiteral("notat.txt"));
    writeAll(brev_, "Kære Ole\n");
    writeAll(notat_, "Husk mælk\n");
    writeAll(files_.filePath(QStringLiteral("Brev.txt")), "Anden fil\n");
    writeAll(files_.filePath(QStringLiteral("rapport.2024.txt")), "Tal\n");
    writeAll(files_.filePath(QStringLiteral("æble.txt")), "a\n");
    writeAll(files_.filePath(QStringLiteral("Æble.txt")), "b\n");
}

void TReopenFilerXTest::loadingPrunesAndRewritesTheListFile_data()
{
    QTest::addColumn<TItemtype>("type");
    QTest::addColumn<QByteArray>("in");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QByteArray>("out");

    const QByteArray brev = brev_.toUtf8();
    const QByteArray notat = notat_.toUtf8();
    QTest::newRow("file list: vanished first path dropped")
        << TItemtype::itFil << "Gammel\r\n/findes/ikke.txt\r\nBrev\r\n" + brev + "\r\n"
        << QStringList { "Brev" } << "Brev\r\n" + brev + "\r\n";
    QTest::newRow("file list: final caption without path dropped")
        << TItemtype::itFil << "Brev\r\n" + brev + "\r\nNotat" << QStringList { "Brev" }
        << "Brev\r\n" + brev + "\r\n";
    QTest::newRow("file list: every file gone gives zero bytes")
        << TItemtype::itFil << QByteArray("A\r\n/findes/ikke\r\n") << QStringList {} << QByteArray();
    QTest::newRow("other list: three lines give two entries and four lines")
        << TItemtype::itAndet << QByteArray("a\r\n/x\r\nb\r\n") << QStringList { "a", "b" }
        << QByteArray("a\r\n/x\r\nb\r\n\r\n");
    QTest::newRow("folder list keeps what is gone")
        << TItemtype::itBibliotek << QByteArray("Mappe\r\n/findes/ikke\r\n") << QStringList { "Mappe" }
        << QByteArray("Mappe\r\n/findes/ikke\r\n");
    QTest::newRow("lf line ends are written as crlf")
        << TItemtype::itFil << "Brev\n" + brev + "\nNotat\n" + notat + "\n"
        << QStringList { "Brev", "Notat" } << "Brev\r\n" + brev + "\r\nNotat\r\n" + notat + "\r\n";
    QTest::newRow("cr line ends and no final break")
        << TItemtype::itFil << "Brev\r" + brev << QStringList { "Brev" } << "Brev\r\n" + brev + "\r\n";
    QTest::newRow("utf-8 with mark stays marked") << TItemtype::itFil
                                                  << "\xEF\xBB\xBF"
                                                     "Brev til B\xC3\xB8rge\r\n"
            + brev + "\r\n" << QStringList { "Brev til Børge" }
                                                  << "\xEF\xBB\xBF"
                                                     "Brev til B\xC3\xB8rge\r\n"
            + brev + "\r\n";
    QTest::newRow("windows-1252 stays windows-1252")
        << TItemtype::itFil << "K\xE6re \xC5se\r\n" + brev + "\r\n"
        << QStringList { "Kære Åse" } << "K\xE6re \xC5se\r\n" + brev + "\r\n";
    QStringEncoder utf16(QStringConverter::Utf16LE);
    const QByteArray utf16Bytes = QByteArray("\xFF\xFE", 2)
        + QByteArray(utf16(QStringLiteral("Ø\r\n") + brev_ + QStringLiteral("\r\n")));
    QTest::newRow("utf-16 le stays utf-16 le")
        << TItemtype::itFil << utf16Bytes << QStringList { "Ø" } << utf16Bytes;
    QTest::newRow("empty file") << TItemtype::itFil << QByteArray() << QStringList {} << QByteArray();
}

void TReopenFilerXTest::loadingPrunesAndRewritesTheListFile()
{
    QFETCH(TItemtype, type);
    QFETCH(QByteArray, in);
    QFETCH(QStringList, captions);
    QFETCH(QByteArray, out);

    Fixture f(type);
    writeAll(f.list->Itemfile(), in);
    QVERIFY(f.list->HentReopenFiler());
    QCOMPARE(captionsOf(*f.list), captions);
    QCOMPARE(rowsOf(f.box), captions);
    QCOMPARE(f.box.selectedRow(), -1);
    QCOMPARE(readAll(f.list->Itemfile()), out);
    QCOMPARE(f.app.modal().texts(), QStringList());
}

void TReopenFilerXTest::loadingAMissingFileEmptiesTheListAndCreatesNothing()
{
    Fixture f;
    QVERIFY(f.list->InsertItem(brev_, QStringLiteral("Brev"), 0));
    QVERIFY(f.list->HentReopenFiler());
    QCOMPARE(f.list->Antal(), 0);
    QCOMPARE(f.box.count(), 0);
    QVERIFY(!QFileInfo::exists(f.list->Itemfile()));
}

void TReopenFilerXTest::loadingAFolderTellsWhyAndKeepsTheList()
{
    Fixture f;
    QVERIFY(QDir().mkpath(f.list->Itemfile()));
    QVERIFY(f.list->InsertItem(brev_, QStringLiteral("Brev"), 0));
    QVERIFY(!f.list->HentReopenFiler());
    QCOMPARE(f.app.modal().texts(),
        QStringList { shown(QStringLiteral("Filen:\r") + QDir::toNativeSeparators(f.list->Itemfile())
            + QStringLiteral("\rkunne ikke læses.\rNavnet er en mappe, ikke en fil.")) });
    QCOMPARE(captionsOf(*f.list), QStringList { "Brev" });
    QCOMPARE(rowsOf(f.box), QStringList { "Brev" });
}

// Another program's file under a list's name would otherwise be pruned to nothing and written back.
void TReopenFilerXTest::loadingABinaryFileLeavesItUntouched()
{
    Fixture f;
    const QByteArray binary("PK\x03\x04\x00\x00\r\nBrev\r\n", 14);
    writeAll(f.list->Itemfile(), binary);
    QVERIFY(!f.list->HentReopenFiler());
    QCOMPARE(f.app.modal().texts(),
        QStringList { shown(QStringLiteral("Filen:\r") + QDir::toNativeSeparators(f.list->Itemfile())
            + QStringLiteral("\rer ikke en filliste og blev ikke indlæst.")) });
    QCOMPARE(readAll(f.list->Itemfile()), binary);
}

// One bad byte in a list of Danish file names once made the whole file read as Windows-1252: every name
// with a Danish letter was spoilt, every such entry pruned as vanished, and the rest written back.
void TReopenFilerXTest::damagedListKeepsItsEntriesAndIsNotWrittenBack()
{
    Fixture f;
    const QString aeble = files_.filePath(QStringLiteral("æble.txt"));
    const QByteArray damaged = "\xC3\xA6"
                               "ble\r\n"
        + aeble.toUtf8() + "\r\nBrev \xFF\r\n" + brev_.toUtf8() + "\r\n";
    writeAll(f.list->Itemfile(), damaged);
    QVERIFY(f.list->HentReopenFiler());
    QCOMPARE(captionsOf(*f.list), (QStringList { QStringLiteral("æble"), QStringLiteral("Brev \uFFFD") }));
    QCOMPARE(readAll(f.list->Itemfile()), damaged);
    QVERIFY(f.list->GemReopenFiler()); // saving on request writes what was read
    QCOMPARE(readAll(f.list->Itemfile()),
        "\xC3\xA6"
        "ble\r\n"
            + aeble.toUtf8() + "\r\nBrev \xEF\xBF\xBD\r\n" + brev_.toUtf8() + "\r\n");
}

void TReopenFilerXTest::savingAnEmptyListWritesZeroBytes()
{
    Fixture f;
    writeAll(f.list->Itemfile(),
        "\xEF\xBB\xBF"
        "Brev\r\n"
            + brev_.toUtf8() + "\r\n");
    QVERIFY(f.list->HentReopenFiler());
    f.list->DeleteAlleItems();
    QVERIFY(f.list->GemReopenFiler());
    QCOMPARE(readAll(f.list->Itemfile()), QByteArray());
    QVERIFY(QFileInfo::exists(f.list->Itemfile()));
}

void TReopenFilerXTest::savingWithoutListFileWritesNothing()
{
    Fixture f;
    f.list->setItemfile(QString());
    QVERIFY(f.list->InsertItem(brev_, QStringLiteral("Brev"), 0));
    QVERIFY(f.list->GemReopenFiler());
    QCOMPARE(QDir(f.app.settingsFolder()).entryList(QDir::Files), QStringList());
}

void TReopenFilerXTest::savingIntoAMissingFolderTellsWhyAndKeepsTheList()
{
    Fixture f;
    const QString path = f.app.root() + QStringLiteral("/mangler/Liste.txt");
    f.list->setItemfile(path);
    QVERIFY(f.list->InsertItem(brev_, QStringLiteral("Brev"), 0));
    QVERIFY(!f.list->GemReopenFiler());
    QCOMPARE(f.app.modal().texts(),
        QStringList { shown(QStringLiteral("Filen:\r") + QDir::toNativeSeparators(path)
            + QStringLiteral("\rkunne ikke gemmes.\rFilen eller mappen findes ikke.")) });
    QCOMPARE(captionsOf(*f.list), QStringList { "Brev" });
}

void TReopenFilerXTest::duplicateQuestionNamesTheList_data()
{
    QTest::addColumn<int>("Snummer");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("question");

    QTest::newRow("closed documents")
        << 1 << "brev.txt"
        << "Listen over lukkede dokumenter:\nbrev findes allerede i listen.\nSkal den indføres alligevel?";
    QTest::newRow("open documents")
        << 2 << "brev.txt"
        << "Listen med åbne dokumenter:\nbrev findes allerede i listen.\nSkal den indføres alligevel?";
    QTest::newRow("favourites")
        << 3 << "brev.txt"
        << "Favoritlisten:\nbrev findes allerede i listen.\nSkal den indføres alligevel?";
    QTest::newRow("any other number")
        << 7 << "brev.txt"
        << "Favoritlisten:\nbrev findes allerede i listen.\nSkal den indføres alligevel?";
    QTest::newRow("only the last extension goes")
        << 3 << "rapport.2024.txt"
        << "Favoritlisten:\nrapport.2024 findes allerede i listen.\nSkal den indføres alligevel?";
}

void TReopenFilerXTest::duplicateQuestionNamesTheList()
{
    QFETCH(int, Snummer);
    QFETCH(QString, file);
    QFETCH(QString, question);

    Fixture f;
    const QString path = files_.filePath(file);
    QVERIFY(f.list->InsertItem(notat_, QStringLiteral("Notat"), Snummer));
    QVERIFY(f.list->InsertItem(path, QStringLiteral("Første"), Snummer));
    f.list->selectIndex(1);
    f.app.modal().answer(QDialog::Rejected);
    QVERIFY(!f.list->InsertItem(path, QStringLiteral("Anden"), Snummer));
    QCOMPARE(f.app.modal().texts(), QStringList { question });
    QCOMPARE(f.app.modal().shown.last().caption, QStringLiteral("Spørgsmål"));
    QCOMPARE(captionsOf(*f.list), (QStringList { "Notat", "Første" }));
    // Declining leaves the list box as it was, selection included.
    QCOMPARE(f.box.selectedRow(), 1);
}

void TReopenFilerXTest::acceptedDuplicateMovesWithItsOldCaption_data()
{
    QTest::addColumn<bool>("insertFirst");
    QTest::addColumn<QStringList>("captions");
    // The first three go in at the end either way; the option is switched on just before the move.
    QTest::newRow("appended") << false << QStringList { "Notat", "Brev", "Første" };
    QTest::newRow("inserted first") << true << QStringList { "Første", "Notat", "Brev" };
}

void TReopenFilerXTest::acceptedDuplicateMovesWithItsOldCaption()
{
    QFETCH(bool, insertFirst);
    QFETCH(QStringList, captions);

    Fixture f;
    QVERIFY(f.list->InsertItem(brev_, QStringLiteral("Første"), 1));
    QVERIFY(f.list->InsertItem(notat_, QStringLiteral("Notat"), 1));
    QVERIFY(
        f.list->InsertItem(files_.filePath(QStringLiteral("rapport.2024.txt")), QStringLiteral("Brev"), 1));
    f.setInsertFirst(insertFirst);
    f.app.modal().answer(1);
    QVERIFY(f.list->InsertItem(brev_, QStringLiteral("Ny tekst"), 1));
    QCOMPARE(f.app.modal().shown.size(), 1);
    QCOMPARE(captionsOf(*f.list), captions);
    QCOMPARE(rowsOf(f.box), captions);
    QCOMPARE(f.list->GetFilnavn(captions.indexOf(QStringLiteral("Første"))), brev_);
}

void TReopenFilerXTest::caseOfAtoZMakesADuplicateWithoutQuestion_data()
{
    QTest::addColumn<bool>("insertFirst");
    QTest::addColumn<int>("position");
    QTest::newRow("at the end") << false << 1;
    QTest::newRow("at the front") << true << 0;
}

void TReopenFilerXTest::caseOfAtoZMakesADuplicateWithoutQuestion()
{
    QFETCH(bool, insertFirst);
    QFETCH(int, position);

    Fixture f;
    QVERIFY(f.list->InsertItem(brev_, QStringLiteral("Gammel"), 0));
    QVERIFY(f.list->InsertItem(notat_, QStringLiteral("Notat"), 0));
    f.setInsertFirst(insertFirst);
    const QString otherCase = files_.filePath(QStringLiteral("Brev.txt"));
    QVERIFY(f.list->InsertItem(otherCase, QStringLiteral("Ny"), 0));
    QCOMPARE(f.app.modal().shown.size(), 0);
    QCOMPARE(f.list->Antal(), 2);
    QCOMPARE(f.list->GetCaption(position), QStringLiteral("Gammel"));
    QCOMPARE(f.list->GetFilnavn(position), otherCase);
}

void TReopenFilerXTest::danishLettersInOtherCaseAreAnotherPath()
{
    Fixture f;
    QVERIFY(f.list->InsertItem(files_.filePath(QStringLiteral("æble.txt")), QStringLiteral("æble.txt"), 3));
    QVERIFY(f.list->InsertItem(files_.filePath(QStringLiteral("Æble.txt")), QStringLiteral("Æble.txt"), 3));
    QCOMPARE(f.app.modal().shown.size(), 0);
    QCOMPARE(f.list->Antal(), 2);
}

void TReopenFilerXTest::insertingAMissingFileIntoAFileListDoesNothing()
{
    Fixture f;
    QVERIFY(!f.list->InsertItem(files_.filePath(QStringLiteral("findes-ikke.txt")), QStringLiteral("X"), 1));
    QVERIFY(!f.list->InsertItem(files_.path(), QStringLiteral("En mappe"), 1));
    QCOMPARE(f.list->Antal(), 0);
    QCOMPARE(f.app.modal().shown.size(), 0);
}

void TReopenFilerXTest::deletingAnAbsentPathStillRebuildsTheListBox()
{
    Fixture f;
    QVERIFY(f.list->InsertItem(brev_, QStringLiteral("Brev"), 0));
    QVERIFY(f.list->InsertItem(notat_, QStringLiteral("Notat"), 0));
    f.list->selectIndex(1);
    f.list->DeleteItem(QStringLiteral("/findes/ikke.txt"));
    QCOMPARE(f.list->Antal(), 2);
    QCOMPARE(f.box.selectedRow(), -1);

    // The same path with A to Z in other case; without refreshing, the list box keeps its rows.
    f.list->DeleteItem(files_.filePath(QStringLiteral("BREV.TXT")), false);
    QCOMPARE(captionsOf(*f.list), QStringList { "Notat" });
    QCOMPARE(rowsOf(f.box), (QStringList { "Brev", "Notat" })); // not rebuilt

    f.list->DeleteItem(5);
    f.list->DeleteItem(-1);
    QCOMPARE(f.list->Antal(), 1);
    f.list->DeleteItem(0);
    QCOMPARE(f.box.count(), 0);
    f.list->DeleteItem(0);
}

void TReopenFilerXTest::positionsOutsideTheListGiveEmptyTexts()
{
    Fixture f;
    QVERIFY(f.list->InsertItem(brev_, QStringLiteral("Brev"), 0));
    QCOMPARE(f.list->GetFilnavn(1), QString());
    QCOMPARE(f.list->GetCaption(-1), QString());
    f.list->SetCaption(3, QStringLiteral("X"));
    QCOMPARE(f.list->GetCaption(0), QStringLiteral("Brev"));
}

void TReopenFilerXTest::captionsAndMovesShowInTheListBox()
{
    Fixture f;
    QVERIFY(f.list->InsertItem(brev_, QStringLiteral("Brev"), 0));
    QVERIFY(f.list->InsertItem(notat_, QStringLiteral("Notat"), 0));
    f.list->SetCaption(0, QStringLiteral("Brev til Åse"));
    QCOMPARE(rowsOf(f.box), (QStringList { "Brev til Åse", "Notat" }));
    QVERIFY(f.list->flytNed(0));
    QCOMPARE(rowsOf(f.box), (QStringList { "Brev til Åse", "Notat" })); // the caller rebuilds
    f.list->MakeListeMenu();
    QCOMPARE(rowsOf(f.box), (QStringList { "Notat", "Brev til Åse" }));
    QVERIFY(f.list->sorterABC(0));
    QCOMPARE(rowsOf(f.box), (QStringList { "Brev til Åse", "Notat" }));
}

void TReopenFilerXTest::clearingAsksFirst()
{
    Fixture f;
    f.list->SletAlleItems();
    QCOMPARE(f.app.modal().shown.size(), 0);

    QVERIFY(f.list->InsertItem(brev_, QStringLiteral("Brev"), 0));
    QVERIFY(f.list->GemReopenFiler());
    f.app.modal().answer(QDialog::Rejected);
    f.list->SletAlleItems();
    QCOMPARE(f.app.modal().texts(), QStringList { "Skal alle indførte elementer i listen fjernes?" });
    QCOMPARE(f.list->Antal(), 1);

    f.app.modal().answer(1);
    f.list->SletAlleItems();
    QCOMPARE(f.list->Antal(), 0);
    QCOMPARE(f.box.count(), 0);
    // Clearing does not touch the list file.
    QCOMPARE(readAll(f.list->Itemfile()), "Brev\r\n" + brev_.toUtf8() + "\r\n");
}

void TReopenFilerXTest::selectingAVanishedEntryTellsTheUser_data()
{
    QTest::addColumn<TItemtype>("type");
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<QString>("message");

    QTest::newRow("file, click")
        << TItemtype::itFil << false
        << "Filen blev ikke fundet.\nSlet eventuelt elementet fra listen eller opdater listen hvis muligt.";
    QTest::newRow("file, double click")
        << TItemtype::itFil << true
        << "Filen blev ikke fundet.\nSlet eventuelt elementet fra listen eller opdater listen hvis muligt";
    QTest::newRow("folder, click")
        << TItemtype::itBibliotek << false
        << "Mappen blev ikke fundet.\nSlet eventuelt elementet fra listen eller opdater listen hvis muligt.";
    QTest::newRow("folder, double click")
        << TItemtype::itBibliotek << true
        << "Mappen blev ikke fundet.\nSlet eventuelt elementet fra listen eller opdater listen hvis muligt";
    QTest::newRow("anything, click") << TItemtype::itAndet << false << QString();
}

void TReopenFilerXTest::selectingAVanishedEntryTellsTheUser()
{
    QFETCH(TItemtype, type);
    QFETCH(bool, doubleClick);
    QFETCH(QString, message);

    Fixture f(type);
    QTemporaryDir gone;
    const QString path = type == TItemtype::itBibliotek ? gone.filePath(QStringLiteral("mappe"))
                                                        : gone.filePath(QStringLiteral("slettet.txt"));
    if (type == TItemtype::itBibliotek)
        QVERIFY(QDir().mkpath(path));
    else
        writeAll(path, "x");
    QVERIFY(f.list->InsertItem(path, QStringLiteral("Væk"), 0));
    QVERIFY(gone.remove());

    QStringList reached;
    f.list->OnListeKlik
        = [&](const QString &caption, const QString &) { reached << QStringLiteral("klik ") + caption; };
    f.list->OnDblListeKlik
        = [&](const QString &caption, const QString &) { reached << QStringLiteral("dobbelt ") + caption; };
    f.box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.box));
    const QPoint row = f.box.visualItemRect(f.box.item(0)).center();
    if (doubleClick) {
        // The first click falls on the row already selected, so only the double click counts.
        f.list->selectIndex(0);
        QTest::mouseClick(f.box.viewport(), Qt::LeftButton, {}, row);
        QTest::mouseDClick(f.box.viewport(), Qt::LeftButton, {}, row);
    } else {
        QTest::mouseClick(f.box.viewport(), Qt::LeftButton, {}, row);
    }
    if (message.isEmpty()) {
        QCOMPARE(f.app.modal().texts(), QStringList());
        QCOMPARE(reached, QStringList { "klik Væk" });
    } else {
        QCOMPARE(f.app.modal().texts(), QStringList { message });
        QCOMPARE(reached, QStringList());
    }
    QCOMPARE(f.list->Antal(), 1);
}

void TReopenFilerXTest::selectingAnExistingEntryReachesTheOwner()
{
    Fixture f;
    QVERIFY(f.list->InsertItem(brev_, QStringLiteral("Brev"), 0));
    QVERIFY(f.list->InsertItem(notat_, QStringLiteral("Notat"), 0));
    QStringList reached;
    f.list->OnListeKlik = [&](const QString &caption, const QString &path) { reached << caption << path; };
    f.box.setFocus();
    f.box.setCurrentRow(1); // as the keyboard or the mouse does
    QCOMPARE(reached, (QStringList { "Notat", notat_ }));
    QCOMPARE(f.app.modal().shown.size(), 0);
}

void TReopenFilerXTest::selectingByProgramIsNotAClick()
{
    Fixture f;
    QTemporaryDir gone;
    const QString path = gone.filePath(QStringLiteral("slettet.txt"));
    writeAll(path, "x");
    QVERIFY(f.list->InsertItem(path, QStringLiteral("Væk"), 0));
    QVERIFY(gone.remove());
    bool reached = false;
    f.list->OnListeKlik = [&](const QString &, const QString &) { reached = true; };
    f.list->selectIndex(0);
    QVERIFY(!reached);
    QCOMPARE(f.app.modal().shown.size(), 0);
    QCOMPARE(f.box.selectedRow(), 0);
}

QTEST_MAIN(TReopenFilerXTest)
#include "tst_TReopenFilerX.moc"
