#include "support/scripted_preview.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"
#include "system_channel_bytes.h"
#include "system_setup/system_report.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace korven;
using namespace korven::test;

namespace {

const QDate kToday(2024, 3, 5);
const QString kTitles =
    QStringLiteral(" N. DESCRIZIONE         ATT.  UN.MISURA  PUNTO DEC.  TRATTAM. "
                   "   ZERO  GAIN  CODICE MR7400  NUMERO CANALE");

class SystemReport : public ::testing::Test {
protected:
    // An installation of three loggers (24 channels) whose channel numbers in
    // the records are not their places in the file.
    void SetUp() override {
        QList<SystemChannelBytes> channels;
        for (int n = 0; n < 24; ++n) {
            channels.append(distinctChannel(n));
            channels.last().index = static_cast<qint16>(500 + n);
        }
        channels[1].treatment = "05";
        channels[2].treatment = "0 ";
        channels[3].treatment = "99";
        channels[4].mask = 9;
        channels[5].mask = 4;
        writeSystemFile(folder_, channels);
        writeLoggerCount(folder_, "3");
    }

    bool print(ScriptedPreview& preview) {
        SheetPrinter printer{preview, prompter_};
        return printSystemReport(path(), QStringLiteral("Tab. 12"), kToday, printer);
    }
    QString path() const { return folder_.path(QStringLiteral("plant.stp")); }

