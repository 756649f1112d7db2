#include "documents/print/PageRectangle.h"

#include <QPdfWriter>
#include <QtTest>

Q_DECLARE_METATYPE(PrinterPage)

class PageRectangleTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void marginsBecomePrinterPixels_data();
    void marginsBecomePrinterPixels();
    void theRectangleComesFromTheDevicesPaper();
    void room_data();
    void room();
};

namespace {

// A4 at 600 dots per inch, with the unprintable strips given.
PrinterPage a4At600(int leftSpace, int topSpace, int rightSpace, int bottomSpace)
{
    const int paperWidth = 4961;
    const int paperHeight = 7016;
    return { 600, 600, leftSpace, topSpace, paperWidth - leftSpace - rightSpace,
        paperHeight - topSpace - bottomSpace, paperWidth, paperHeight };
}

} // namespace

void PageRectangleTest::marginsBecomePrinterPixels_data()
{
    QTest::addColumn<PrinterPage>("page");
    QTest::addColumn<int>("unit");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("right");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("bottom");
    QTest::addColumn<QRect>("expected");
    constexpr int cm = int(TRichTextMeasurements::rtmCentimetres);
    constexpr int inch = int(TRichTextMeasurements::rtmInches);
    // 2,5 cm = 590.55 pixels, 1 cm = 236.22, 2 cm = 472.44, 1,5 cm = 354.33.
    QTest::newRow("defaults, no unprintable strip")
        << a4At600(0, 0, 0, 0) << cm << 2.5 << 1.0 << 2.0 << 1.5
        << QRect(QPoint(591, 472), QPoint(4961 - 236 - 1, 7016 - 354 - 1));
    // The strips move the painter's origin; the margins stay where they are on the paper.
    QTest::newRow("defaults, strips of 100 and 50 pixels")
        << a4At600(100, 50, 100, 50) << cm << 2.5 << 1.0 << 2.0 << 1.5
        << QRect(QPoint(491, 422), QPoint(4961 - 236 - 100 - 1, 7016 - 354 - 50 - 1));
    QTest::newRow("inches") << a4At600(0, 0, 0, 0) << inch << 1.0 << 0.5 << 0.25 << 2.0
                            << QRect(QPoint(600, 150), QPoint(4961 - 300 - 1, 7016 - 1200 - 1));
    // At one dot per inch, margins of 2.5 and 3.5 inches are 2.5 and 3.5 pixels: to the even neighbour.
    QTest::newRow("halves round to even") << PrinterPage { 1, 1, 0, 0, 100, 100, 100, 100 } << inch << 2.5
                                          << 3.5 << 3.5 << 2.5 << QRect(QPoint(2, 4), QPoint(95, 97));
    QTest::newRow("inside the strips, the printable area")
        << a4At600(100, 50, 100, 50) << cm << 0.0 << 0.0 << 0.0 << 0.0 << QRect(0, 0, 4961 - 200, 7016 - 100);
    QTest::newRow("no unit: the printable area")
        << a4At600(100, 50, 100, 50) << int(TRichTextMeasurements::rtmNone) << 2.5 << 1.0 << 2.0 << 1.5
        << QRect(0, 0, 4961 - 200, 7016 - 100);
}

void PageRectangleTest::marginsBecomePrinterPixels()
{
    QFETCH(PrinterPage, page);
    QFETCH(int, unit);
    QFETCH(double, left);
    QFETCH(double, right);
    QFETCH(double, top);
    QFETCH(double, bottom);
    QFETCH(QRect, expected);
    QCOMPARE(PageRectangle::forMargins(
                 { left, right, top, bottom }, static_cast<TRichTextMeasurements>(unit), page),
        expected);
}

void PageRectangleTest::theRectangleComesFromTheDevicesPaper()
{
    QPdfWriter pdf(QString::fromLatin1("/dev/null"));
    pdf.setResolution(600);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    const PrinterPage page = PrinterPage::of(pdf);
    QCOMPARE(page.pixelsX, 600.0);
    QCOMPARE(page.leftSpace, 0);
    QCOMPARE(
        PageRectangle::forMargins({ 2.5, 1, 2, 1.5 }, TRichTextMeasurements::rtmCentimetres, page).left(),
        591);
    pdf.setPageMargins(QMarginsF(10, 20, 10, 20), QPageLayout::Millimeter);
    const PrinterPage strips = PrinterPage::of(pdf);
    QCOMPARE(strips.leftSpace, pdf.pageLayout().paintRectPixels(600).left());
    QVERIFY(qAbs(strips.leftSpace - 10 / 25.4 * 600) < 5);
    QVERIFY(qAbs(strips.topSpace - 20 / 25.4 * 600) < 5);
    QCOMPARE(strips.paperWidth, page.paperWidth);
    QCOMPARE(strips.pageWidth, page.paperWidth - 2 * strips.leftSpace);
}

void PageRectangleTest::room_data()
{
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("right");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("bottom");
    QTest::addColumn<bool>("room");
    QTest::newRow("defaults") << 2.5 << 1.0 << 2.0 << 1.5 << true;
    QTest::newRow("wider than the paper") << 15.0 << 10.0 << 2.0 << 1.5 << false;
    QTest::newRow("taller than the paper") << 2.5 << 1.0 << 20.0 << 10.0 << false;
    QTest::newRow("a centimetre left across") << 10.0 << 10.0 << 2.0 << 1.5 << true;
    QTest::newRow("less than a centimetre across") << 10.0 << 10.1 << 2.0 << 1.5 << false;
}

void PageRectangleTest::room()
{
    QFETCH(double, left);
    QFETCH(double, right);
    QFETCH(double, top);
    QFETCH(double, bottom);
    QFETCH(bool, room);
    const PrinterPage page = a4At600(100, 50, 100, 50); // 21 × 29,7 cm
    QCOMPARE(PageRectangle::leavesRoom(PageRectangle::forMargins({ left, right, top, bottom },
                                           TRichTextMeasurements::rtmCentimetres, page),
                 page),
        room);
}

QTEST_GUILESS_MAIN(PageRectangleTest)
#include "tst_PageRectangle.moc"
