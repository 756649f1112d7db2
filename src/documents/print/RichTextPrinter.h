#pragma once

#include "documents/print/PageRectangle.h"

class Printing;
class QTextDocument;

// Prints a text document on the program's printer, inside margins, one print job per copy.
class RichTextPrinter {
public:
    enum class Result {
        Printed, // every copy went to the printer (none for 0 copies)
        NoRoom, // the margins leave the text no room on the paper; nothing printed
        PrinterFailed, // the printer would not take a job; the copies before it were printed
    };

    explicit RichTextPrinter(Printing &printing);

    Result PrintRichText(const QTextDocument &aEditor, double RTLeftMargin, double RTRightMargin,
        double RTTopMargin, double RTBottomMargin, TRichTextMeasurements RichTextMeasurement, int Copies);

private:
    Printing &printing_;
};
