#include "documents/print/RichTextPrinter.h"
#include "support/PdfContents.h"
#include "support/PdfPrinting.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

namespace {

// "Almindelig " in black, then "Fed rød" bold in red, then " og blå" in blue, in 20 points.
void writeFormattedText(QTextDocument &document)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(20);
    document.setDefaultFont(font);
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("Almindelig "));
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    bold.setForeground(QColor(200, 0, 0));
    cursor.insertText(QStringLiteral("Fed rød"), bold);
    QTextCharFormat blue;
    blue.setForeground(QColor(0, 0, 200));
    cursor.insertText(QStringLiteral(" og blå"), blue);
}

// The colours of a part of the page, as counts of clearly red, blue and dark pixels.
struct Inks {
    int red = 0;
    int blue = 0;
    int dark = 0;
};

Inks inksIn(const QImage &image, const QRectF &area)
{
    Inks inks;
    const QRect pixels = area.toAlignedRect().intersected(image.rect());
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 120 && c.green() < 80 && c.blue() < 80)
                ++inks.red;
            else if (c.blue() > 120 && c.red() < 80 && c.green() < 80)
                ++inks.blue;
            else if (c.red() < 80 && c.green() < 80 && c.blue() < 80)
                ++inks.dark;
        }
    }
    return inks;
}

} // namespace

class RichTextPrinterTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void boldAndColourAreKept();
    void zeroCopiesPrintNothing();
};

void RichTextPrinterTest::boldAndColourAreKept()
{
    PdfPrinting printing;
    QTextDocument document;
    writeFormattedText(document);
    QCOMPARE(RichTextPrinter(printing).PrintRichText(
                 document, 2.5, 1, 2, 1.5, TRichTextMeasurements::rtmCentimetres, 1),
        RichTextPrinter::Result::Printed);
    QCOMPARE(printing.jobs.size(), 1);
    const QString job = printing.jobs.first();

    QStringList fonts = PdfContents::fonts(job);
    fonts.sort();
    QCOMPARE(fonts, QStringList({ QStringLiteral("LiberationSans"), QStringLiteral("LiberationSans-Bold") }));

    // At 72 dots per inch a pixel of the page image is a point, as the word boxes are.
    const QImage page = PdfContents::pageImage(job, 1, 72);
    QCOMPARE(page.size(), QSize(595, 842));
    const QList<PdfContents::Word> words = PdfContents::words(job);
    QCOMPARE(words.size(), 5);
    const Inks plain = inksIn(page, words[0].box);
    const Inks bold = inksIn(page, words[1].box.united(words[2].box));
    const Inks fed = inksIn(page, words[1].box);
    const Inks blue = inksIn(page, words[4].box);
    QVERIFY(plain.dark > 20 && plain.red == 0 && plain.blue == 0);
    QVERIFY(bold.red > 20 && bold.dark < bold.red / 4 && bold.blue == 0);
    QVERIFY(blue.blue > 20 && blue.red == 0);
    // Bold strokes are heavier: more ink a letter than the plain text.
    QVERIFY(double(fed.red) / words[1].text.size() > 1.2 * double(plain.dark) / words[0].text.size());
}

void RichTextPrinterTest::zeroCopiesPrintNothing()
{
    PdfPrinting printing;
    QTextDocument document;
    writeFormattedText(document);
    QCOMPARE(RichTextPrinter(printing).PrintRichText(
                 document, 2.5, 1, 2, 1.5, TRichTextMeasurements::rtmCentimetres, 0),
        RichTextPrinter::Result::Printed);
    QVERIFY(printing.jobs.isEmpty());
    QCOMPARE(RichTextPrinter(printing).PrintRichText(
                 document, 12, 10, 2, 1.5, TRichTextMeasurements::rtmCentimetres, 2),
        RichTextPrinter::Result::NoRoom);
    QVERIFY(printing.jobs.isEmpty());
}

QTEST_MAIN(RichTextPrinterTest)
#include "tst_RichTextPrinter.moc"
