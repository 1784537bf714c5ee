#include "platform/widgets/qt_print_preview.h"

#include "platform/widgets/pdf_file_output.h"
#include "platform/widgets/qt_printer_canvas.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QPageSetupDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QStandardPaths>
#include <QToolBar>

#include <optional>

namespace korven {

namespace {

// The page as wide as the preview, through the preview's own "Fit width"
// button, so that its tool bar shows what is chosen.
void fitToWidth(QPrintPreviewDialog& dialog) {
    const QString fitWidth = QCoreApplication::translate("QPrintPreviewDialog", "Fit width");
    for (QAction* action : dialog.findChildren<QAction*>()) {
        if (action->isCheckable() && action->text() == fitWidth) {
            action->trigger();
            return;
        }
    }
    if (auto* pages = dialog.findChild<QPrintPreviewWidget*>())
        pages->fitToWidth();
}

} // namespace

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

PreviewOutcome QtPrintPreview::preview(const PageDrawing& draw, const QString& documentName) {
    QPrintPreviewDialog dialog(&printer_, parent_);
    dialog.setObjectName(QStringLiteral("printPreview"));
    dialog.setWindowTitle(QStringLiteral("Anteprima di stampa - ") + documentName);
    // Large enough to read a page: most of the screen, the page as wide as
    // the preview.
    if (const QScreen* screen = (parent_ ? parent_ : &dialog)->screen()) {
        const QRect room = screen->availableGeometry();
        dialog.resize(room.width() * 4 / 5, room.height() * 9 / 10);
    }
    fitToWidth(dialog);

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
    QObject::connect(save, &QAction::triggered, &dialog,
                     [this, &draw, &documentName, &saved, &dialog] {
                         const PreviewOutcome outcome = saveAsPdf(draw, documentName);
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

PreviewOutcome QtPrintPreview::saveAsPdf(const PageDrawing& draw, const QString& documentName) {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const SaveFileRequest request{QDir(documents).exists() ? documents : QDir::homePath(),
                                  QStringLiteral(" FILE (*.pdf)|*.pdf|"), QStringLiteral("pdf"),
                                  documentName + QStringLiteral(".pdf")};
    const std::optional<QString> path = files_.chooseSaveFile(request);
    if (!path || path->isEmpty())
        return {};
    return {PreviewChoice::SavedAsPdf, writePdfFile(*path, printer_.pageLayout(), draw), *path};
}

} // namespace korven
