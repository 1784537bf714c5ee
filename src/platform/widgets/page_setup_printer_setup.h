#pragma once

#include "platform/printer_setup.h"

class QPrinter;
class QWidget;

namespace korven {

// The printer set-up as Qt's page set-up dialog over the printer the sheet is
// printed on.
class PageSetupPrinterSetup : public PrinterSetup {
public:
    PageSetupPrinterSetup(QPrinter& printer, QWidget* parent)
        : printer_(printer), parent_(parent) {}

    void showPrinterSetup() override;

private:
    QPrinter& printer_;
    QWidget* parent_;
};

} // namespace korven
