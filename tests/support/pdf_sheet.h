#pragma once

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QStandardPaths>

namespace korven::test {

// The page a sheet test prints on: portrait A4 with half an inch of margin
// all round.
struct PdfSheet {
    static constexpr double kMarginPoints = 36;

    static QPageLayout portraitA4() {
        return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                           QMarginsF(kMarginPoints, kMarginPoints, kMarginPoints, kMarginPoints),
                           QPageLayout::Point);
    }

    // Where a position in twips of the printable area lies on the page, in
    // points.
    static double onPage(int twips) { return kMarginPoints + twips / 20.0; }

    static bool popplerMissing() {
        return QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
    }
};

} // namespace korven::test
