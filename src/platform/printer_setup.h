#pragma once

namespace korven {

// The printer set-up dialog, shown when a printed sheet finds the printer in
// portrait. What the user picks there stays the printer's business: the sheet
// turns the page to landscape afterwards whatever came back.
class PrinterSetup {
public:
    virtual ~PrinterSetup() = default;

    virtual void showPrinterSetup() = 0;
};

} // namespace korven
