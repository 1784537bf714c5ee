#include "platform/widgets/pdf_file_output.h"
#include "platform/widgets/qt_printer_canvas.h"
#include "support/pdf_sheet.h"
#include "support/pdf_words.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"
#include "system_channel_bytes.h"
#include "system_setup/system_report.h"

#include <QPrinter>

#include <gtest/gtest.h>

using namespace korven;
using namespace korven::test;

namespace {

// pdftotext places a word's box by the font's own ascent; a point either way
// still tells a misplaced text.
constexpr double kTolerance = 1.5;

// Where the text after the first `characters` of a row starts, in points:
// the fixed-pitch face advances the same for every character.
double rowColumn(int characters) {
    QPrinter printer(QPrinter::HighResolution);
    QtPrinterCanvas canvas(printer);
    canvas.setFontName(QStringLiteral("courier new"));
    canvas.setFontSize(10);
    canvas.setBold(false);
    return PdfSheet::onPage(200) + canvas.textWidth(QString(characters, QLatin1Char(' '))) / 20.0;
}

TEST(SystemReportPdf, TitleColumnTitlesAndRowsLandWhereTheSheetPutsThem) {
    if (PdfSheet::popplerMissing())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    TempFolder folder;
    QList<SystemChannelBytes> channels;
    for (int n = 0; n < 24; ++n)
        channels.append(distinctChannel(n));
    writeSystemFile(folder, channels);

    const QString pdf = folder.path(QStringLiteral("system.pdf"));
    PdfFileOutput file(pdf, PdfSheet::portraitA4());
    ScriptedPrompter prompter;
    SheetPrinter printer{file, prompter};
    ASSERT_TRUE(printSystemReport(folder.path(QStringLiteral("plant.stp")), QString(),
                                  QDate(2024, 3, 5), printer));
    EXPECT_EQ(prompter.texts(), QStringList{"Set the printer in the 'LANDSCAPE' mode"});

    const PdfText text = readPdfText(pdf);
    ASSERT_EQ(text.pages, 1);
    EXPECT_GT(text.pageWidth, text.pageHeight) << "printed in landscape";

    const PdfWord title = text.find(QStringLiteral("SYSTEM"));
    EXPECT_NEAR(title.xMin, PdfSheet::onPage(200), kTolerance);
    EXPECT_NEAR(title.yMin, PdfSheet::onPage(300), kTolerance);
    EXPECT_EQ(text.find(QStringLiteral("SET-UP.")).page, 1);

    const PdfWord pageOne = text.wordAfter(QStringLiteral("Pag."));
    EXPECT_NEAR(pageOne.xMax, text.pageWidth - PdfSheet::onPage(50), kTolerance)
        << "the date line ends 50 twips before the right edge";
    EXPECT_NEAR(pageOne.yMin, PdfSheet::onPage(50), kTolerance);
    EXPECT_EQ(text.find(QStringLiteral("MARZO")).page, 1);

    const PdfWord coefficients = text.find(QStringLiteral("COEFF."));
    EXPECT_NEAR(coefficients.xMin, PdfSheet::onPage(8140), kTolerance);
    EXPECT_NEAR(coefficients.yMin, PdfSheet::onPage(1570), kTolerance);
    const PdfWord numberTitle = text.find(QStringLiteral("N."));
    EXPECT_NEAR(numberTitle.xMin, rowColumn(1), kTolerance);
    EXPECT_NEAR(numberTitle.yMin, PdfSheet::onPage(1900), kTolerance);

    for (int row : {0, 7}) {
        const PdfWord number = text.find(QStringLiteral("00%1").arg(row));
        EXPECT_NEAR(number.xMin, PdfSheet::onPage(200), kTolerance) << row;
        EXPECT_NEAR(number.yMin, PdfSheet::onPage(2400 + 300 * row), kTolerance) << row;
        // "Numero Canale" follows the first 99 characters of a row.
        const PdfWord moduleChannel = text.find(QStringLiteral("000%1").arg(row));
        EXPECT_NEAR(moduleChannel.xMin, rowColumn(99), kTolerance) << row;
        EXPECT_NEAR(moduleChannel.yMin, number.yMin, 0.1) << row;
    }
    EXPECT_TRUE(text.find(QStringLiteral("008")).text.isEmpty()) << "eight rows only";
}

} // namespace
