#include "logger_set_bytes.h"
#include "logger_setup/logger_report.h"
#include "platform/widgets/pdf_file_output.h"
#include "support/pdf_sheet.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

using namespace korven;
using namespace korven::test;

namespace {

TEST(LoggerReportPdf, TitleHeadingsAndRowsLandWhereTheSheetPutsThem) {
    if (PdfSheet::popplerMissing())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    TempFolder folder;
    writeLoggerSet(folder, "16");
    const QString pdf = folder.path(QStringLiteral("logger.pdf"));
    PdfFileOutput file(pdf, PdfSheet::portraitA4());
    ScriptedPrompter prompter;
    SheetPrinter printer{file, prompter};
    ASSERT_TRUE(
        printLoggerReport(folder.path(QStringLiteral("logger")), QDate(2023, 11, 28), printer));

    const PdfText text = readPdfText(pdf);
    ASSERT_EQ(text.pages, 1);
    EXPECT_GT(text.pageWidth, text.pageHeight) << "printed in landscape";
    const auto expectAt = &PdfSheet::expectAt;
    expectAt(text.find(QStringLiteral("File:")), PdfSheet::onPage(200), PdfSheet::onPage(300));
    EXPECT_NEAR(text.wordAfter(QStringLiteral("Pag.")).xMax, text.pageWidth - PdfSheet::onPage(50),
                PdfSheet::kTolerance);
    EXPECT_EQ(text.find(QStringLiteral("NOVEMBRE")).page, 1);
    expectAt(text.find(QStringLiteral("UN.MISURA")), PdfSheet::onPage(2948),
             PdfSheet::onPage(1900));
    expectAt(text.find(QStringLiteral("ATT.SCAL.")), PdfSheet::onPage(10702),
             PdfSheet::onPage(1900));
    for (int row : {0, 7})
        expectAt(text.find(QStringLiteral("0%1").arg(row)), PdfSheet::onPage(200),
                 PdfSheet::onPage(2400 + 300 * row));
    // The gain follows the first 80 characters of a row.
    EXPECT_NEAR(text.find(QStringLiteral("+01234")).xMin, PdfSheet::tableColumn(80),
                PdfSheet::kTolerance);
    EXPECT_TRUE(text.find(QStringLiteral("08")).text.isEmpty()) << "the eight channels that exist";
}

} // namespace
