#include "documents/print/PageRectangle.h"

#include <QPageLayout>
#include <QPagedPaintDevice>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kCentimetresPerInch = 2.54;

// The whole number nearest to x; of two equally near ones the even one.
int nearest(double x)
{
    return static_cast<int>(std::nearbyint(x));
}

} // namespace

PrinterPage PrinterPage::of(const QPagedPaintDevice &device)
{
    const int resolution = device.logicalDpiX();
    const QPageLayout layout = device.pageLayout();
    const QRect paper = layout.fullRectPixels(resolution);
    const QRect printable = layout.paintRectPixels(resolution);
    return { double(device.logicalDpiX()), double(device.logicalDpiY()), printable.left() - paper.left(),
        printable.top() - paper.top(), printable.width(), printable.height(), paper.width(), paper.height() };
}

namespace PageRectangle {

QRect forMargins(const PrintMargins &margins, TRichTextMeasurements unit, const PrinterPage &page)
{
    const QRect printable(0, 0, page.pageWidth, page.pageHeight);
    if (unit == TRichTextMeasurements::rtmNone)
        return printable;
    const double perInch = unit == TRichTextMeasurements::rtmCentimetres ? kCentimetresPerInch : 1.0;
    const int left = nearest(margins.left / perInch * page.pixelsX) - page.leftSpace;
    const int top = nearest(margins.top / perInch * page.pixelsY) - page.topSpace;
    // The right and bottom margins are taken from the edge of the paper like the others: measured from
    // the printable area's far side, they would grow by both unprintable strips.
    const int right = page.paperWidth - nearest(margins.right / perInch * page.pixelsX) - page.leftSpace;
    const int bottom = page.paperHeight - nearest(margins.bottom / perInch * page.pixelsY) - page.topSpace;
    // What lies in the unprintable strips would be cut off the paper.
    const int inLeft = std::max(left, 0);
    const int inTop = std::max(top, 0);
    const int inRight = std::min(right, page.pageWidth);
    const int inBottom = std::min(bottom, page.pageHeight);
    if (inRight <= inLeft || inBottom <= inTop)
        return {};
    return QRect(inLeft, inTop, inRight - inLeft, inBottom - inTop);
}

bool leavesRoom(const QRect &rectangle, const PrinterPage &page)
{
    return !rectangle.isEmpty() && rectangle.width() >= page.pixelsX / kCentimetresPerInch
        && rectangle.height() >= page.pixelsY / kCentimetresPerInch;
}

} // namespace PageRectangle
