#include "logger_setup/printed_sheet.h"
#include "support/scripted_preview.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

using namespace korven;
using namespace korven::test;

namespace {

// The first and the last month, and the one whose name fills the nine
// characters.
TEST(PrintedSheet, DateLineCarriesTheNineCharacterMonthNameAndTheFirstPageNumber) {
    EXPECT_EQ(updateLine(QDate(1999, 1, 1)), "Aggiornamento: 01 GENNAIO  1999   Pag. 1");
    EXPECT_EQ(updateLine(QDate(2007, 9, 9)), "Aggiornamento: 09 SETTEMBRE2007   Pag. 1");
    EXPECT_EQ(updateLine(QDate(2010, 12, 31)), "Aggiornamento: 31 DICEMBRE 2010   Pag. 1");
}

void titleOnly(PrinterCanvas& canvas) {
    printSheetTitle(canvas, QStringLiteral("Titolo"));
}

struct PrintSheet : ::testing::Test {
    ScriptedPreview preview;
    ScriptedPrompter prompter;
    SheetPrinter printer{preview, prompter};
};

TEST_F(PrintSheet, AClosedPreviewPrintsNothingAndSaysNothing) {
    preview.closeNext();
    EXPECT_FALSE(printSheet(printer, "Foglio", titleOnly));
    EXPECT_EQ(preview.shown().texts().size(), 1) << "the page was shown";
    EXPECT_TRUE(preview.printed().texts().isEmpty());
    EXPECT_EQ(preview.printed().documentsEnded(), 0);
    EXPECT_TRUE(prompter.prompts().isEmpty());
}

TEST_F(PrintSheet, ASheetSavedAsPdfIsNamedForItAndTheFileWrittenIsTold) {
    preview.saveNext();
    EXPECT_TRUE(printSheet(printer, "Setup sistema impianto", titleOnly));
    EXPECT_EQ(preview.lastDocumentName(), "Setup sistema impianto");
    EXPECT_EQ(prompter.texts(), QStringList{"Foglio salvato nel file foglio.pdf"});
}

TEST_F(PrintSheet, APrinterTurnedToLandscapeStaysSoForTheNextSheet) {
    preview.setOrientation(PageOrientation::Portrait);
    EXPECT_TRUE(printSheet(printer, "Foglio", titleOnly));
    EXPECT_EQ(preview.shown().orientation(), PageOrientation::Landscape)
        << "turned before the preview";
    EXPECT_TRUE(printSheet(printer, "Foglio", titleOnly));
    EXPECT_EQ(prompter.countOf(kLandscapeRequest), 1);
    EXPECT_EQ(preview.setupsShown(), 1);
    EXPECT_EQ(preview.previews(), 2);
}

} // namespace
