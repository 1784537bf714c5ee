#include "logger_set_bytes.h"
#include "logger_setup/logger_report.h"
#include "support/scripted_preview.h"
#include "support/scripted_prompter.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace korven;
using namespace korven::test;

namespace {

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

TEST_F(LoggerReport, FirstPageCarriesTitleDateHeadingsAndOneRowPerChannel) {
    ScriptedPreview preview(PageOrientation::Landscape);
    RecordingCanvas& canvas = preview.printed();
    ASSERT_TRUE(print(preview));

    const QString date = QStringLiteral("Aggiornamento: 28 NOVEMBRE 2023   Pag. 1");
    QList<PrintedText> expected = {
        {"File: " + QDir::toNativeSeparators(base()) + ".Tmr", "Times New Roman", 12, true,
         kDarkGreen, 200, 300, 1},
        {date, "Times New Roman", 9, false, kBlack,
         RecordingCanvas::kA4Width - RecordingCanvas::widthOf(date, 9) - 50, 50, 1},
        tableText("CH.  DESCRIZ.   ATTIV.", true, kBlue, 200, 1900, 1),
        tableText("UN.MISURA", true, kBlue, 2948, 1900, 1),
        tableText("PUNTO DEC.", true, kBlue, 4139, 1900, 1),
        tableText("ALIM.", true, kBlue, 5500, 1900, 1),
        tableText("SCALA", true, kBlue, 6293, 1900, 1),
        tableText("ZERO", true, kBlue, 8675, 1900, 1),
        tableText("GAIN", true, kBlue, 9865, 1900, 1),
        tableText("ATT.SCAL.", true, kBlue, 10702, 1900, 1),
    };
    for (int n = 0; n < 8; ++n)
        expected.append(tableText(kRows[n], false, kBlack, 200, 2400 + 300 * n, 1));
    EXPECT_EQ(canvas.texts(), expected);
    EXPECT_EQ(canvas.pages(), 1);
    EXPECT_EQ(canvas.documentsEnded(), 1);
    EXPECT_TRUE(prompter_.prompts().isEmpty());
}

TEST_F(LoggerReport, ContinuationPageHasItsOwnHeadingsAndNoUnitHeading) {
    ScriptedPreview preview(PageOrientation::Landscape, RecordingCanvas::kA4Width, 3500);
    RecordingCanvas& canvas = preview.printed();
    ASSERT_TRUE(print(preview));

    QList<PrintedText> expected = {
        {"Pag.  2", "Times New Roman", 9, false, kBlack,
         RecordingCanvas::kA4Width - RecordingCanvas::widthOf("Pag.  2", 9) - 50, 50, 2},
        tableText("CH.  DESCRIZ.   ATTIV.", true, kBlue, 200, 500, 2),
        tableText("PUNTO DEC.", true, kBlue, 3842, 500, 2),
        tableText("ALIM.", true, kBlue, 5984, 500, 2),
        tableText("SCALA", true, kBlue, 7754, 500, 2),
        tableText("ZERO", true, kBlue, 9101, 500, 2),
        tableText("GAIN", true, kBlue, 10689, 500, 2),
        tableText("ATTIV.SCAL.", true, kBlue, 12674, 500, 2),
    };
    for (int n = 3; n < 8; ++n)
        expected.append(tableText(kRows[n], false, kBlack, 200, 1000 + 300 * (n - 3), 2));
    EXPECT_EQ(canvas.textsOnPage(2), expected);
    EXPECT_EQ(canvas.pages(), 2);
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
    QList<LoggerChannelBytes> channels = {distinctLoggerChannel(0), distinctLoggerChannel(1),
                                          distinctLoggerChannel(2)};
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
        RecordingCanvas& canvas = preview.printed();
        EXPECT_FALSE(print(preview));
        ASSERT_EQ(prompter_.prompts().size(), 1) << name;
        EXPECT_TRUE(prompter_.prompts()[0].text.startsWith(
            "ATTENZIONE: errore sul file " + QDir::toNativeSeparators(folder_.path(name))))
            << prompter_.prompts()[0].text.toStdString();
        EXPECT_TRUE(canvas.texts().isEmpty());
        EXPECT_EQ(canvas.documentsEnded(), 0);
        EXPECT_FALSE(folder_.exists(name)) << "reading never creates the file";
    }
}

} // namespace
