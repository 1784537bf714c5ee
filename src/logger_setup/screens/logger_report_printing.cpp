#include "logger_setup/screens/logger_report_printing.h"

#include "logger_setup/logger_report.h"
#include "session/session.h"

#include <QDate>
#include <QWidget>

namespace korven {

bool printLoggerReport(Session& session, QWidget& screen) {
    screen.setCursor(Qt::WaitCursor);
    SheetPrinter printer{session.printer, session.prompter};
    const bool printed =
        printLoggerReport(session.installation.loggerSetupPath, QDate::currentDate(), printer);
    screen.unsetCursor();
    return printed;
}

} // namespace korven
