#include "logger_setup/logger_report.h"

#include "logger_setup/channel_tables.h"
#include "logger_setup/logger_setup_files.h"
#include "platform/file_failure_text.h"
#include "platform/numeric_text.h"

#include <QDir>
#include <QFileInfo>
#include <QList>

#include <algorithm>

namespace korven {
namespace {

using C = LoggerChannelLayout;

constexpr int kRowX = 200;

// The unit as the sheet prints it, four characters wide.
const QStringList kUnitsOnPaper = {
    QStringLiteral("V   "), QStringLiteral("mV  "), QStringLiteral("mA  "), QStringLiteral("mm  "),
    QStringLiteral("°C  "), QStringLiteral("R.J."), QStringLiteral("T   "), QStringLiteral("----")};
const QString kUnitCodes = QStringLiteral("01234567");
constexpr int kInputTypeWidth = 18;

struct Heading {
    int x;
    QString text;
};

// The first page has a "UN.MISURA" column heading; the later pages have none
// and place the others differently, as the sheet has always been printed.
const QList<Heading> kFirstPageHeadings = {{200, QStringLiteral("CH.  DESCRIZ.   ATTIV.")},
                                           {2948, QStringLiteral("UN.MISURA")},
                                           {4139, QStringLiteral("PUNTO DEC.")},
                                           {5500, QStringLiteral("ALIM.")},
                                           {6293, QStringLiteral("SCALA")},
                                           {8675, QStringLiteral("ZERO")},
                                           {9865, QStringLiteral("GAIN")},
                                           {10702, QStringLiteral("ATT.SCAL.")}};
const QList<Heading> kLaterPageHeadings = {{200, QStringLiteral("CH.  DESCRIZ.   ATTIV.")},
                                           {3842, QStringLiteral("PUNTO DEC.")},
                                           {5984, QStringLiteral("ALIM.")},
                                           {7754, QStringLiteral("SCALA")},
                                           {9101, QStringLiteral("ZERO")},
                                           {10689, QStringLiteral("GAIN")},
                                           {12674, QStringLiteral("ATTIV.SCAL.")}};

void printHeadings(PrinterCanvas& canvas, const QList<Heading>& headings, int y) {
    canvas.setFontName(kSheetTableFont);
    canvas.setFontSize(10);
    canvas.setBold(true);
    canvas.setColour(kBlue);
    for (const Heading& heading : headings)
        printAt(canvas, heading.x, y, heading.text);
    canvas.setBold(false);
}

// A code that is in no table prints what the row before printed in that
// column; before the first row that is blanks of the column's width.
struct ColumnTexts {
    QString unit = QString(4, QLatin1Char(' '));
    QString mask = QString(6, QLatin1Char(' '));
    QString supply = QString(4, QLatin1Char(' '));
    QString inputType = QString(kInputTypeWidth, QLatin1Char(' '));
};

QString rowText(int channel, const Record& r, ColumnTexts& columns) {
    const QString unitCode = r.text(C::unit);
    const qsizetype unitIndex = unitCode.size() == 1 ? kUnitCodes.indexOf(unitCode[0]) : -1;
    if (unitIndex >= 0)
        columns.unit = kUnitsOnPaper[unitIndex];
    columns.mask = maskText(digitValue(r.text(C::decimals))).value_or(columns.mask);
    columns.supply = supplyText(digitValue(r.text(C::supply))).value_or(columns.supply);
    if (const auto inputType = inputTypeText(r.text(C::inputType)))
        columns.inputType = inputType->leftJustified(kInputTypeWidth);

    return QStringLiteral("%1").arg(channel, 2, 10, QLatin1Char('0')) + QStringLiteral("   ") +
           onPaper(r.text(C::description)) + QStringLiteral("   ") +
           onPaper(r.text(C::activeFlag)) + QStringLiteral("    ") + columns.unit +
           QStringLiteral("     ") + columns.mask + QStringLiteral("    ") + columns.supply +
           QStringLiteral("   ") + columns.inputType + QStringLiteral(" ") +
           onPaper(r.text(C::zero)) + QStringLiteral("    ") + onPaper(r.text(C::gain)) +
           QStringLiteral("    ") + onPaper(r.text(C::scalingFlag));
}

// The channel records to print. A set never saved says "16" channels while
// its file holds eight records: only the records that exist are printed.
FileStatus readChannels(const QString& loggerSetupPath, QList<Record>& channels) {
    Record par(LoggerParLayout::recordLength);
    const RecordFile parFile(parFilePath(loggerSetupPath), LoggerParLayout::recordLength);
    if (FileStatus status = parFile.readExisting(1, par); !status)
        return FileStatus::failure(fileFailureText(parFile.path(), status.error));

    const RecordFile channelFile(channelFilePath(loggerSetupPath), C::recordLength);
    if (!channelFile.exists())
        return FileStatus::failure(fileFailureText(
            channelFile.path(), QStringLiteral("file not found: %1").arg(channelFile.path())));
    const int rows =
        std::clamp(channelCountOf(par), 0, std::min(C::channels, channelFile.recordCount()));
    for (int n = 1; n <= rows; ++n) {
        Record channel(C::recordLength);
        if (FileStatus status = channelFile.readExisting(n, channel); !status)
            return FileStatus::failure(fileFailureText(channelFile.path(), status.error));
        channels.append(channel);
    }
    return {};
}

// The title, the dated heading, the column headings and the rows, with a
// page started for the rows that do not fit.
void drawLoggerReport(PrinterCanvas& canvas, const QString& title, const QList<Record>& channels,
                      const QDate& today) {
    printSheetTitle(canvas, title);
    printUpdateLine(canvas, today);
    printHeadings(canvas, kFirstPageHeadings, 1900);

    ColumnTexts columns;
    printRows(
        canvas, static_cast<int>(channels.size()),
        [&](int n, int y) {
            canvas.setFontName(kSheetTableFont);
            canvas.setFontSize(10);
            canvas.setColour(kBlack);
            printAt(canvas, kRowX, y, rowText(n, channels[n], columns));
        },
        [&canvas] { printHeadings(canvas, kLaterPageHeadings, 500); });
}

} // namespace

bool printLoggerReport(const QString& loggerSetupPath, const QDate& today, SheetPrinter& printer) {
    QList<Record> channels;
    if (FileStatus status = readChannels(loggerSetupPath, channels); !status) {
        printer.prompter.message(status.error, MessageIcon::Critical);
        return false;
    }
    const QString title = QStringLiteral("File: ") + QDir::toNativeSeparators(loggerSetupPath) +
                          QStringLiteral(".Tmr");
    const QString sheetName =
        QStringLiteral("Setup KORVEN ") + QFileInfo(loggerSetupPath).fileName();
    return printSheet(printer, sheetName, [&](PrinterCanvas& canvas) {
        drawLoggerReport(canvas, title, channels, today);
    });
}

} // namespace korven
