#include "platform/widgets/pdf_file_output.h"

#include "platform/widgets/qt_printer_canvas.h"

#include <QPrinter>

namespace korven {

PrintStatus writePdfFile(const QString& path, const QPageLayout& layout, const PageDrawing& draw) {
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setPageLayout(layout);
    directToPdfFile(pdf, path);
    QtPrinterCanvas canvas(pdf);
    draw(canvas);
    return canvas.endDocument();
}

PageOrientation PdfFileOutput::orientation() const {
    return orientationOf(layout_);
}

void PdfFileOutput::setOrientation(PageOrientation orientation) {
    layout_.setOrientation(qtOrientation(orientation));
}

PreviewOutcome PdfFileOutput::preview(const PageDrawing& draw, const QString&) {
    return {PreviewChoice::SavedAsPdf, writePdfFile(path_, layout_, draw), path_};
}

} // namespace korven
