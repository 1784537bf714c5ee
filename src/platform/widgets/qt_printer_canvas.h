#pragma once

#include "platform/printer_canvas.h"

#include <QFont>
#include <QPageLayout>
#include <QPainter>

class QPrinter;

namespace korven {

// The family a font name is drawn with: the name itself when the font is
// installed, else its metric-compatible stand-in ("Times New Roman" as
// Liberation Serif, "courier new" as Liberation Mono) when that one is, so the
// columns of a sheet line up as they were laid out.
QString installedFamilyFor(const QString& name);

// Sends what a printer prints to a PDF file instead of a device.
void directToPdfFile(QPrinter& printer, const QString& path);

// Orientations in Qt's words and in ours.
PageOrientation orientationOf(const QPageLayout& layout);
QPageLayout::Orientation qtOrientation(PageOrientation orientation);

// The canvas on a QPrinter, for a device or a PDF file. Twips become printer
// dots at the printer's resolution. The print job starts with the first text or
// page and ends with endDocument(); a canvas dropped before that abandons it.
class QtPrinterCanvas : public PrinterCanvas {
public:
    explicit QtPrinterCanvas(QPrinter& printer);
    ~QtPrinterCanvas() override;

    PageOrientation orientation() const override;
    void setOrientation(PageOrientation orientation) override;
    int pageWidth() const override;
    int pageHeight() const override;

    void setFontName(const QString& name) override;
    void setFontSize(int points) override;
    void setBold(bool bold) override;
    void setColour(TextColour colour) override;
    void setPosition(int x, int y) override;

    int textWidth(const QString& text) const override;
    void printText(const QString& text) override;
    void newPage() override;
    PrintStatus endDocument() override;

private:
    // Starts the job the first time; false once anything has failed.
    bool printing();
    void fail();
    double dotsPerTwip() const;

    QPrinter& printer_;
    QPainter painter_;
    QFont font_;
    TextColour colour_ = kBlack;
    int x_ = 0;
    int y_ = 0;
    bool started_ = false;
    QString failure_;
};

} // namespace korven
