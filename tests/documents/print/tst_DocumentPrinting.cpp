#include "documents/DocumentArea.h"
#include "documents/PlainEditor.h"
#include "documents/TFunktioner.h"
#include "documents/Tprintform.h"
#include "documents/Twinform1.h"
#include "frame/Tmainform.h"
#include "support/ActionClick.h"
#include "support/FileBytes.h"
#include "support/PdfContents.h"
#include "support/TestApp.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

namespace {

using PdfContents::pointsPerCentimetre;

// A millimetre, the tolerance of a margin on paper.
constexpr double kMillimetre = pointsPerCentimetre / 10;
const QSizeF kA4(595.276, 841.89);

Twinform1 *openText(TestApp &app, const QString &text)
{
    app.frame().funk()->openwin(QString(), QStringLiteral(".txt"));
    auto *window = qobject_cast<Twinform1 *>(app.frame().documents()->activeDocument());
    window->Editor->setPlainText(text);
    return window;
}

// The user fills in the print margins box and presses "Print"; a null text leaves its field as it is.
void answerTheBox(TestApp &app, const QStringList &texts = {})
{
    app.modal().answer([&app, texts](QDialog &) {
        Tprintform &box = *app.context.printform;
        const QList<QLineEdit *> fields = { box.Edit1, box.Edit2, box.Edit3, box.Edit4, box.Edit5 };
        for (qsizetype i = 0; i < texts.size(); ++i) {
            if (!texts[i].isNull())
                fields[i]->setText(texts[i]);
        }
        box.Button3->click();
        return box.result();
    });
}

bool runCommand(TestApp &app, const char *name)
{
    return clickWhenEnabled(
        app.frame().command(QString::fromLatin1(name)), [&app] { app.frame().updateActions(); });
}

// Paragraphs of numbered words, enough to fill several lines each.
QString paragraphs(int count)
{
    QStringList result;
    for (int paragraph = 1; paragraph <= count; ++paragraph) {
        QStringList words;
        for (int word = 1; word <= 40; ++word)
            words << QStringLiteral("ord%1x%2").arg(paragraph).arg(word);
        result << words.join(u' ');
    }
    return result.join(u'\n');
}

// The words shown on the page. The layout also draws the line of a paragraph just before the page's first
// one, which the clip cuts away: it is not on the paper, though poppler reads it in the file's text.
QList<PdfContents::Word> onPage(const QList<PdfContents::Word> &words, int page, double topMargin)
{
    QList<PdfContents::Word> result;
    for (const PdfContents::Word &word : words) {
        if (word.page == page && word.box.bottom() > topMargin)
            result << word;
    }
    return result;
}

// Where the text lies on a page: the union of its words' boxes.
QRectF textArea(const QList<PdfContents::Word> &words)
{
    QRectF area;
    for (const PdfContents::Word &word : words)
        area = area.united(word.box);
    return area;
}

} // namespace

class DocumentPrintingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void textLiesWithinTheMarginsOnEveryPage_data();
    void textLiesWithinTheMarginsOnEveryPage();
    void eachCopyIsAPrintJobOfItsOwn_data();
    void eachCopyIsAPrintJobOfItsOwn();
    void wrongFieldsAreToldAndNothingIsPrinted_data();
    void wrongFieldsAreToldAndNothingIsPrinted();
    void cancellingTheBoxPrintsNothing();
    void aPrinterThatRefusesTheJobIsTold();
    void plainTextPrintsInTheDisplayFont_data();
    void plainTextPrintsInTheDisplayFont();
    void withoutAPrinterUdskrivOffersAPdfFile_data();
    void withoutAPrinterUdskrivOffersAPdfFile();
    void gemSomPdfWritesThePagesAsPrinted();
    void gemSomPdfAsksBeforeWritingOverAFile_data();
    void gemSomPdfAsksBeforeWritingOverAFile();
    void visUdskriftShowsThePagesWithTheBoxsMargins();
    void printCommandsAreOnTheFilPageAndTheDropDownMenu();
};

void DocumentPrintingTest::textLiesWithinTheMarginsOnEveryPage_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QMarginsF>("centimetres"); // left, top, right, bottom
    QTest::newRow("the defaults") << QStringList() << QMarginsF(2.5, 2, 1, 1.5);
    QTest::newRow("wide margins") << QStringList(
        { QStringLiteral("5"), QStringLiteral("4,5"), QStringLiteral("3"), QStringLiteral("6") })
                                  << QMarginsF(5, 3, 4.5, 6);
}

