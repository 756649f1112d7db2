#pragma once

#include "platform/widgets/Printing.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class QPrinter;

// Stands in for the system's printers: every print job becomes a PDF file of its own in a temporary folder,
// on an A4 printer of 1200 dots per inch whose paper has an unprintable strip all round, as real printers
// have.
class PdfPrinting : public Printing {
public:
    PdfPrinting();
    ~PdfPrinting() override;

    bool hasPrinters() override { return printersInstalled; }
    QPrinter &printer() override;
    void beginJob(QPrinter &printer) override;

    // The PDF files of the jobs so far, in the order they were sent.
    QStringList jobs;
    bool printersInstalled = true;
    // The printer takes no job: each one fails to start.
    bool refuseJobs = false;

private:
    QTemporaryDir folder_;
    std::unique_ptr<QPrinter> printer_;
};
