#pragma once

#include "platform/printer_canvas.h"
#include "platform/printer_setup.h"
#include "platform/prompter.h"

#include <QDate>
#include <QString>

// What the printed set-up sheets of the logger and of the system have in
// common: landscape pages, a green title, the dated heading at the top right,
// the page numbers of the later pages, and the end of the job.
namespace korven {

// What a sheet is printed on and asks the user through.
struct SheetPrinter {
    PrinterCanvas& canvas;
    Prompter& prompter;
    PrinterSetup& printerSetup;
};

inline const QString kSheetTitleFont = QStringLiteral("Times New Roman");
inline const QString kSheetTableFont = QStringLiteral("courier new");
inline const QString kLandscapeRequest = QStringLiteral("Set the printer in the 'LANDSCAPE' mode");
inline const QString kPrintFailed = QStringLiteral("ATTENZIONE: stampa non riuscita.\r%1");

// The rows of a sheet are wider than a portrait page: a printer found in
// portrait is turned to landscape after the user has been told so and shown
// the printer set-up.
void turnToLandscape(SheetPrinter& printer);

// The title at the top left: Times New Roman 12, bold, dark green.
void printSheetTitle(PrinterCanvas& canvas, const QString& title);

// "Aggiornamento: 05 MARZO    2024   Pag. 1": the month name keeps its
// blanks, so the year follows them directly.
QString updateLine(const QDate& today);
// "Pag.  2": a blank stands for the sign of the number.
QString pageNumberLine(int page);

// The first page's dated heading, in Times New Roman 9, black, not bold.
void printUpdateLine(PrinterCanvas& canvas, const QDate& today);
// Starts page `page` and numbers it; the heading font stays set.
void startNextPage(PrinterCanvas& canvas, int page);

// A field as it goes on paper: zero bytes (a field never written) become
// blanks, so the field keeps its width and the columns stay in line.
QString onPaper(const QString& field);

// Sends the sheet to the printer. A failure is told to the user; true only
// when the sheet was printed.
bool finishSheet(SheetPrinter& printer);

} // namespace korven
