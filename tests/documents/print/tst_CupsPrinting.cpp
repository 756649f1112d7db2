// A real print job through CUPS, on its PDF printer. It needs a queue, which scripts/cups-print-check sets
// up (`make print-check`); without one every case is skipped.

#include "documents/print/RichTextPrinter.h"
#include "platform/widgets/SystemPrinting.h"
#include "support/PdfContents.h"

#include <QDir>
#include <QImage>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <QtTest>

#include <algorithm>

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
        QTRY_COMPARE_WITH_TIMEOUT(PdfContents::pageCount(path), 1, 30000);
        // The PDF printer draws the letters as pictures (its fonts carry no text), and the print system may
        // fit the page into the printer's printable area: what is checked is the ink, where the margins say.
        const QImage page = PdfContents::pageImage(path, 1, 72);
        QVERIFY(!page.isNull());
        int left = page.width();
        int top = page.height();
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                if (qGray(page.pixel(x, y)) < 128) {
                    left = std::min(left, x);
                    top = std::min(top, y);
                }
            }
        }
        const double leftCm = left / PdfContents::pointsPerCentimetre;
        const double topCm = top / PdfContents::pointsPerCentimetre;
        QVERIFY2(leftCm > 2 && leftCm < 3.5, qPrintable(QString::number(leftCm)));
        QVERIFY2(topCm > 1.5 && topCm < 3, qPrintable(QString::number(topCm)));
    }
}

QTEST_MAIN(CupsPrintingTest)
#include "tst_CupsPrinting.moc"
