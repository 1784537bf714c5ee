#pragma once

#include <QString>

namespace korven {

enum class PageOrientation { Portrait, Landscape };

// A text colour: red, green and blue from 0 to 255.
struct TextColour {
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const TextColour&, const TextColour&) = default;
};

inline constexpr TextColour kBlack{0, 0, 0};
inline constexpr TextColour kDarkGreen{0, 128, 0};
inline constexpr TextColour kBlue{0, 0, 255};

// How a print job ended: sent to the printer (or written), or why not.
struct PrintStatus {
    bool ok = true;
    QString error;

    static PrintStatus failure(const QString& why) { return {false, why}; }
    explicit operator bool() const { return ok; }
};

// The page the printed set-up sheets are drawn on. Positions and widths are in
// twips (1/1440 inch), measured from the top left corner of the printable
// area. A text is printed with the top of its line at the current position,
// in the current font and colour; the position stays where it was, so every
// text is placed by its caller.
class PrinterCanvas {
public:
    virtual ~PrinterCanvas() = default;

    virtual PageOrientation orientation() const = 0;
    // Takes effect from the next page started; set it before printing.
    virtual void setOrientation(PageOrientation orientation) = 0;
    // The printable width and height of a page.
    virtual int pageWidth() const = 0;
    virtual int pageHeight() const = 0;

    virtual void setFontName(const QString& name) = 0;
    virtual void setFontSize(int points) = 0;
    virtual void setBold(bool bold) = 0;
    virtual void setColour(TextColour colour) = 0;
    virtual void setPosition(int x, int y) = 0;

    // The width of a text in the current font.
    virtual int textWidth(const QString& text) const = 0;
    virtual void printText(const QString& text) = 0;
    virtual void newPage() = 0;
    // Sends the document to the printer. Whatever went wrong on the way (no
    // printer, a file that cannot be written) is reported here.
    virtual PrintStatus endDocument() = 0;
};

inline void printAt(PrinterCanvas& canvas, int x, int y, const QString& text) {
    canvas.setPosition(x, y);
    canvas.printText(text);
}

} // namespace korven
