#include "logger_setup/logger_report.h"
#include "platform/widgets/pdf_file_output.h"
#include "system_setup/installation.h"
#include "system_setup/system_report.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QMarginsF>
#include <QPageSize>

#include <cstdio>

namespace {

using namespace korven;

// A message as one line of standard error: the CR that breaks a message
// box's lines would send a terminal's cursor back over the text.
void tell(const QString& text) {
    std::fprintf(stderr, "korven-sheets: %s\n",
                 qPrintable(QString(text).replace(u'\r', QStringLiteral(" - "))));
}

// Nobody answers: what the sheets would say goes to standard error.
class ConsolePrompter : public Prompter {
public:
    void message(const QString& text, MessageIcon) override { tell(text); }
    bool askYesNo(const QString& text, MessageIcon, bool) override {
        message(text, MessageIcon::None);
        return false;
    }
};

// Landscape A4 with a centimetre of margin all round.
QPageLayout sheetPage() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

} // namespace

// korven-sheets FOLDER OUTPUT: the system set-up sheet and the logger set-up
// sheet of the installation that FOLDER/config.dat names, into
// OUTPUT/system-setup.pdf and OUTPUT/logger-setup.pdf.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: korven-sheets FOLDER OUTPUT\n");
        return 2;
    }
    Installation installation;
    if (FileStatus status = readInstallationSettings(arguments[1], installation); !status) {
        tell(status.error);
        return 2;
    }
    const QDir output(arguments[2]);
    ConsolePrompter prompter;
    const QDate today = QDate::currentDate();

    PdfFileOutput systemSheet(output.filePath(QStringLiteral("system-setup.pdf")), sheetPage());
    SheetPrinter systemPrinter{systemSheet, prompter};
    PdfFileOutput loggerSheet(output.filePath(QStringLiteral("logger-setup.pdf")), sheetPage());
    SheetPrinter loggerPrinter{loggerSheet, prompter};
    const bool printed =
        printSystemReport(installation.systemFilePath, QString(), today, systemPrinter) &&
        printLoggerReport(installation.loggerSetupPath, today, loggerPrinter);
    return printed ? 0 : 1;
}
