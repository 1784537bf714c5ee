#include "logger_set_bytes.h"
#include "logger_setup/logger_report.h"
#include "logger_setup/printed_sheet.h"
#include "logger_setup/set_up_sheet_texts.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace korven;
using namespace korven::test;

namespace {

// The first and the last month, and the one whose name fills the nine characters.
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

const QDate kToday(2023, 11, 28);

// The rows of the eight distinct channels, written out from their records.
const QStringList kRows = {
    "00   SENSORE 0    OFF    V        *****.    ----   20mV               -00050    +01234    ON ",
    "01   SENSORE 1    ON     mV       ****.*    1 mA   20mV Diff Rif int  -00050    +01234    ON ",
    "02   SENSORE 2    OFF    mA       ***.**    2V r   20mV Diff Rif est  -00050    +01234    ON ",
    "03   SENSORE 3    ON     mm       **.***     5 V   200mV              -00050    +01234    ON ",
    QStringLiteral("04   SENSORE 4    OFF    °C       *.****    24 V   200mV Diff Rif int -00050   "
                   " +01234    ON "),
    "05   SENSORE 5    ON     R.J.     *****.    ----   200mV Diff Rif est -00050    +01234    ON ",
    "06   SENSORE 6    OFF    T        ****.*    1 mA   2V                 -00050    +01234    ON ",
    "07   SENSORE 7    ON     ----     ***.**    2V r   Pt100              -00050    +01234    ON ",
};

class LoggerReport : public ::testing::Test {
protected:
    void SetUp() override { writeLoggerSet(folder_); }

    bool print(ScriptedPreview& preview) {
        SheetPrinter printer{preview, prompter_};
        return printLoggerReport(base(), kToday, printer);
    }
    QString base() const { return folder_.path(QStringLiteral("logger")); }

    QStringList rowsPrinted(const RecordingCanvas& canvas) const {
        QStringList rows;
        for (const PrintedText& text : canvas.texts()) {
            if (!text.bold && text.font == QStringLiteral("courier new"))
                rows.append(text.text);
        }
        return rows;
    }

    TempFolder folder_;
    ScriptedPrompter prompter_;
};

// Three rows fit on page 1; page 2 has headings of its own, without the unit.
TEST_F(LoggerReport, PrintsTitleDateHeadingsAndOneRowPerChannelOverTwoPages) {
    ScriptedPreview preview(PageOrientation::Landscape, RecordingCanvas::kA4Width, 3500);
    ASSERT_TRUE(print(preview));

    QList<PrintedText> expected = {
        sheetTitle("File: " + QDir::toNativeSeparators(base()) + ".Tmr"),
        topRight(QStringLiteral("Aggiornamento: 28 NOVEMBRE 2023   Pag. 1"), 1)};
    appendHeadings(expected,
                   {{200, "CH.  DESCRIZ.   ATTIV."},
                    {2948, "UN.MISURA"},
                    {4139, "PUNTO DEC."},
                    {5500, "ALIM."},
                    {6293, "SCALA"},
                    {8675, "ZERO"},
                    {9865, "GAIN"},
                    {10702, "ATT.SCAL."}},
                   1900, 1);
    appendRows(expected, kRows.mid(0, 3), 2400, 1);
    expected.append(topRight("Pag.  2", 2));
    appendHeadings(expected,
                   {{200, "CH.  DESCRIZ.   ATTIV."},
                    {3842, "PUNTO DEC."},
                    {5984, "ALIM."},
                    {7754, "SCALA"},
                    {9101, "ZERO"},
                    {10689, "GAIN"},
                    {12674, "ATTIV.SCAL."}},
                   500, 2);
    appendRows(expected, kRows.mid(3), 1000, 2);
    EXPECT_EQ(preview.printed().texts(), expected);
    EXPECT_EQ(preview.printed().pages(), 2);
    EXPECT_EQ(preview.printed().documentsEnded(), 1);
    EXPECT_TRUE(prompter_.prompts().isEmpty());
}

TEST_F(LoggerReport, PrintsAsManyRowsAsTheChannelCountSaysUpToTheRecordsThatExist) {
    // A count never saved ("16") prints no rows of zero bytes past the end.
    for (const auto& [records, count, rows] :
         {std::tuple{8, "4 ", 4}, std::tuple{8, "16", 8}, std::tuple{5, "8 ", 5}}) {
        writeLoggerSet(folder_, distinctLoggerChannels(records), count);
        ScriptedPreview preview(PageOrientation::Landscape);
        ASSERT_TRUE(print(preview));
        EXPECT_EQ(rowsPrinted(preview.printed()), kRows.mid(0, rows)) << records << " " << count;
    }
}

TEST_F(LoggerReport, ACodeOutsideItsTablePrintsTheTextOfTheRowBefore) {
    QList<LoggerChannelBytes> channels = distinctLoggerChannels(3);
    channels[0].unit = "9";
    channels[0].inputType = "Z";
    channels[1].unit = "4";
    channels[2].unit = "9";
    channels[2].inputType = "D";
    channels[2].decimals = "7";
    channels[2].supply = "8";
    writeLoggerSet(folder_, channels, "8 ");
    ScriptedPreview preview(PageOrientation::Landscape);
    RecordingCanvas& canvas = preview.printed();
    ASSERT_TRUE(print(preview));
    EXPECT_EQ(rowsPrinted(canvas),
              (QStringList{
                  "00   SENSORE 0    OFF             *****.    ----                      -00050 "
                  "   +01234    ON ",
                  QStringLiteral("01   SENSORE 1    ON     °C       ****.*    1 mA   20mV Diff "
                                 "Rif int  -00050    +01234    ON "),
                  QStringLiteral("02   SENSORE 2    OFF    °C       ****.*    1 mA   20mV Diff "
                                 "Rif int  -00050    +01234    ON "),
              }));
    EXPECT_EQ(preview.shown().texts(), canvas.texts())
        << "the print starts afresh, not from the last row the preview drew";
}

TEST_F(LoggerReport, AMissingFileOfThePairIsNamedAndNothingIsPrinted) {
    for (const char* name : {"logger.par", "logger.tmr"}) {
        writeLoggerSet(folder_);
        QFile::remove(folder_.path(name));
        prompter_.clear();
        ScriptedPreview preview(PageOrientation::Portrait);
        EXPECT_FALSE(print(preview));
        expectNothingPrinted(prompter_, preview, folder_.path(name));
    }
}

} // namespace