    TempFolder folder_;
    ScriptedPrompter prompter_;
};

// The rows of channels 0 to 7, written out from the records above.
const QStringList kRows = {
    "000 CANALE 0             OFF     bar       ***.**    A*x+B  s  -00050   +01234      012       "
    "     0000",
    "001 CANALE 1             ON      bar       ***.**    Tab. 3    -00050   +01234      012       "
    "     0001",
    "002 CANALE 2             OFF     bar       ***.**    Diretto   -00050   +01234      012       "
    "     0002",
    "003 CANALE 3             ON      bar       ***.**    Tab. 12   -00050   +01234      012       "
    "     0003",
    "004 CANALE 4             OFF     bar       ***.**    A*x+B  s  -00050   +01234      012       "
    "     0004",
    "005 CANALE 5             ON      bar       *.****    A*x+B  s  -00050   +01234      012       "
    "     0005",
    "006 CANALE 6             OFF     bar       ***.**    A*x+B  s  -00050   +01234      012       "
    "     0006",
    "007 CANALE 7             ON      bar       ***.**    A*x+B  s  -00050   +01234      012       "
    "     0007",
};

TEST_F(SystemReport, FirstPageCarriesTitleDateColumnTitlesAndEightRowsNumberedByPlace) {
    ScriptedPreview preview(PageOrientation::Landscape);
    RecordingCanvas& canvas = preview.printed();
    ASSERT_TRUE(print(preview));

    const int width = RecordingCanvas::kA4Width;
    const QString date = QStringLiteral("Aggiornamento: 05 MARZO    2024   Pag. 1");
    QList<PrintedText> expected = {
        {"SYSTEM SET-UP. FILE: " + QDir::toNativeSeparators(path()), "Times New Roman", 12, true,
         kDarkGreen, 200, 300, 1},
        {date, "Times New Roman", 9, false, kBlack, width - RecordingCanvas::widthOf(date, 9) - 50,
         50, 1},
        tableText("COEFF. LINEAR.", true, kBlue, 8140, 1570, 1),
        tableText(kTitles, true, kBlue, 200, 1900, 1),
    };
    for (int k = 0; k < 8; ++k)
        expected.append(tableText(kRows[k], false, kBlack, 200, 2400 + 300 * k, 1));
    EXPECT_EQ(canvas.texts(), expected);
    EXPECT_EQ(canvas.pages(), 1);
    EXPECT_EQ(canvas.documentsEnded(), 1);
    EXPECT_TRUE(prompter_.prompts().isEmpty()) << "a landscape printer is not asked about";
    EXPECT_EQ(preview.setupsShown(), 0);
}

TEST_F(SystemReport, ContinuationPageIsNumberedAndRepeatsTheColumnTitlesHigherUp) {
    ScriptedPreview preview(PageOrientation::Landscape, RecordingCanvas::kA4Width, 3500);
    RecordingCanvas& canvas = preview.printed();
    ASSERT_TRUE(print(preview));

    const int width = RecordingCanvas::kA4Width;
    QList<PrintedText> expected = {
        {"Pag.  2", "Times New Roman", 9, false, kBlack,
         width - RecordingCanvas::widthOf("Pag.  2", 9) - 50, 50, 2},
        tableText("COEFF. LINEAR.", true, kBlue, 8140, 270, 2),
        tableText(kTitles, true, kBlue, 200, 500, 2),
    };
    for (int k = 3; k < 8; ++k)
        expected.append(tableText(kRows[k], false, kBlack, 200, 1000 + 300 * (k - 3), 2));
    EXPECT_EQ(canvas.textsOnPage(2), expected);
    EXPECT_EQ(canvas.textsOnPage(1).size(), 4 + 3);
    EXPECT_EQ(canvas.pages(), 2);
}

TEST_F(SystemReport, NoPageIsStartedAfterTheLastRow) {
    ScriptedPreview preview(PageOrientation::Landscape, RecordingCanvas::kA4Width, 1500);
    RecordingCanvas& canvas = preview.printed();
    ASSERT_TRUE(print(preview));
    EXPECT_EQ(canvas.pages(), 8) << "one row per page";
    EXPECT_EQ(canvas.texts().last(), tableText(kRows[7], false, kBlack, 200, 1000, 8));
}

TEST_F(SystemReport, ControlCharactersAndFieldsNeverWrittenPrintAsBlanks) {
    SystemChannelBytes first = distinctChannel(0);
    first.mask = -1;
    // A hand-edited description: TAB, CR, LF and a soft hyphen keep their places.
    first.description = QByteArray("CANALE\t0\r\n\xAD").leftJustified(20, ' ');
    writeSystemFile(folder_, {first});
    ScriptedPreview preview(PageOrientation::Landscape);
    RecordingCanvas& canvas = preview.printed();
    ASSERT_TRUE(print(preview));
    EXPECT_EQ(canvas.find("000").text,
              "000 CANALE 0             OFF     bar                 A*x+B  s  -00050   +01234      "
              "012            0000");
    // Past the end of the file every field reads as zero bytes: blanks on
    // paper, with treatment code 0 (direct) and mask index 0.
    EXPECT_EQ(canvas.find("007").text,
              "007" + QString(22, ' ') + QString(3, ' ') + "     " + QString(4, ' ') + "      " +
                  "*****." + "    " + "Diretto " + "  " + QString(6, ' ') + "   " +
                  QString(6, ' ') + "      " + QString(3, ' ') + "            " + QString(4, ' '));
    EXPECT_EQ(preview.shown().texts(), canvas.texts())
        << "the print starts afresh, not from the last mask the preview drew";
}

TEST_F(SystemReport, AFileThatCannotBeReadIsNamedAndNothingIsPrinted) {
    QFile::remove(path());
    ScriptedPreview preview(PageOrientation::Portrait);
    RecordingCanvas& canvas = preview.printed();
    EXPECT_FALSE(print(preview));
    ASSERT_EQ(prompter_.prompts().size(), 1);
    EXPECT_TRUE(prompter_.prompts()[0].text.startsWith("ATTENZIONE: errore sul file " +
                                                       QDir::toNativeSeparators(path())));
    EXPECT_EQ(prompter_.prompts()[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(canvas.texts().isEmpty());
    EXPECT_EQ(canvas.documentsEnded(), 0);
    EXPECT_EQ(preview.setupsShown(), 0);
    EXPECT_FALSE(QFile::exists(path())) << "reading never creates the file";
}

} // namespace
