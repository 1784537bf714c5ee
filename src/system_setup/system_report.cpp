#include "system_setup/system_report.h"

#include "logger_setup/channel_tables.h"
#include "platform/file_failure_text.h"
#include "platform/numeric_text.h"
#include "platform/record_file.h"
#include "system_setup/system_channel_fields.h"
#include "system_setup/system_channel_layout.h"

#include <QDir>
#include <QFileInfo>
#include <QList>

namespace korven {
namespace {

using L = SystemChannelLayout;

constexpr int kRows = 8;
constexpr int kRowX = 200;
constexpr int kTreatmentWidth = 8;

const QString kColumnTitles =
    QStringLiteral(" N. ") + QStringLiteral("DESCRIZIONE         ") + QStringLiteral("ATT.  ") +
    QStringLiteral("UN.MISURA  PUNTO DEC.  TRATTAM. ") + QStringLiteral("   ") +
    QStringLiteral("ZERO") + QStringLiteral("  ") + QStringLiteral("GAIN") + QStringLiteral("  ") +
    QStringLiteral("CODICE MR7400") + QStringLiteral("  ") + QStringLiteral("NUMERO CANALE");

void printColumnTitles(PrinterCanvas& canvas, int coefficientsY, int titlesY) {
    canvas.setFontName(kSheetTableFont);
    canvas.setFontSize(10);
    canvas.setBold(true);
    canvas.setColour(kBlue);
    printAt(canvas, 8140, coefficientsY, QStringLiteral("COEFF. LINEAR."));
    printAt(canvas, kRowX, titlesY, kColumnTitles);
}

void useRowFont(PrinterCanvas& canvas) {
    canvas.setFontName(kSheetTableFont);
    canvas.setFontSize(10);
    canvas.setBold(false);
}

// Each row prints its own channel's treatment, as the editor shows it; only a
// code that names none falls back to the editor's field. Padded to the width
// of "Diretto ", so the columns after it stay in line for a table too.
QString treatmentOnPaper(const Record& r, const QString& treatmentShown) {
    const double code = leadingNumber(r.text(L::treatmentCode));
    std::optional<QString> text;
    if (code == static_cast<int>(code))
        text = treatmentText(static_cast<int>(code));
    return text.value_or(treatmentShown).leftJustified(kTreatmentWidth);
}

// A mask index outside the table prints the mask of the row before; before
// the first row, blanks of its width.
QString rowText(int channel, const Record& r, const QString& treatmentShown, QString& mask) {
    mask = maskText(r.integer(L::decimalMaskIndex)).value_or(mask);
    return QStringLiteral("%1").arg(channel, 3, 10, QLatin1Char('0')) + QStringLiteral(" ") +
           onPaper(r.text(L::description)) + QStringLiteral(" ") + onPaper(r.text(L::activation)) +
           QStringLiteral("     ") + onPaper(r.text(L::unit)) + QStringLiteral("      ") + mask +
           QStringLiteral("    ") + treatmentOnPaper(r, treatmentShown) + QStringLiteral("  ") +
           onPaper(r.text(L::zero)) + QStringLiteral("   ") + onPaper(r.text(L::gain)) +
           QStringLiteral("      ") + onPaper(r.text(L::moduleCode)) +
           QStringLiteral("            ") + onPaper(r.text(L::moduleChannel));
}

// Records 1 to 8, read before anything goes to the printer. They are read
// apart from the editor's record, so printing never changes what the editor
// will save.
FileStatus readChannels(const QString& systemFilePath, QList<Record>& channels) {
    const RecordFile file(systemFilePath, L::recordLength);
    for (int n = 1; n <= kRows; ++n) {
        Record channel(L::recordLength);
        if (FileStatus status = file.readExisting(n, channel); !status)
            return FileStatus::failure(fileFailureText(file.path(), status.error));
        channels.append(channel);
    }
    return {};
}

// The title, the dated heading, the column titles and the rows, with a page
// started for the rows that do not fit.
void drawSystemReport(PrinterCanvas& canvas, const QString& title, const QList<Record>& channels,
                      const QString& treatmentShown, const QDate& today) {
    printSheetTitle(canvas, title);
    printUpdateLine(canvas, today);
    printColumnTitles(canvas, 1570, 1900);
    useRowFont(canvas);

    QString mask(6, QLatin1Char(' '));
    printRows(
        canvas, kRows,
        [&](int k, int y) {
            canvas.setColour(kBlack);
            canvas.setFontSize(10);
            printAt(canvas, kRowX, y, rowText(k, channels[k], treatmentShown, mask));
        },
        [&canvas] {
            printColumnTitles(canvas, 270, 500);
            useRowFont(canvas);
        });
}

} // namespace

bool printSystemReport(const QString& systemFilePath, const QString& treatmentShown,
                       const QDate& today, SheetPrinter& printer) {
    QList<Record> channels;
    if (FileStatus status = readChannels(systemFilePath, channels); !status) {
        printer.prompter.message(status.error, MessageIcon::Critical);
        return false;
    }
    const QString title =
        QStringLiteral("SYSTEM SET-UP. FILE: ") + QDir::toNativeSeparators(systemFilePath);
    const QString sheetName =
        QStringLiteral("Setup sistema ") + QFileInfo(systemFilePath).completeBaseName();
    return printSheet(printer, sheetName, [&](PrinterCanvas& canvas) {
        drawSystemReport(canvas, title, channels, treatmentShown, today);
    });
}

} // namespace korven
