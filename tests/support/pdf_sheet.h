#pragma once

#include "platform/widgets/qt_printer_canvas.h"
#include "support/pdf_words.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace korven::test {

// The page a sheet test prints on: portrait A4, half an inch of margin.
struct PdfSheet {
    static constexpr double kMarginPoints = 36;

    static QPageLayout portraitA4() {
        return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                           QMarginsF(kMarginPoints, kMarginPoints, kMarginPoints, kMarginPoints),
                           QPageLayout::Point);
    }

    // Where a position in twips of the printable area lies, in points.
    static double onPage(int twips) { return kMarginPoints + twips / 20.0; }

    // pdftotext places a word's box by the font's ascent.
    static constexpr double kTolerance = 1.5;

    // Where a table row's text after `characters` characters starts, in points.
    static double tableColumn(int characters) {
        QPrinter printer(QPrinter::HighResolution);
        QtPrinterCanvas canvas(printer);
        canvas.setFontName(QStringLiteral("courier new"));
        canvas.setFontSize(10);
        canvas.setBold(false);
        return onPage(200) + canvas.textWidth(QString(characters, QLatin1Char(' '))) / 20.0;
    }

    // The word's box starts at (x, y) points, give or take the tolerance.
    static void expectAt(const PdfWord& word, double x, double y) {
        EXPECT_NEAR(word.xMin, x, kTolerance) << word.text.toStdString();
        EXPECT_NEAR(word.yMin, y, kTolerance) << word.text.toStdString();
    }

    static bool popplerMissing() {
        return QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
    }
};

} // namespace korven::test
