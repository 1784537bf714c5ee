#include "logger_set_bytes.h"
#include "logger_setup/logger_report.h"
#include "platform/widgets/pdf_file_output.h"
#include "platform/widgets/qt_printer_canvas.h"
#include "support/pdf_sheet.h"
#include "support/pdf_words.h"
#include "support/scripted_prompter.h"

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

TEST(LoggerReportPdf, TitleHeadingsAndRowsLandWhereTheSheetPutsThem) {
    if (PdfSheet::popplerMissing())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    TempFolder folder;
    QList<LoggerChannelBytes> channels;
    for (int n = 0; n < 8; ++n)
        channels.append(distinctLoggerChannel(n));
    writeLoggerSet(folder, channels, "16");

    const QString pdf = folder.path(QStringLiteral("logger.pdf"));
    PdfFileOutput file(pdf, PdfSheet::portraitA4());
    ScriptedPrompter prompter;
    SheetPrinter printer{file, prompter};
    ASSERT_TRUE(
        printLoggerReport(folder.path(QStringLiteral("logger")), QDate(2023, 11, 28), printer));

    const PdfText text = readPdfText(pdf);
    ASSERT_EQ(text.pages, 1);
    EXPECT_GT(text.pageWidth, text.pageHeight) << "printed in landscape";

    const PdfWord title = text.find(QStringLiteral("File:"));
    EXPECT_NEAR(title.xMin, PdfSheet::onPage(200), kTolerance);
    EXPECT_NEAR(title.yMin, PdfSheet::onPage(300), kTolerance);

    const PdfWord pageOne = text.wordAfter(QStringLiteral("Pag."));
    EXPECT_NEAR(pageOne.xMax, text.pageWidth - PdfSheet::onPage(50), kTolerance);
    EXPECT_EQ(text.find(QStringLiteral("NOVEMBRE")).page, 1);

    const QList<std::pair<QString, int>> headings = {{QStringLiteral("UN.MISURA"), 2948},
                                                     {QStringLiteral("ATT.SCAL."), 10702}};
    for (const auto& [heading, x] : headings) {
        const PdfWord word = text.find(heading);
        EXPECT_NEAR(word.xMin, PdfSheet::onPage(x), kTolerance) << heading.toStdString();
        EXPECT_NEAR(word.yMin, PdfSheet::onPage(1900), kTolerance) << heading.toStdString();
    }

    for (int row : {0, 7}) {
        const PdfWord number = text.find(QStringLiteral("0%1").arg(row));
        EXPECT_NEAR(number.xMin, PdfSheet::onPage(200), kTolerance) << row;
        EXPECT_NEAR(number.yMin, PdfSheet::onPage(2400 + 300 * row), kTolerance) << row;
    }
    // The gain follows the first 80 characters of a row.
    const PdfWord gain = text.find(QStringLiteral("+01234"));
    EXPECT_NEAR(gain.xMin, rowColumn(80), kTolerance);
    EXPECT_TRUE(text.find(QStringLiteral("08")).text.isEmpty()) << "the eight channels that exist";
}

} // namespace
