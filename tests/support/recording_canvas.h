#pragma once

#include "platform/printer_canvas.h"

#include <QList>
#include <QString>

#include <ostream>

namespace korven::test {

// One text as it went on the page.
struct PrintedText {
    QString text;
    QString font;
    int size = 0;
    bool bold = false;
    TextColour colour;
    int x = 0;
    int y = 0;
    int page = 1;

    friend bool operator==(const PrintedText&, const PrintedText&) = default;
};

inline void PrintTo(const PrintedText& t, std::ostream* out) {
    *out << "page " << t.page << " (" << t.x << ", " << t.y << ") " << t.font.toStdString() << ' '
         << t.size << (t.bold ? " bold" : "") << " rgb(" << t.colour.red << ',' << t.colour.green
         << ',' << t.colour.blue << ") \"" << t.text.toStdString() << '"';
}

// A text of a sheet's table: the fixed-pitch face at 10 points.
inline PrintedText tableText(const QString& text, bool bold, TextColour colour, int x, int y,
                             int page) {
    return {text, QStringLiteral("courier new"), 10, bold, colour, x, y, page};
}

// A canvas that keeps every text with its font, colour, position and page.
// Every character is size × 12 twips wide, as in a fixed-pitch font. A
// failure can be scripted for the end of the job.
class RecordingCanvas : public PrinterCanvas {
public:
    // A landscape A4 page with margins, in twips; in portrait it stands on its side.
    static constexpr int kA4Width = 16838 - 2 * 567;
    static constexpr int kA4Height = 11906 - 2 * 567;

    RecordingCanvas(PageOrientation orientation, int width = kA4Width, int height = kA4Height)
        : orientation_(orientation), width_(width), height_(height) {}

    static int widthOf(const QString& text, int size) {
        return static_cast<int>(text.size()) * size * 12;
    }

    PageOrientation orientation() const override { return orientation_; }
    void setOrientation(PageOrientation orientation) override { orientation_ = orientation; }
    int pageWidth() const override { return landscape() ? width_ : height_; }
    int pageHeight() const override { return landscape() ? height_ : width_; }

    void setFontName(const QString& name) override { font_ = name; }
    void setFontSize(int points) override { size_ = points; }
    void setBold(bool bold) override { bold_ = bold; }
    void setColour(TextColour colour) override { colour_ = colour; }
    void setPosition(int x, int y) override {
        x_ = x;
        y_ = y;
    }

    int textWidth(const QString& text) const override { return widthOf(text, size_); }
    void printText(const QString& text) override {
        texts_.append({text, font_, size_, bold_, colour_, x_, y_, page_});
    }
    void newPage() override { ++page_; }
    PrintStatus endDocument() override {
        ++ended_;
        return failure_.isEmpty() ? PrintStatus{} : PrintStatus::failure(failure_);
    }

    void failAtEnd(const QString& why) { failure_ = why; }

    const QList<PrintedText>& texts() const { return texts_; }
    // The first text that starts with `start`; an empty one when none does.
    PrintedText find(const QString& start) const {
        for (const PrintedText& text : texts_) {
            if (text.text.startsWith(start))
                return text;
        }
        return {};
    }
    int pages() const { return page_; }
    int documentsEnded() const { return ended_; }

private:
    bool landscape() const { return orientation_ == PageOrientation::Landscape; }

    PageOrientation orientation_;
    int width_;
    int height_;
    QString font_;
    int size_ = 0;
    bool bold_ = false;
    TextColour colour_;
    int x_ = 0;
    int y_ = 0;
    int page_ = 1;
    int ended_ = 0;
    QString failure_;
    QList<PrintedText> texts_;
};

} // namespace korven::test
