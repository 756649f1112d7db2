#include "platform/widgets/SystemPrinting.h"

#include <QPrinter>
#include <QPrinterInfo>

SystemPrinting::SystemPrinting() = default;

SystemPrinting::~SystemPrinting() = default;

bool SystemPrinting::hasPrinters()
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

QPrinter &SystemPrinting::printer()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}
