#pragma once

#include "platform/file_chooser.h"
#include "platform/print_preview.h"

#include <QPrinter>

class QWidget;

namespace korven {

// The set-up sheets' printer: the default printer, shown through Qt's print
// preview with one button more, "Salva PDF". Printing from the preview asks
// for the printer first (Qt's print dialog, which can also print into a
// file); "Salva PDF" asks for a file name only, so it works with no printer
// installed. One for the whole program, so the orientation chosen for one
// sheet stays for the next.
class QtPrintPreview : public PrintPreview {
public:
    explicit QtPrintPreview(FileChooser& files) : files_(files) {}

    // The preview and the printer set-up are centred on this window.
    void setParentWindow(QWidget* parent) { parent_ = parent; }
    QPrinter& printer() { return printer_; }

    PageOrientation orientation() const override;
    void setOrientation(PageOrientation orientation) override;
    // Qt's page set-up of the printer.
    void showPrinterSetup() override;
    // Opens large, the page as wide as the preview.
    PreviewOutcome preview(const PageDrawing& draw, const QString& documentName) override;

    // What "Salva PDF" does: asks for the file, offering one named after the
    // document in the user's documents folder (the home folder when there is
    // none), and writes the pages into it, laid out as they are for the
    // printer. Closed when the user cancels.
    PreviewOutcome saveAsPdf(const PageDrawing& draw, const QString& documentName);

private:
    FileChooser& files_;
    QWidget* parent_ = nullptr;
    QPrinter printer_{QPrinter::HighResolution};
};

} // namespace korven
