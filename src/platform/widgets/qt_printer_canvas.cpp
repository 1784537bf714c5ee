#include "platform/widgets/qt_printer_canvas.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPrinter>

namespace korven {
namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kTwipsPerPoint = 20;

struct StandIn {
    QStringView name;
    QStringView family;
};

constexpr StandIn kStandIns[] = {
    {u"Times New Roman", u"Liberation Serif"},
    {u"Courier New", u"Liberation Mono"},
};

// Why nothing (or not everything) reached the paper. Without any printer
// installed, Qt falls back to a PDF printer that has no file to write.
QString failureText(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return QStringLiteral("Impossibile scrivere il file %1")
            .arg(QDir::toNativeSeparators(printer.outputFileName()));
    if (printer.printerName().isEmpty())
        return QStringLiteral("Nessuna stampante installata");
    return QStringLiteral("La stampante %1 non ha accettato la stampa").arg(printer.printerName());
}

} // namespace

QString installedFamilyFor(const QString& name) {
    if (QFontDatabase::hasFamily(name))
        return name;
    for (const StandIn& standIn : kStandIns) {
        const QString family = standIn.family.toString();
        if (standIn.name.compare(name, Qt::CaseInsensitive) == 0 &&
            QFontDatabase::hasFamily(family))
            return family;
    }
    return name;
}

void directToPdfFile(QPrinter& printer, const QString& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
}

PageOrientation orientationOf(const QPageLayout& layout) {
    return layout.orientation() == QPageLayout::Landscape ? PageOrientation::Landscape
                                                          : PageOrientation::Portrait;
}

QPageLayout::Orientation qtOrientation(PageOrientation orientation) {
    return orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                     : QPageLayout::Portrait;
}

QtPrinterCanvas::QtPrinterCanvas(QPrinter& printer) : printer_(printer) {}

QtPrinterCanvas::~QtPrinterCanvas() {
    if (painter_.isActive()) {
        printer_.abort();
        painter_.end();
    }
}

PageOrientation QtPrinterCanvas::orientation() const {
    return orientationOf(printer_.pageLayout());
}

void QtPrinterCanvas::setOrientation(PageOrientation orientation) {
    printer_.setPageOrientation(qtOrientation(orientation));
}

int QtPrinterCanvas::pageWidth() const {
    return qRound(printer_.pageLayout().paintRect(QPageLayout::Point).width() * kTwipsPerPoint);
}

int QtPrinterCanvas::pageHeight() const {
    return qRound(printer_.pageLayout().paintRect(QPageLayout::Point).height() * kTwipsPerPoint);
}

void QtPrinterCanvas::setFontName(const QString& name) {
    font_.setFamily(installedFamilyFor(name));
}

void QtPrinterCanvas::setFontSize(int points) {
    font_.setPointSize(points);
}

void QtPrinterCanvas::setBold(bool bold) {
    font_.setBold(bold);
}

void QtPrinterCanvas::setColour(TextColour colour) {
    colour_ = colour;
}

void QtPrinterCanvas::setPosition(int x, int y) {
    x_ = x;
    y_ = y;
}

int QtPrinterCanvas::textWidth(const QString& text) const {
    const QFontMetricsF metrics(font_, &printer_);
    return qRound(metrics.horizontalAdvance(text) / dotsPerTwip());
}

void QtPrinterCanvas::printText(const QString& text) {
    if (!printing())
        return;
    const QFontMetricsF metrics(font_, &printer_);
    painter_.setFont(font_);
    painter_.setPen(QColor(colour_.red, colour_.green, colour_.blue));
    // The position is the top of the line; Qt draws on the baseline.
    painter_.drawText(QPointF(x_ * dotsPerTwip(), y_ * dotsPerTwip() + metrics.ascent()), text);
}

void QtPrinterCanvas::newPage() {
    if (printing() && !printer_.newPage())
        fail();
}

PrintStatus QtPrinterCanvas::endDocument() {
    if (printing() && painter_.isActive() &&
        (!painter_.end() || printer_.printerState() == QPrinter::Error))
        fail();
    if (!failure_.isEmpty())
        return PrintStatus::failure(failure_);
    return {};
}

bool QtPrinterCanvas::printing() {
    if (!started_) {
        started_ = true;
        if (!painter_.begin(&printer_))
            fail();
    }
    return failure_.isEmpty();
}

void QtPrinterCanvas::fail() {
    if (failure_.isEmpty())
        failure_ = failureText(printer_);
}

double QtPrinterCanvas::dotsPerTwip() const {
    return printer_.resolution() / kTwipsPerInch;
}

} // namespace korven
