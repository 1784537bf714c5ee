#pragma once

#include "logger_setup/printed_sheet.h"

#include <QDate>
#include <QString>

namespace korven {

// Prints the system set-up: a title with the file's path, the dated heading,
// the column titles and one row for each of system channels 0 to 7, whatever
// the number of loggers, numbered by their place in the file. A treatment code
// that names no treatment prints `treatmentShown`, the text of the editor's
// "Trattamento" field. A file that cannot be read is named to the user and
// nothing is printed. True when the sheet was printed.
bool printSystemReport(const QString& systemFilePath, const QString& treatmentShown,
                       const QDate& today, SheetPrinter& printer);

} // namespace korven
