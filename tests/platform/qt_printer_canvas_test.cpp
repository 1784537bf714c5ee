#include "platform/widgets/qt_printer_canvas.h"
#include "support/pdf_sheet.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFontDatabase>
#include <QPrinter>

#include <gtest/gtest.h>

using namespace korven;
using namespace korven::test;

namespace {

TEST(QtPrinterCanvas, MeasuresThePageInTwipsAndTextLandsWhereItsTwipsSay) {
    TempFolder folder;
    const QString pdf = folder.path(QStringLiteral("sheet.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(PdfSheet::portraitA4());
    directToPdfFile(printer, pdf);
    QtPrinterCanvas canvas(printer);
    EXPECT_EQ(canvas.orientation(), PageOrientation::Portrait);
    // Qt's A4 is 595 × 842 points, less the margins; a point is 20 twips.
    EXPECT_EQ(canvas.pageWidth(), (595 - 72) * 20);
    EXPECT_EQ(canvas.pageHeight(), (842 - 72) * 20);
    canvas.setOrientation(PageOrientation::Landscape);
    EXPECT_EQ(canvas.orientation(), PageOrientation::Landscape);
    EXPECT_EQ(canvas.pageWidth(), (842 - 72) * 20);
    EXPECT_EQ(canvas.pageHeight(), (595 - 72) * 20);
    if (PdfSheet::popplerMissing())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";

    // A text's top is at its position; its width is as measured.
    canvas.setFontName(QStringLiteral("courier new"));
    canvas.setFontSize(10);
    printAt(canvas, 1440, 2880, QStringLiteral("Uno"));
    // The fixed-pitch face advances 0.6 of its size: 6 points, 120 twips.
    EXPECT_NEAR(canvas.textWidth(QStringLiteral("0123456789")), 1200, 2);
    printAt(canvas, 1440, 4000, QStringLiteral("0123456789"));
    canvas.setFontName(QStringLiteral("Times New Roman"));
    canvas.setFontSize(12);
    canvas.setBold(true);
    canvas.setColour(kDarkGreen);
    printAt(canvas, 200, 300, QStringLiteral("Titolo"));
    const QString date = QStringLiteral("Aggiornamento:");
    printAt(canvas, canvas.pageWidth() - canvas.textWidth(date) - 50, 1000, date);
    canvas.newPage();
    printAt(canvas, 7200, 1000, QStringLiteral("Due"));
    ASSERT_TRUE(canvas.endDocument());

    const PdfText text = readPdfText(pdf);
    ASSERT_EQ(text.pages, 2);
    EXPECT_GT(text.pageWidth, text.pageHeight) << "landscape";
    PdfSheet::expectAt(text.find(QStringLiteral("Uno")), PdfSheet::onPage(1440),
                       PdfSheet::onPage(2880));
    PdfSheet::expectAt(text.find(QStringLiteral("Titolo")), PdfSheet::onPage(200),
                       PdfSheet::onPage(300));
    const PdfWord digits = text.find(QStringLiteral("0123456789"));
    EXPECT_NEAR(digits.xMax - digits.xMin, 60, PdfSheet::kTolerance);
    EXPECT_NEAR(text.find(date).xMax, text.pageWidth - PdfSheet::kMarginPoints - 2.5,
                PdfSheet::kTolerance)
        << "ends 50 twips before the printable area's right edge";
    const PdfWord second = text.find(QStringLiteral("Due"), 2);
    EXPECT_EQ(second.page, 2);
    PdfSheet::expectAt(second, PdfSheet::onPage(7200), PdfSheet::onPage(1000));
}

TEST(QtPrinterCanvasFailure, AFileThatCannotBeWrittenOrNoPrinterFailsTheJobAndSaysWhy) {
    TempFolder folder;
    const QString unwritable = folder.path(QStringLiteral("missing/sheet.pdf"));
    QPrinter toFile(QPrinter::HighResolution);
    directToPdfFile(toFile, unwritable);
    QtPrinterCanvas canvas(toFile);
    printAt(canvas, 0, 0, QStringLiteral("lost"));
    canvas.newPage();
    const PrintStatus status = canvas.endDocument();
    EXPECT_FALSE(status.ok);
    EXPECT_EQ(status.error, QStringLiteral("Impossibile scrivere il file ") +
                                QDir::toNativeSeparators(unwritable));
    EXPECT_FALSE(QFile::exists(unwritable));

    QPrinter none;
    none.setOutputFormat(QPrinter::PdfFormat);
    none.setOutputFileName(QString());
    none.setPrinterName(QString());
    QtPrinterCanvas noPrinter(none);
    printAt(noPrinter, 0, 0, QStringLiteral("lost"));
    EXPECT_EQ(noPrinter.endDocument().error, QStringLiteral("Nessuna stampante installata"));
}

TEST(FontStandIns, MissingWindowsFacesAreDrawnWithTheirMetricTwins) {
    if (!QFontDatabase::hasFamily(QStringLiteral("Times New Roman"))) {
        EXPECT_EQ(installedFamilyFor("Times New Roman"), QStringLiteral("Liberation Serif"));
    }
    if (!QFontDatabase::hasFamily(QStringLiteral("Courier New"))) {
        EXPECT_EQ(installedFamilyFor("courier new"), QStringLiteral("Liberation Mono"));
    }
    EXPECT_EQ(installedFamilyFor("No Such Face"), QStringLiteral("No Such Face"));
}

} // namespace
