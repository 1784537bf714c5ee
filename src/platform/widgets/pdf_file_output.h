#pragma once

#include "platform/print_preview.h"

#include <QPageLayout>
#include <QString>

namespace korven {

// Writes the pages into a PDF file, on pages laid out as `layout` says (size,
// orientation, margins). A file that cannot be written is reported.
PrintStatus writePdfFile(const QString& path, const QPageLayout& layout, const PageDrawing& draw);

// A printer that is a PDF file and shows nothing: every document goes
// straight into the file. For making the set-up sheets with nobody at the
// screen (the pictures of the documentation, the checks of the sheets).
class PdfFileOutput : public PrintPreview {
public:
    PdfFileOutput(const QString& path, const QPageLayout& layout) : path_(path), layout_(layout) {}

    PageOrientation orientation() const override;
    void setOrientation(PageOrientation orientation) override;
    // There is nobody to ask.
    void showPrinterSetup() override {}
    PreviewOutcome preview(const PageDrawing& draw, const QString& documentName) override;

private:
    QString path_;
    QPageLayout layout_;
};

} // namespace korven
