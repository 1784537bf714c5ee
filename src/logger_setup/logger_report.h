#pragma once

#include "logger_setup/printed_sheet.h"

#include <QDate>
#include <QString>

namespace korven {

// Prints the logger set-up saved on disk (not what the editor shows): a title
// with the file's name, the dated heading, the column headings and one row per
// channel, as many as the general record's channel count says but never more
// than the channel records the file holds. A file that cannot be read is
// named to the user and nothing is printed. True when the sheet was printed.
bool printLoggerReport(const QString& loggerSetupPath, const QDate& today, SheetPrinter& printer);

} // namespace korven
