#include "support/recording_canvas.h"

namespace korven::test {

void RecordingCanvas::setOrientation(PageOrientation orientation) {
    if (!texts_.isEmpty())
        ++lateChanges_;
    orientation_ = orientation;
}

// The page given is the landscape one; in portrait it stands on its side.
int RecordingCanvas::pageWidth() const {
    return orientation_ == PageOrientation::Landscape ? width_ : height_;
}

int RecordingCanvas::pageHeight() const {
    return orientation_ == PageOrientation::Landscape ? height_ : width_;
}

void RecordingCanvas::setPosition(int x, int y) {
    x_ = x;
    y_ = y;
}

void RecordingCanvas::printText(const QString& text) {
    texts_.append({text, font_, size_, bold_, colour_, x_, y_, page_});
}

PrintStatus RecordingCanvas::endDocument() {
    ++ended_;
    return failure_.isEmpty() ? PrintStatus{} : PrintStatus::failure(failure_);
}

QList<PrintedText> RecordingCanvas::textsOnPage(int page) const {
    QList<PrintedText> onPage;
    for (const PrintedText& text : texts_) {
        if (text.page == page)
            onPage.append(text);
    }
    return onPage;
}

PrintedText RecordingCanvas::find(const QString& start) const {
    for (const PrintedText& text : texts_) {
        if (text.text.startsWith(start))
            return text;
    }
    return {};
}

} // namespace korven::test
