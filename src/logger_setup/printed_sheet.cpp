#include "logger_setup/printed_sheet.h"

#include "logger_setup/calendar_names.h"

namespace korven {
namespace {

// Texts at the top right end this far before the right edge of the page.
constexpr int kRightMargin = 50;
constexpr int kTopLineY = 50;

void printTopRight(PrinterCanvas& canvas, const QString& text) {
    printAt(canvas, canvas.pageWidth() - canvas.textWidth(text) - kRightMargin, kTopLineY, text);
}

} // namespace

void turnToLandscape(SheetPrinter& printer) {
    if (printer.canvas.orientation() == PageOrientation::Landscape)
        return;
    printer.prompter.message(kLandscapeRequest, MessageIcon::None);
    printer.printerSetup.showPrinterSetup();
    printer.canvas.setOrientation(PageOrientation::Landscape);
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

QString pageNumberLine(int page) {
    return QStringLiteral("Pag.  %1").arg(page);
}

void printUpdateLine(PrinterCanvas& canvas, const QDate& today) {
    canvas.setFontName(kSheetTitleFont);
    canvas.setFontSize(9);
    canvas.setBold(false);
    canvas.setColour(kBlack);
    printTopRight(canvas, updateLine(today));
}

void startNextPage(PrinterCanvas& canvas, int page) {
    canvas.newPage();
    canvas.setFontName(kSheetTitleFont);
    canvas.setFontSize(9);
    printTopRight(canvas, pageNumberLine(page));
}

QString onPaper(const QString& field) {
    return QString(field).replace(QChar(u'\0'), QLatin1Char(' '));
}

bool finishSheet(SheetPrinter& printer) {
    const PrintStatus status = printer.canvas.endDocument();
    if (!status)
        printer.prompter.message(kPrintFailed.arg(status.error), MessageIcon::Critical);
    return status.ok;
}

} // namespace korven