void DocumentPrintingTest::textLiesWithinTheMarginsOnEveryPage()
{
    QFETCH(QStringList, fields);
    QFETCH(QMarginsF, centimetres);
    TestApp app;
    app.start();
    openText(app, paragraphs(30));
    answerTheBox(app, fields);
    QVERIFY(runCommand(app, "udskrivDokument"));
    QCOMPARE(app.platform.printing.jobs.size(), 1);
    QVERIFY(app.modal().texts().isEmpty());

    const QString job = app.platform.printing.jobs.first();
    const QSizeF paper = PdfContents::pageSize(job);
    QVERIFY(qAbs(paper.width() - kA4.width()) < 1 && qAbs(paper.height() - kA4.height()) < 1);
    const int pages = PdfContents::pageCount(job);
    QVERIFY2(pages >= 2, qPrintable(QString::number(pages)));
    const QList<PdfContents::Word> words = PdfContents::words(job);
    const QMarginsF margins = centimetres * pointsPerCentimetre;
    for (int page = 1; page <= pages; ++page) {
        const QRectF area = textArea(onPage(words, page, margins.top()));
        QVERIFY2(qAbs(area.left() - margins.left()) <= kMillimetre, qPrintable(QString::number(area.left())));
        QVERIFY2(qAbs(area.top() - margins.top()) <= kMillimetre, qPrintable(QString::number(area.top())));
        // Lines are broken at words, so the right edge lies within a word of the margin.
        QVERIFY(area.right() <= paper.width() - margins.right() + kMillimetre);
        QVERIFY(area.right() >= paper.width() - margins.right() - 2 * pointsPerCentimetre);
        if (page < pages) {
            // A full page ends within a line of the bottom margin.
            QVERIFY(area.bottom() <= paper.height() - margins.bottom() + kMillimetre);
            QVERIFY(area.bottom() >= paper.height() - margins.bottom() - pointsPerCentimetre);
        }
    }
    // Every word once, in the document's order.
    QStringList printed;
    for (int page = 1; page <= pages; ++page) {
        for (const PdfContents::Word &word : onPage(words, page, margins.top()))
            printed << word.text;
    }
    QCOMPARE(printed.join(u' '), paragraphs(30).replace(u'\n', u' '));
}

void DocumentPrintingTest::eachCopyIsAPrintJobOfItsOwn_data()
{
    QTest::addColumn<QString>("copies");
    QTest::newRow("3 copies") << QStringLiteral("3");
    QTest::newRow("1 copy") << QStringLiteral("1");
    QTest::newRow("0 copies") << QStringLiteral("0");
}

void DocumentPrintingTest::eachCopyIsAPrintJobOfItsOwn()
{
    QFETCH(QString, copies);
    TestApp app;
    app.start();
    openText(app, QStringLiteral("Kære Søren\nHer er brevet."));
    answerTheBox(app, { QString(), QString(), QString(), QString(), copies });
    QVERIFY(runCommand(app, "udskrivDokument"));
    const QStringList jobs = app.platform.printing.jobs;
    QCOMPARE(jobs.size(), copies.toInt());
    for (const QString &job : jobs) {
        QCOMPARE(PdfContents::pageCount(job), 1);
        QVERIFY(PdfContents::layoutText(job).contains(QStringLiteral("Kære Søren")));
    }
    QVERIFY(app.modal().texts().isEmpty());
}

