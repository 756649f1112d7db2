#pragma once

class QPrinter;

// The system's printers and the print jobs sent to them. The program prints through Qt Print Support on
// the printers the system has; tests hand in a stand-in that sends every job to a PDF file of its own.
class Printing {
public:
    virtual ~Printing() = default;
    // Whether the system has a printer to print on (a fresh system often has none).
    virtual bool hasPrinters() = 0;
    // The printer the program prints on for the whole run: the system's default one at first, then the one
    // the printer settings chose.
    virtual QPrinter &printer() = 0;
    // Each print job on printer() is announced here before anything is drawn.
    virtual void beginJob(QPrinter &printer) = 0;
};
