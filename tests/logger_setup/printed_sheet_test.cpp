#include "logger_setup/printed_sheet.h"
#include "support/scripted_preview.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

using namespace korven;
using namespace korven::test;

namespace {

TEST(PrintedSheet, DateLineCarriesTheNineCharacterMonthNameAndTheFirstPageNumber) {
    const QStringList expected = {
        "Aggiornamento: 01 GENNAIO  1999   Pag. 1", "Aggiornamento: 02 FEBBRAIO 2000   Pag. 1",
        "Aggiornamento: 03 MARZO    2001   Pag. 1", "Aggiornamento: 04 APRILE   2002   Pag. 1",
        "Aggiornamento: 05 MAGGIO   2003   Pag. 1", "Aggiornamento: 06 GIUGNO   2004   Pag. 1",
        "Aggiornamento: 07 LUGLIO   2005   Pag. 1", "Aggiornamento: 08 AGOSTO   2006   Pag. 1",
        "Aggiornamento: 09 SETTEMBRE2007   Pag. 1", "Aggiornamento: 10 OTTOBRE  2008   Pag. 1",
        "Aggiornamento: 11 NOVEMBRE 2009   Pag. 1", "Aggiornamento: 31 DICEMBRE 2010   Pag. 1",
    };
    for (int month = 1; month <= 12; ++month) {
        const int day = month == 12 ? 31 : month;
        EXPECT_EQ(updateLine(QDate(1998 + month, month, day)), expected[month - 1]);
    }
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