void DocumentPrintingTest::wrongFieldsAreToldAndNothingIsPrinted_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("message");
    const QString empty = QStringLiteral("");
    QTest::newRow("an empty margin") << QStringList({ empty })
                                     << QStringLiteral("Information:\nDer mangler en værdi, prøv igen!");
    QTest::newRow("an empty copy count") << QStringList(
        { QStringLiteral("2,5"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("1,5"), empty })
                                         << QStringLiteral("Information:\nDer mangler en værdi, prøv igen!");
    QTest::newRow("a lone comma") << QStringList({ QStringLiteral("2,5"), QStringLiteral(",") })
                                  << QStringLiteral(
                                         "Information:\nFeltet \"Højre\" skal indeholde et tal i "
                                         "centimeter, for eksempel 2,5, og ikke \",\".\nPrøv igen!");
    QTest::newRow("two commas") << QStringList(
        { QStringLiteral("2,5"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("1,5,") })
                                << QStringLiteral(
                                       "Information:\nFeltet \"Bund\" skal indeholde et tal i "
                                       "centimeter, for eksempel 2,5, og ikke \"1,5,\".\nPrøv igen!");
    QTest::newRow("too many copies for a whole number")
        << QStringList({ QStringLiteral("2,5"), QStringLiteral("1"), QStringLiteral("2"),
               QStringLiteral("1,5"), QStringLiteral("99999999999") })
        << QStringLiteral("Information:\nFeltet \"Kopiantal\" skal indeholde et helt tal, for eksempel 1, og "
                          "ikke \"99999999999\".\nPrøv igen!");
    const QString noRoom
        = QStringLiteral("Information:\nMargenerne efterlader ikke plads til teksten på papiret "
                         "A4 (21 x 29,7 cm).\nGør margenerne mindre, og prøv igen!");
    QTest::newRow("wider than the paper")
        << QStringList({ QStringLiteral("15"), QStringLiteral("10") }) << noRoom;
    QTest::newRow("taller than the paper") << QStringList(
        { QStringLiteral("2,5"), QStringLiteral("1"), QStringLiteral("20"), QStringLiteral("10") })
                                           << noRoom;
}

void DocumentPrintingTest::wrongFieldsAreToldAndNothingIsPrinted()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    TestApp app;
    app.start();
    openText(app, QStringLiteral("tekst"));
    answerTheBox(app, fields);
    QVERIFY(runCommand(app, "udskrivDokument"));
    QCOMPARE(app.modal().texts(), QStringList({ message }));
    QVERIFY(app.platform.printing.jobs.isEmpty());
    // The box is not shown again; what was typed stays for the next print.
    QCOMPARE(app.modal().shown.size(), 2);
    QCOMPARE(app.context.printform->Edit1->text(), fields.value(0));
}

void DocumentPrintingTest::cancellingTheBoxPrintsNothing()
{
    TestApp app;
    app.start();
    openText(app, QStringLiteral("tekst"));
    app.modal().pressEscape();
    QVERIFY(runCommand(app, "udskrivDokument"));
    QCOMPARE(app.modal().shown.size(), 1);
    QCOMPARE(app.modal().shown.first().caption, QStringLiteral("Udskriv dokument"));
    QVERIFY(app.platform.printing.jobs.isEmpty());
}

void DocumentPrintingTest::aPrinterThatRefusesTheJobIsTold()
{
    TestApp app;
    app.start();
    openText(app, QStringLiteral("tekst"));
    app.platform.printing.refuseJobs = true;
    answerTheBox(app, { QString(), QString(), QString(), QString(), QStringLiteral("2") });
    QVERIFY(runCommand(app, "udskrivDokument"));
    QCOMPARE(app.modal().texts(),
        QStringList({ QStringLiteral(
            "Information:\nPrinteren tog ikke imod udskriften.\nKontroller printeren, og prøv igen!") }));
}

void DocumentPrintingTest::plainTextPrintsInTheDisplayFont_data()
{
    QTest::addColumn<QString>("font");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("printedFont");
    QTest::newRow("Courier New 14") << QStringLiteral("Courier New") << QStringLiteral("14")
                                    << QStringLiteral("LiberationMono");
    QTest::newRow("Times New Roman 24")
        << QStringLiteral("Times New Roman") << QStringLiteral("24") << QStringLiteral("LiberationSerif");
}

void DocumentPrintingTest::plainTextPrintsInTheDisplayFont()
{
    QFETCH(QString, font);
    QFETCH(QString, size);
    QFETCH(QString, printedFont);
    TestApp app;
    app.start();
    Twinform1 *window = openText(app, QStringLiteral("Skriften\tpå\tskærmen"));
    window->fontnameBox->setCurrentText(font);
    window->fontsizeBox->setCurrentText(size);
    QCOMPARE(window->Editor->font().pointSize(), size.toInt());
    answerTheBox(app);
    QVERIFY(runCommand(app, "udskrivDokument"));
    QCOMPARE(app.platform.printing.jobs.size(), 1);
    const QString job = app.platform.printing.jobs.first();
    QCOMPARE(PdfContents::fonts(job), QStringList({ printedFont }));
    // A line of the font's size: ascent and descent together are a little more than the size in points.
    const QList<PdfContents::Word> words = PdfContents::words(job);
    QCOMPARE(words.size(), 3);
    const double height = words.first().box.height();
    QVERIFY2(height >= size.toInt() && height <= 1.3 * size.toInt(), qPrintable(QString::number(height)));
    // The tabs are as wide on paper as on the screen, relative to the font: the words stand apart.
    QVERIFY(words[1].box.left() - words[0].box.right() > size.toInt());
}

