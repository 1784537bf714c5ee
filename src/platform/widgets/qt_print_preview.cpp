#include "platform/widgets/qt_print_preview.h"

#include "platform/widgets/pdf_file_output.h"
#include "platform/widgets/qt_printer_canvas.h"

#include <QAction>
#include <QPageSetupDialog>
#include <QPrintPreviewDialog>
#include <QStandardPaths>
#include <QToolBar>

#include <optional>

namespace korven {

PageOrientation QtPrintPreview::orientation() const {
    return orientationOf(printer_.pageLayout());
}

void QtPrintPreview::setOrientation(PageOrientation orientation) {
    printer_.setPageOrientation(qtOrientation(orientation));
}

void QtPrintPreview::showPrinterSetup() {
    QPageSetupDialog dialog(&printer_, parent_);
    dialog.exec();
}

PreviewOutcome QtPrintPreview::preview(const PageDrawing& draw) {
    QPrintPreviewDialog dialog(&printer_, parent_);
    dialog.setObjectName(QStringLiteral("printPreview"));
    dialog.setWindowTitle(QStringLiteral("Anteprima di stampa"));

    // The preview paints the pages whenever it shows them, and once more on
    // the printer when the user prints: the last painting is the print.
    PrintStatus lastPainting;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&draw, &lastPainting](QPrinter* printer) {
                         QtPrinterCanvas canvas(*printer);
                         draw(canvas);
                         lastPainting = canvas.endDocument();
                     });

    std::optional<PreviewOutcome> saved;
    auto* save = new QAction(QStringLiteral("Salva PDF"), &dialog);
    save->setObjectName(QStringLiteral("savePdf"));
    save->setToolTip(QStringLiteral("Salva le pagine in un file PDF"));
    QObject::connect(save, &QAction::triggered, &dialog, [this, &draw, &saved, &dialog] {
        const PreviewOutcome outcome = saveAsPdf(draw);
        if (outcome.choice == PreviewChoice::Closed)
            return;
        saved = outcome;
        dialog.accept();
    });
    // Qt's preview keeps its buttons in a tool bar; ours goes at its end.
    if (auto* tools = dialog.findChild<QToolBar*>())
        tools->addAction(save);

    if (dialog.exec() != QDialog::Accepted)
        return {};
    if (saved)
        return *saved;
    return {PreviewChoice::Printed, lastPainting};
}

PreviewOutcome QtPrintPreview::saveAsPdf(const PageDrawing& draw) {
    const SaveFileRequest request{
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        QStringLiteral(" FILE (*.pdf)|*.pdf|"), QStringLiteral("pdf")};
    const std::optional<QString> path = files_.chooseSaveFile(request);
    if (!path || path->isEmpty())
        return {};
    return {PreviewChoice::SavedAsPdf, writePdfFile(*path, printer_.pageLayout(), draw)};
}

} // namespace korven
