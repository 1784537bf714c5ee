#include "logger_setup/printed_sheet.h"

#include "logger_setup/calendar_names.h"

#include <QDir>

namespace korven {
namespace {

// Texts at the top right end this far before the right edge of the page.
constexpr int kRightMargin = 50;
constexpr int kTopLineY = 50;
constexpr int kFirstRowY = 2400;
constexpr int kFirstRowYOnLaterPages = 1000;
constexpr int kRowStep = 300;

void printTopRight(PrinterCanvas& canvas, const QString& text) {
    printAt(canvas, canvas.pageWidth() - canvas.textWidth(text) - kRightMargin, kTopLineY, text);
}

// "Pag.  2": a blank stands for the sign of the number.
QString pageNumberLine(int page) {
    return QStringLiteral("Pag.  %1").arg(page);
}

// Starts page `page` and numbers it; the heading font stays set.
void startNextPage(PrinterCanvas& canvas, int page) {
    canvas.newPage();
    canvas.setFontName(kSheetTitleFont);
    canvas.setFontSize(9);
    printTopRight(canvas, pageNumberLine(page));
}

void turnToLandscape(SheetPrinter& printer) {
    if (printer.printer.orientation() == PageOrientation::Landscape)
        return;
    printer.prompter.message(kLandscapeRequest, MessageIcon::None);
    printer.printer.showPrinterSetup();
    printer.printer.setOrientation(PageOrientation::Landscape);
}

} // namespace

bool printSheet(SheetPrinter& printer, const QString& sheetName, const PageDrawing& draw) {
    turnToLandscape(printer);
    const PreviewOutcome outcome = printer.printer.preview(draw, sheetName);
    if (outcome.choice == PreviewChoice::Closed)
        return false;
    if (!outcome.status)
        printer.prompter.message(kPrintFailed.arg(outcome.status.error), MessageIcon::Critical);
    else if (outcome.choice == PreviewChoice::SavedAsPdf)
        printer.prompter.message(kSheetSaved.arg(QDir::toNativeSeparators(outcome.file)),
                                 MessageIcon::Information);
    return outcome.status.ok;
}

void printSheetTitle(PrinterCanvas& canvas, const QString& title) {
    canvas.setFontName(kSheetTitleFont);
    canvas.setFontSize(12);
    canvas.setBold(true);
    canvas.setColour(kDarkGreen);
    printAt(canvas, 200, 300, title);
}

QString updateLine(const QDate& today) {
    return QStringLiteral("Aggiornamento: %1 %2%3   Pag. 1")
        .arg(today.day(), 2, 10, QLatin1Char('0'))
        .arg(monthName(today.month()).value_or(QString()))
        .arg(today.year(), 4, 10, QLatin1Char('0'));
}

void printUpdateLine(PrinterCanvas& canvas, const QDate& today) {
    canvas.setFontName(kSheetTitleFont);
    canvas.setFontSize(9);
    canvas.setBold(false);
    canvas.setColour(kBlack);
    printTopRight(canvas, updateLine(today));
}

void printRows(PrinterCanvas& canvas, int rows, const std::function<void(int row, int y)>& printRow,
               const std::function<void()>& continuation) {
    const int pageHeight = canvas.pageHeight();
    int y = kFirstRowY;
    int page = 1;
    for (int row = 0; row < rows; ++row) {
        printRow(row, y);
        y += kRowStep;
        if (y > pageHeight - kRowStep && row + 1 < rows) {
            startNextPage(canvas, ++page);
            y = kFirstRowYOnLaterPages;
            continuation();
        }
    }
}

QString onPaper(const QString& field) {
    QString text = field;
    for (QChar& c : text) {
        // A TAB, a line break or a soft hyphen would move or hide what follows.
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            c = QLatin1Char(' ');
    }
    return text;
}

} // namespace korven
