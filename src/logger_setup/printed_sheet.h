#pragma once

#include "platform/print_preview.h"
#include "platform/printer_canvas.h"
#include "platform/prompter.h"

#include <QDate>
#include <QString>

#include <functional>

// What the printed set-up sheets of the logger and of the system have in
// common: landscape pages, a green title, the dated heading at the top right,
// the page numbers of the later pages, and the end of the job.
namespace korven {

// What a sheet is printed through and asks the user through.
struct SheetPrinter {
    PrintPreview& printer;
    Prompter& prompter;
};

inline const QString kSheetTitleFont = QStringLiteral("Times New Roman");
inline const QString kSheetTableFont = QStringLiteral("courier new");
inline const QString kLandscapeRequest = QStringLiteral("Set the printer in the 'LANDSCAPE' mode");
inline const QString kPrintFailed = QStringLiteral("ATTENZIONE: stampa non riuscita.\r%1");
inline const QString kSheetSaved = QStringLiteral("Foglio salvato nel file %1");

// Shows the pages drawn by `draw` and prints them or saves them as the user
// chooses. The rows of a sheet are wider than a portrait page: a printer
// found in portrait is first turned to landscape, after the user has been
// told so and shown the printer set-up. A print or a save that fails is told
// to the user, and so is the file a saved sheet went into. True only when the
// sheet was printed or saved. `sheetName` names the sheet in the preview and
// the PDF file offered.
bool printSheet(SheetPrinter& printer, const QString& sheetName, const PageDrawing& draw);

// The title at the top left: Times New Roman 12, bold, dark green.
void printSheetTitle(PrinterCanvas& canvas, const QString& title);

// "Aggiornamento: 05 MARZO    2024   Pag. 1": the month name keeps its
// blanks, so the year follows them directly.
QString updateLine(const QDate& today);

// The first page's dated heading, in Times New Roman 9, black, not bold.
void printUpdateLine(PrinterCanvas& canvas, const QDate& today);

// The rows of a sheet, one under the other from the first page's table on,
// each printed by `printRow(row, y)`. Rows that would come too close to the
// bottom go on a new page, numbered and headed by `continuation`, and a page
// is started only for a row still to come.
void printRows(PrinterCanvas& canvas, int rows, const std::function<void(int row, int y)>& printRow,
               const std::function<void()>& continuation);

// A field as it goes on paper: zero bytes (a field never written) and every
// other control character (a TAB, a CR or LF, a soft hyphen in a hand-edited
// file) become blanks, so the field keeps its width and the columns stay in
// line.
QString onPaper(const QString& field);

} // namespace korven