void DocumentPrintingTest::withoutAPrinterUdskrivOffersAPdfFile_data()
{
    QTest::addColumn<int>("answer"); // 1 Ja, 2 Nej
    QTest::addColumn<QString>("chosen"); // in the save dialog; empty: cancelled
    QTest::addColumn<QString>("written");
    QTest::newRow("Ja, a name without its ending")
        << 1 << QStringLiteral("brev") << QStringLiteral("brev.pdf");
    QTest::newRow("Ja, a name with it") << 1 << QStringLiteral("brev.PDF") << QStringLiteral("brev.PDF");
    QTest::newRow("Ja, then the dialog cancelled") << 1 << QString() << QString();
    QTest::newRow("Nej") << 2 << QStringLiteral("brev") << QString();
}

void DocumentPrintingTest::withoutAPrinterUdskrivOffersAPdfFile()
{
    QFETCH(int, answer);
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    TestApp app;
    app.start();
    app.platform.printing.printersInstalled = false;
    openText(app, QStringLiteral("Til PDF"));
    const QString folder = app.root() + QStringLiteral("/filer");
    QDir().mkpath(folder);
    app.modal().answer(answer);
    answerTheBox(app);
    if (!chosen.isEmpty())
        app.platform.fileDialogs.saveAnswers.enqueue(folder + u'/' + chosen);
    QVERIFY(runCommand(app, "udskrivDokument"));

    QCOMPARE(app.modal().texts().value(0),
        QStringLiteral("Der er ingen printer installeret på denne computer.\n"
                       "Skal dokumentet gemmes som en PDF-fil i stedet?"));
    QVERIFY(app.platform.printing.jobs.isEmpty());
    const QStringList files = QDir(folder).entryList(QDir::Files);
    QCOMPARE(files, written.isEmpty() ? QStringList() : QStringList({ written }));
    if (!written.isEmpty()) {
        QCOMPARE(app.modal().shown.size(), 2); // the question and the box
        QCOMPARE(
            app.platform.fileDialogs.suggestedSavePaths, QStringList({ QStringLiteral("UdenNavn.pdf") }));
        const QString path = folder + u'/' + written;
        QVERIFY(PdfContents::layoutText(path).contains(QStringLiteral("Til PDF")));
        QVERIFY(qAbs(PdfContents::words(path).first().box.left() - 2.5 * pointsPerCentimetre) <= kMillimetre);
    }
}

void DocumentPrintingTest::gemSomPdfWritesThePagesAsPrinted()
{
    TestApp app;
    const QString text = app.writeFile(QStringLiteral("rapport.txt"), paragraphs(30).toUtf8());
    app.start({ text });
    Tprintform &box = *app.context.printform;
    box.Edit1->setText(QStringLiteral("4"));
    box.Edit3->setText(QStringLiteral("3"));
    const QString pdf = QFileInfo(text).dir().filePath(QStringLiteral("rapport.pdf"));
    app.platform.fileDialogs.saveAnswers.enqueue(pdf);
    QVERIFY(runCommand(app, "gemSomPdf"));
    QCOMPARE(app.platform.fileDialogs.suggestedSavePaths, QStringList({ pdf }));
    QVERIFY(app.modal().shown.isEmpty());
    QVERIFY(app.platform.printing.jobs.isEmpty());

    answerTheBox(app);
    QVERIFY(runCommand(app, "udskrivDokument"));
    QCOMPARE(app.platform.printing.jobs.size(), 1);
    const QString printed = app.platform.printing.jobs.first();
    QCOMPARE(PdfContents::layoutText(pdf), PdfContents::layoutText(printed));
    const QRectF area = textArea(onPage(PdfContents::words(pdf), 1, 3 * pointsPerCentimetre - kMillimetre));
    QVERIFY(qAbs(area.left() - 4 * pointsPerCentimetre) <= kMillimetre);
    QVERIFY(qAbs(area.top() - 3 * pointsPerCentimetre) <= kMillimetre);
}

