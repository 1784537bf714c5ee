#pragma once

#include "platform/widgets/qt_printer_canvas.h"

#include <QPageSize>
#include <QPrinter>
#include <QStandardPaths>

namespace korven::test {

// A portrait A4 printer writing a PDF file, with half an inch of margin all
// round, as a sheet test prints on.
struct PdfSheet {
    static constexpr double kMarginPoints = 36;

    explicit PdfSheet(const QString& path) {
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Portrait);
        printer.setPageMargins(
            QMarginsF(kMarginPoints, kMarginPoints, kMarginPoints, kMarginPoints),
            QPageLayout::Point);
        directToPdfFile(printer, path);
    }

    // Where a position in twips of the printable area lies on the page, in
    // points.
    static double onPage(int twips) { return kMarginPoints + twips / 20.0; }

    static bool popplerMissing() {
        return QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
    }

    QPrinter printer{QPrinter::HighResolution};
};

} // namespace korven::test
