// A real print job through CUPS, on its PDF printer. It needs a queue, which scripts/cups-print-check sets
// up (`make print-check`); without one every case is skipped.

#include "documents/print/RichTextPrinter.h"
#include "platform/widgets/SystemPrinting.h"
#include "support/PdfContents.h"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <QtTest>

class CupsPrintingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void eachCopyArrivesAsAJobOfItsOwn();

private:
    QString queue_;
    QString output_;
};

void CupsPrintingTest::initTestCase()
{
    queue_ = qEnvironmentVariable("SKRIVORA_CUPS_QUEUE");
    output_ = qEnvironmentVariable("SKRIVORA_CUPS_OUTPUT");
    if (queue_.isEmpty() || output_.isEmpty())
        QSKIP("needs a CUPS queue of the PDF printer: scripts/cups-print-check sets one up");
}

void CupsPrintingTest::eachCopyArrivesAsAJobOfItsOwn()
{
    SystemPrinting printing;
    QVERIFY(printing.hasPrinters());
    QVERIFY2(QPrinterInfo::availablePrinterNames().contains(queue_), qPrintable(queue_));
    printing.printer().setPrinterName(queue_);
    QCOMPARE(printing.printer().outputFormat(), QPrinter::NativeFormat);

    QTextDocument document;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(12);
    document.setDefaultFont(font);
    document.setPlainText(QStringLiteral("Udskrevet gennem CUPS med æ, ø og å."));
    QCOMPARE(RichTextPrinter(printing).PrintRichText(
                 document, 2.5, 1, 2, 1.5, TRichTextMeasurements::rtmCentimetres, 2),
        RichTextPrinter::Result::Printed);

    const QDir folder(output_);
    QTRY_COMPARE_WITH_TIMEOUT(folder.entryList({ QStringLiteral("*.pdf") }, QDir::Files).size(), 2, 60000);
    for (const QString &name : folder.entryList({ QStringLiteral("*.pdf") }, QDir::Files)) {
        const QString path = folder.filePath(name);
        // The file is complete once poppler reads its text.
        QTRY_VERIFY_WITH_TIMEOUT(PdfContents::layoutText(path).contains(QStringLiteral("æ, ø og å")), 30000);
        const QList<PdfContents::Word> words = PdfContents::words(path);
        QVERIFY(!words.isEmpty());
        const double left = words.first().box.left() / PdfContents::pointsPerCentimetre;
        QVERIFY2(qAbs(left - 2.5) <= 0.1, qPrintable(QString::number(left)));
        const double top = words.first().box.top() / PdfContents::pointsPerCentimetre;
        QVERIFY2(qAbs(top - 2) <= 0.1, qPrintable(QString::number(top)));
    }
}

QTEST_MAIN(CupsPrintingTest)
#include "tst_CupsPrinting.moc"