void DocumentPrintingTest::gemSomPdfAsksBeforeWritingOverAFile_data()
{
    QTest::addColumn<int>("answer"); // 1 Ja, 2 Nej; Enter gives Nej
    QTest::addColumn<QString>("chosen");
    QTest::newRow("Ja") << 1 << QStringLiteral("gammel.pdf");
    QTest::newRow("Nej") << 2 << QStringLiteral("gammel.pdf");
    QTest::newRow("Nej, the ending added") << 2 << QStringLiteral("gammel");
}

void DocumentPrintingTest::gemSomPdfAsksBeforeWritingOverAFile()
{
    QFETCH(int, answer);
    QFETCH(QString, chosen);
    TestApp app;
    app.start();
    openText(app, QStringLiteral("Ny tekst"));
    const QString old = app.writeFile(QStringLiteral("gammel.pdf"), "gammelt indhold");
    app.platform.fileDialogs.saveAnswers.enqueue(QFileInfo(old).dir().filePath(chosen));
    app.modal().answer(answer);
    QVERIFY(runCommand(app, "gemSomPdf"));
    QCOMPARE(app.modal().texts(),
        QStringList({ QStringLiteral(
            "Der eksisterer allerede en fil med navnet:\ngammel.pdf\nSkal filen overskrives?") }));
    if (answer == 1)
        QVERIFY(PdfContents::layoutText(old).contains(QStringLiteral("Ny tekst")));
    else
        QCOMPARE(readAll(old), QByteArray("gammelt indhold"));
}

void DocumentPrintingTest::visUdskriftShowsThePagesWithTheBoxsMargins()
{
    TestApp app;
    app.start();
    openText(app, paragraphs(30));
    int pages = 0;
    app.modal().answer([&pages](QDialog &dialog) {
        auto *preview = dialog.findChild<QPrintPreviewWidget *>();
        preview->updatePreview();
        pages = preview->pageCount();
        return int(QDialog::Rejected);
    });
    QVERIFY(runCommand(app, "visUdskrift"));
    QCOMPARE(app.modal().shown.size(), 1);
    QCOMPARE(app.modal().shown.first().caption, QStringLiteral("Vis udskrift"));
    answerTheBox(app);
    QVERIFY(runCommand(app, "udskrivDokument"));
    QCOMPARE(pages, PdfContents::pageCount(app.platform.printing.jobs.first()));

    // Margins that leave no room are told before anything is shown.
    app.context.printform->Edit1->setText(QStringLiteral("25"));
    app.modal().shown.clear();
    QVERIFY(runCommand(app, "visUdskrift"));
    QCOMPARE(app.modal().shown.size(), 1);
    QVERIFY(app.modal().texts().first().contains(QStringLiteral("Margenerne efterlader ikke plads")));
}

void DocumentPrintingTest::printCommandsAreOnTheFilPageAndTheDropDownMenu()
{
    TestApp app;
    app.start();
    app.frame().updateActions();
    for (const char *name : { "udskrivDokument", "visUdskrift", "gemSomPdf" })
        QVERIFY2(!app.frame().command(QString::fromLatin1(name))->isEnabled(), name);
    QVERIFY(app.frame().command(QStringLiteral("printerEgenskaber"))->isEnabled());

    Twinform1 *window = openText(app, QStringLiteral("tekst"));
    app.frame().updateActions();
    QStringList menu;
    for (const QAction *action : window->funkButton1->menu()->actions())
        menu << action->text();
    QCOMPARE(menu.mid(menu.size() - 3),
        QStringList({ QStringLiteral("Udskriv..."), QStringLiteral("Vis udskrift"),
            QStringLiteral("Gem som PDF...") }));
    for (const char *name : { "udskrivDokument", "visUdskrift", "gemSomPdf" })
        QVERIFY2(app.frame().command(QString::fromLatin1(name))->isEnabled(), name);
    QCOMPARE(app.frame().command(QStringLiteral("visUdskrift"))->statusTip(),
        QStringLiteral("Vis aktuelle dokument, som det bliver udskrevet"));
    QCOMPARE(app.frame().command(QStringLiteral("gemSomPdf"))->statusTip(),
        QStringLiteral("Gem aktuelle dokument som PDF-fil"));
}

QTEST_MAIN(DocumentPrintingTest)
#include "tst_DocumentPrinting.moc"
