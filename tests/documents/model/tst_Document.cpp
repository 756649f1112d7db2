#include "documents/model/Document.h"
#include "documents/model/PlainTextFile.h"
#include "support/FileBytes.h"
#include "support/TestApp.h"

#include <QSignalSpy>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

namespace {

// A format that asks before it writes over one file, as a rich text file that loses content does, and
// can be made to fail.
class QuestioningFormat : public PlainTextFile {
public:
    QString questionBeforeWritingOver(const QString &path) const override
    {
        return path == guarded ? QStringLiteral("Vil du skrive over?") : QString();
    }
    QString guarded;
};

// A document as the opening service hands it over: the name and the request number in the frame's
// fields, the text typed by the user.
struct Fixture {
    Fixture() { app.start(); }
    QString file(const QString &name) { return app.root() + QStringLiteral("/filer/") + name; }
    void open(const QString &name = {}, int number = 4)
    {
        app.context.fields.docFilnavn = name;
        app.context.fields.newCount = number;
        document = std::make_unique<Document>(app.context, text, format);
    }
    void type(const QString &words) { QTextCursor(&text).insertText(words); }

    TestApp app;
    QTextDocument text;
    QuestioningFormat format;
    std::unique_ptr<Document> document;
};

} // namespace

class DocumentTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void namesFromTheHandOver_data();
    void namesFromTheHandOver();
    void readFailureDropsTheNameSoTheFileIsNeverSavedOver();
    void formatQuestionBeforeWritingOverTheFile();
    void failedWriteKeepsTheDocumentModifiedAndSaysWhy();
    void saveAsTakesTheNameAndTellsOnce();
    void fileInformation_data();
    void fileInformation();
};

void DocumentTest::namesFromTheHandOver_data()
{
    QTest::addColumn<bool>("existing");
    QTest::addColumn<bool>("named");
    QTest::addColumn<QString>("caption");
    QTest::newRow("existing file") << true << true << QStringLiteral("brev.txt");
    QTest::newRow("missing file keeps its name") << false << true << QStringLiteral("4. Dokument");
    QTest::newRow("new document") << false << false << QStringLiteral("4. Dokument");
}

void DocumentTest::namesFromTheHandOver()
{
    QFETCH(bool, existing);
    QFETCH(bool, named);
    QFETCH(QString, caption);
    Fixture f;
    const QString path = existing ? f.app.writeFile(QStringLiteral("brev.txt"), "tekst")
                                  : f.file(QStringLiteral("brev.txt"));
    f.open(named ? path : QString());
    QCOMPARE(f.document->capNavn(), caption);
    QCOMPARE(f.document->Filnavn(), named ? path : QString());
    QCOMPARE(f.document->hasFile(), existing);
}

void DocumentTest::readFailureDropsTheNameSoTheFileIsNeverSavedOver()
{
    Fixture f;
    const QString path = f.app.writeFile(QStringLiteral("brev.txt"), "tekst");
    f.open(path, 7);
    QSignalSpy captions(f.document.get(), &Document::captionChanged);
    f.document->readFailed(QStringLiteral("Adgang nægtet."));
    QCOMPARE(f.app.modal().texts(),
        QStringList {
            QStringLiteral("Filen:\n") + path + QStringLiteral("\nkunne ikke læses.\nAdgang nægtet.") });
    QVERIFY(f.document->Filnavn().isEmpty());
    QCOMPARE(captions.size(), 1);
    QCOMPARE(captions[0], (QList<QVariant> { QStringLiteral("brev.txt"), QStringLiteral("7. Dokument") }));

    f.type(QStringLiteral("nyt"));
    QVERIFY(!f.document->Gem()); // asks for a name; cancelled
    QCOMPARE(f.app.platform.fileDialogs.suggestedSavePaths, QStringList { QStringLiteral("UdenNavn") });
    QCOMPARE(readAll(path), QByteArray("tekst"));
}

void DocumentTest::formatQuestionBeforeWritingOverTheFile()
{
    Fixture f;
    const QString path = f.app.writeFile(QStringLiteral("referat.txt"), "original");
    f.open(path);
    f.format.guarded = path;
    f.type(QStringLiteral("rettet"));

    f.app.modal().answer(2); // Nej: the file stays as it was, the text stays modified
    QVERIFY(!f.document->Gem());
    QCOMPARE(f.app.modal().texts(), QStringList { QStringLiteral("Vil du skrive over?") });
    QCOMPARE(readAll(path), QByteArray("original"));
    QVERIFY(f.document->isModified());

    // Under a new name nothing is asked.
    const QString copy = f.file(QStringLiteral("kopi.txt"));
    f.app.modal().shown.clear();
    f.app.platform.fileDialogs.saveAnswers.enqueue(copy);
    QVERIFY(f.document->GemSom());
    QVERIFY(f.app.modal().shown.isEmpty());
    QVERIFY(readAll(copy).endsWith("rettet"));
}

