#pragma once

#include <QRect>

class QPagedPaintDevice;

// The unit of the margins handed to PrintRichText.
enum class TRichTextMeasurements {
    rtmNone, // the page rectangle is the whole printable area
    rtmInches,
    rtmCentimetres,
};

struct PrintMargins {
    double left = 0;
    double right = 0;
    double top = 0;
    double bottom = 0;
};

// A printer's page as the margin arithmetic sees it, in printer pixels.
struct PrinterPage {
    double pixelsX = 0; // dots per inch across
    double pixelsY = 0; // dots per inch down
    int leftSpace = 0; // the unprintable strip at the left
    int topSpace = 0; // ... and at the top
    int pageWidth = 0; // the printable area
    int pageHeight = 0;
    int paperWidth = 0; // the whole sheet
    int paperHeight = 0;

    // The page the device draws on, as its page layout and resolution give it.
    static PrinterPage of(const QPagedPaintDevice &device);
};

namespace PageRectangle {

// Where the text goes on each page: in printer pixels from the corner of the printable area, the
// painter's origin. A margin is measured from the edge of the paper.
QRect forMargins(const PrintMargins &margins, TRichTextMeasurements unit, const PrinterPage &page);

// Whether the rectangle leaves the text a place to go: at least a centimetre each way. Narrower, every
// word would stand on a line of its own and the pages would run into the thousands.
bool leavesRoom(const QRect &rectangle, const PrinterPage &page);

} // namespace PageRectangle
