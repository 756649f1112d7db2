#include "support/PdfPrinting.h"

#include <QPrinter>

PdfPrinting::PdfPrinting() = default;

PdfPrinting::~PdfPrinting() = default;

QPrinter &PdfPrinting::printer()
{
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setPageSize(QPageSize(QPageSize::A4));
        printer_->setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
    }
    return *printer_;
}

void PdfPrinting::beginJob(QPrinter &printer)
{
    if (refuseJobs) {
        printer.setOutputFileName(folder_.filePath(QStringLiteral("ingen mappe/job.pdf")));
        return;
    }
    jobs << folder_.filePath(QStringLiteral("job-%1.pdf").arg(jobs.size() + 1));
    printer.setOutputFileName(jobs.last());
}
