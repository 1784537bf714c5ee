#include "logger_setup/set_up_sheet_texts.h"
#include "platform/widgets/pdf_file_output.h"
#include "support/pdf_sheet.h"
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
    // 24 channels whose numbers in the records are not their places in the file.
    void SetUp() override {
        QList<SystemChannelBytes> channels = distinctChannels(24);
        for (SystemChannelBytes& channel : channels)
            channel.index = static_cast<qint16>(channel.index + 500);
        channels[1].treatment = "05";
        channels[2].treatment = "0 ";
        channels[3].treatment = "99";
        channels[4].mask = 9;
        channels[5].mask = 4;
        writeSystemFile(folder_, channels);
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

// Three rows fit on the first page; the column titles head the later one higher up.
TEST_F(SystemReport, PrintsTitleDateColumnTitlesAndRowsNumberedByPlaceOverTwoPages) {
    ScriptedPreview preview(PageOrientation::Landscape, RecordingCanvas::kA4Width, 3500);
    ASSERT_TRUE(print(preview));

    QList<PrintedText> expected = {
        sheetTitle("SYSTEM SET-UP. FILE: " + QDir::toNativeSeparators(path())),
        topRight(QStringLiteral("Aggiornamento: 05 MARZO    2024   Pag. 1"), 1)};
    appendHeadings(expected, {{8140, "COEFF. LINEAR."}}, 1570, 1);
    appendHeadings(expected, {{200, kTitles}}, 1900, 1);
    appendRows(expected, kRows.mid(0, 3), 2400, 1);
    expected.append(topRight("Pag.  2", 2));
    appendHeadings(expected, {{8140, "COEFF. LINEAR."}}, 270, 2);
    appendHeadings(expected, {{200, kTitles}}, 500, 2);
    appendRows(expected, kRows.mid(3), 1000, 2);
    EXPECT_EQ(preview.printed().texts(), expected);
    EXPECT_EQ(preview.printed().pages(), 2);
    EXPECT_EQ(preview.printed().documentsEnded(), 1);
    EXPECT_TRUE(prompter_.prompts().isEmpty()) << "a landscape printer is not asked about";
    EXPECT_EQ(preview.setupsShown(), 0);
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
    // Past the end of the file: zero bytes, printed as blanks, direct, mask index 0.
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
    EXPECT_FALSE(print(preview));
    expectNothingPrinted(prompter_, preview, path());
}

// The places checked above, in a PDF file.
TEST_F(SystemReport, TitleAndRowsLandWhereTheSheetPutsThemInAPdfFile) {
    if (PdfSheet::popplerMissing())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const QString pdf = folder_.path(QStringLiteral("system.pdf"));
    PdfFileOutput file(pdf, PdfSheet::portraitA4());
    SheetPrinter printer{file, prompter_};
    ASSERT_TRUE(printSystemReport(path(), QString(), kToday, printer));
    EXPECT_EQ(prompter_.texts(),
              QStringList({"Set the printer in the 'LANDSCAPE' mode",
                           "Foglio salvato nel file " + QDir::toNativeSeparators(pdf)}));

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
