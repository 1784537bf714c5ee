#pragma once

#include <QList>
#include <QString>

namespace korven::test {

// A word of a PDF file, its box in points from the page's top left corner.
struct PdfWord {
    QString text;
    double xMin = 0;
    double yMin = 0;
    double xMax = 0;
    double yMax = 0;
    int page = 0; // from 1
};

struct PdfText {
    QList<PdfWord> words;
    int pages = 0;
    double pageWidth = 0; // of the first page, in points
    double pageHeight = 0;

    // The first word equal to `text`, from `page` on; an empty one when none is.
    PdfWord find(const QString& text, int page = 1) const {
        for (const PdfWord& word : words) {
            if (word.page >= page && word.text == text)
                return word;
        }
        return {};
    }
};

// The words of a PDF file, read with "pdftotext -bbox". No words and no pages
// when the tool is missing or the file cannot be read.
PdfText readPdfText(const QString& pdfPath);

} // namespace korven::test
