#pragma once

#include "platform/widgets/Printing.h"

#include <memory>

// The system's printers through Qt Print Support (CUPS on Linux).
class SystemPrinting : public Printing {
public:
    SystemPrinting();
    ~SystemPrinting() override;

    bool hasPrinters() override;
    QPrinter &printer() override;
    void beginJob(QPrinter &) override { }

private:
    // Made at first use: finding the system's printers can take a moment the start-up need not wait for.
    std::unique_ptr<QPrinter> printer_;
};
