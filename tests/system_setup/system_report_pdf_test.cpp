#include "platform/widgets/pdf_file_output.h"
#include "support/pdf_sheet.h"
#include "support/scripted_prompter.h"
#include "system_channel_bytes.h"
#include "system_setup/system_report.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace korven;
using namespace korven::test;

namespace {

TEST(SystemReportPdf, TitleColumnTitlesAndRowsLandWhereTheSheetPutsThem) {
    if (PdfSheet::popplerMissing())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    TempFolder folder;
    writeSystemFile(folder, distinctChannels(24));
    const QString pdf = folder.path(QStringLiteral("system.pdf"));
    PdfFileOutput file(pdf, PdfSheet::portraitA4());
    ScriptedPrompter prompter;
    SheetPrinter printer{file, prompter};
    ASSERT_TRUE(printSystemReport(folder.path(QStringLiteral("plant.stp")), QString(),
                                  QDate(2024, 3, 5), printer));
    EXPECT_EQ(prompter.texts(),
              QStringList({"Set the printer in the 'LANDSCAPE' mode",
                           "Foglio salvato nel file " + QDir::toNativeSeparators(pdf)}));

    const PdfText text = readPdfText(pdf);
    ASSERT_EQ(text.pages, 1);
    EXPECT_GT(text.pageWidth, text.pageHeight) << "printed in landscape";
    const auto expectAt = &PdfSheet::expectAt;
    expectAt(text.find(QStringLiteral("SYSTEM")), PdfSheet::onPage(200), PdfSheet::onPage(300));
    EXPECT_EQ(text.find(QStringLiteral("SET-UP.")).page, 1);
    // The date line ends 50 twips before the right edge.
    const PdfWord pageOne = text.wordAfter(QStringLiteral("Pag."));
    EXPECT_NEAR(pageOne.xMax, text.pageWidth - PdfSheet::onPage(50), PdfSheet::kTolerance);
    EXPECT_NEAR(pageOne.yMin, PdfSheet::onPage(50), PdfSheet::kTolerance);
    EXPECT_EQ(text.find(QStringLiteral("MARZO")).page, 1);
    expectAt(text.find(QStringLiteral("COEFF.")), PdfSheet::onPage(8140), PdfSheet::onPage(1570));
    expectAt(text.find(QStringLiteral("N.")), PdfSheet::tableColumn(1), PdfSheet::onPage(1900));
    for (int row : {0, 7}) {
        const double y = PdfSheet::onPage(2400 + 300 * row);
        expectAt(text.find(QStringLiteral("00%1").arg(row)), PdfSheet::onPage(200), y);
        // "Numero Canale" follows the first 99 characters of a row.
        expectAt(text.find(QStringLiteral("000%1").arg(row)), PdfSheet::tableColumn(99), y);
    }
    EXPECT_TRUE(text.find(QStringLiteral("008")).text.isEmpty()) << "eight rows only";
}

} // namespace
