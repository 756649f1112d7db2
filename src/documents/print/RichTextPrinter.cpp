#include "documents/print/RichTextPrinter.h"

#include "documents/print/PrintedPages.h"
#include "platform/widgets/Printing.h"

#include <QCoreApplication>
#include <QPrinter>

namespace {

// The window is redrawn between the copies; what the user does meanwhile waits for the last one, so no
// second print starts inside this one.
void handlePendingEvents()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

RichTextPrinter::RichTextPrinter(Printing &printing)
    : printing_(printing)
{ }

RichTextPrinter::Result RichTextPrinter::PrintRichText(const QTextDocument &aEditor, double RTLeftMargin,
    double RTRightMargin, double RTTopMargin, double RTBottomMargin,
    TRichTextMeasurements RichTextMeasurement, int Copies)
{
    QPrinter &printer = printing_.printer();
    const PrinterPage page = PrinterPage::of(printer);
    const QRect rectangle = PageRectangle::forMargins(
        { RTLeftMargin, RTRightMargin, RTTopMargin, RTBottomMargin }, RichTextMeasurement, page);
    if (!PageRectangle::leavesRoom(rectangle, page))
        return Result::NoRoom;
    const PrintedPages pages(aEditor, printer, rectangle);
    handlePendingEvents();
    printer.setDocName(QString());
    for (int copy = 0; copy < Copies; ++copy) {
        printing_.beginJob(printer);
        if (!pages.paint(printer))
            return Result::PrinterFailed;
        handlePendingEvents();
    }
    return Result::Printed;
}
