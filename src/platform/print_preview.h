#pragma once

#include "platform/printer_canvas.h"

#include <QString>

#include <functional>

namespace korven {

// The pages of a document, drawn on the canvas given. They are drawn again
// every time they are shown or sent out, so a drawing starts afresh each time.
using PageDrawing = std::function<void(PrinterCanvas& canvas)>;

enum class PreviewChoice { Closed, Printed, SavedAsPdf };

// What came of a document shown before printing: closed without output, or
// printed or saved, with how that went.
struct PreviewOutcome {
    PreviewChoice choice = PreviewChoice::Closed;
    PrintStatus status;
    QString file; // the PDF file written, when saved
};

// The printer the set-up sheets go to, with a preview in front of it: the
// user sees the pages first, then prints them, saves them as a PDF file (which
// works with no printer installed), or closes the preview. The printer keeps
// its orientation from one document to the next.
class PrintPreview {
public:
    virtual ~PrintPreview() = default;

    virtual PageOrientation orientation() const = 0;
    virtual void setOrientation(PageOrientation orientation) = 0;
    // The printer set-up dialog. What the user picks there stays the
    // printer's business.
    virtual void showPrinterSetup() = 0;

    // `documentName` tells the user which document it is, and names the PDF
    // file offered when the pages are saved.
    virtual PreviewOutcome preview(const PageDrawing& draw, const QString& documentName) = 0;
};

} // namespace korven