void DocumentTest::failedWriteKeepsTheDocumentModifiedAndSaysWhy()
{
    Fixture f;
    f.open();
    f.type(QStringLiteral("ny"));
    QSignalSpy saved(f.document.get(), &Document::saved);
    const QString path = f.file(QStringLiteral("mappe-der-ikke-findes/brev.txt"));
    f.app.platform.fileDialogs.saveAnswers.enqueue(path);
    QVERIFY(!f.document->GemSom());
    QCOMPARE(f.app.modal().texts(),
        QStringList { QStringLiteral("Filen:\n") + path
            + QStringLiteral("\nkunne ikke gemmes.\nFilen eller mappen findes ikke.") });
    QVERIFY(f.document->isModified());
    QCOMPARE(saved.size(), 0);
    // The name is taken before the write, as the caption shows it.
    QCOMPARE(f.document->capNavn(), QStringLiteral("brev.txt"));
}

void DocumentTest::saveAsTakesTheNameAndTellsOnce()
{
    Fixture f;
    f.open();
    f.type(QStringLiteral("Æble"));
    QSignalSpy names(f.document.get(), &Document::fileNameChanged);
    QSignalSpy savedAs(f.document.get(), &Document::savedAs);
    QSignalSpy modified(f.document.get(), &Document::modifiedChanged);
    const QString typed = f.app.root() + QStringLiteral("/notat");
    f.app.platform.fileDialogs.saveAnswers.enqueue(typed);
    QVERIFY(f.document->GemSom());
    QCOMPARE(f.document->Filnavn(), typed + QStringLiteral(".txt"));
    QCOMPARE(f.document->capNavn(), QStringLiteral("notat.txt"));
    QCOMPARE(names.size(), 1);
    QCOMPARE(savedAs.size(), 1);
    QCOMPARE(savedAs[0], (QList<QVariant> { typed + QStringLiteral(".txt"), QStringLiteral("notat.txt") }));
    QCOMPARE(modified.last(), QList<QVariant> { false });
    QCOMPARE(readAll(typed + QStringLiteral(".txt")),
        QByteArray("\xC3\x86"
                   "ble"));
}

void DocumentTest::fileInformation_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("naming");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<bool>("modifiedAfter");
    QTest::newRow("file, saved") << QStringLiteral("file") << int(FileInformation::Naming::File)
                                 << QStringLiteral("brev.txt")
                                 << QStringLiteral("Filstørrelse: 5 bytes (12 tegn)")
                                 << QStringLiteral("Dokumentet er gemt") << false;
    QTest::newRow("vanished file counts as modified")
        << QStringLiteral("vanished") << int(FileInformation::Naming::Vanished) << QStringLiteral("brev.txt")
        << QStringLiteral("Antal tegn: 12")
        << QStringLiteral("Dokumentet eksisterer ikke. Muligvis slettet eller omdøbt.") << true;
    QTest::newRow("unnamed") << QStringLiteral("unnamed") << int(FileInformation::Naming::Unnamed)
                             << QStringLiteral("Dokumentet har ikke noget navn.")
                             << QStringLiteral("Antal tegn: 12") << QStringLiteral("Dokumentet er ikke gem.")
                             << false;
    QTest::newRow("loading") << QStringLiteral("loading") << int(FileInformation::Naming::Loading)
                             << QStringLiteral("brev.txt") << QStringLiteral("Dokumentet indlæses ...")
                             << QString() << false;
}

void DocumentTest::fileInformation()
{
    QFETCH(QString, state);
    QFETCH(int, naming);
    QFETCH(QString, name);
    QFETCH(QString, size);
    QFETCH(QString, saved);
    QFETCH(bool, modifiedAfter);
    Fixture f;
    const QString path = f.app.writeFile(QStringLiteral("brev.txt"), "tekst");
    f.open(state == u"unnamed" ? QString() : path);
    if (state == u"vanished")
        QFile::remove(path);
    f.document->setLoading(state == u"loading");
    bool counted = false;
    const FileInformation info = f.document->filInformation([&counted] {
        counted = true;
        return Document::TextCounts { 12, 3 };
    });
    QCOMPARE(int(info.naming), naming);
    QCOMPARE(info.name, name);
    QCOMPARE(info.size, size);
    QCOMPARE(info.saved, saved);
    QCOMPARE(info.lines, counted ? QStringLiteral("Antal linjer: 3") : QString());
    QCOMPARE(counted, state != u"loading");
    QCOMPARE(f.document->isModified(), modifiedAfter);
}

QTEST_MAIN(DocumentTest)
#include "tst_Document.moc"
