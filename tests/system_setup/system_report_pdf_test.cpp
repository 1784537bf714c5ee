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

    // Where the recording canvas puts the texts is the report's own test;
    // here, that they land there in the file.
    const PdfText text = readPdfText(pdf);
    ASSERT_EQ(text.pages, 1);
    EXPECT_GT(text.pageWidth, text.pageHeight) << "printed in landscape";
    PdfSheet::expectAt(text.find(QStringLiteral("SYSTEM")), PdfSheet::onPage(200),
                       PdfSheet::onPage(300));
    const double lastRow = PdfSheet::onPage(2400 + 300 * 7);
    PdfSheet::expectAt(text.find(QStringLiteral("007")), PdfSheet::onPage(200), lastRow);
    // "Numero Canale" follows the first 99 characters of a row.
    PdfSheet::expectAt(text.find(QStringLiteral("0007")), PdfSheet::tableColumn(99), lastRow);
}

} // namespace
