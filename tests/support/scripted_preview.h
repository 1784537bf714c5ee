#pragma once

#include "platform/print_preview.h"
#include "support/recording_canvas.h"

#include <QQueue>

#include <functional>

namespace korven::test {

// The print preview answered from a script: the pages are drawn as shown,
// then printed (unless the script closes the preview) on the printer's canvas.
class ScriptedPreview : public PrintPreview {
public:
    explicit ScriptedPreview(PageOrientation orientation = PageOrientation::Landscape,
                             int width = RecordingCanvas::kA4Width,
                             int height = RecordingCanvas::kA4Height)
        : width_(width), height_(height), printed_(orientation, width, height),
          shown_(orientation, width, height) {}

    void closeNext() { answers_.enqueue(PreviewChoice::Closed); }
    // The next preview is saved as "foglio.pdf".
    void saveNext() { answers_.enqueue(PreviewChoice::SavedAsPdf); }

    PageOrientation orientation() const override { return printed_.orientation(); }
    void setOrientation(PageOrientation orientation) override {
        printed_.setOrientation(orientation);
    }
    void showPrinterSetup() override { ++setupsShown_; }
    PreviewOutcome preview(const PageDrawing& draw, const QString& documentName) override {
        ++previews_;
        lastDocumentName_ = documentName;
        shown_ = RecordingCanvas(printed_.orientation(), width_, height_);
        draw(shown_);
        if (whileShown)
            whileShown();
        const PreviewChoice choice =
            answers_.isEmpty() ? PreviewChoice::Printed : answers_.dequeue();
        if (choice == PreviewChoice::Closed)
            return {};
        draw(printed_);
        return {choice, printed_.endDocument(),
                choice == PreviewChoice::SavedAsPdf ? QStringLiteral("foglio.pdf") : QString()};
    }

    // What went to the printer.
    RecordingCanvas& printed() { return printed_; }
    // The pages as the last preview showed them.
    const RecordingCanvas& shown() const { return shown_; }
    int previews() const { return previews_; }
    const QString& lastDocumentName() const { return lastDocumentName_; }
    int setupsShown() const { return setupsShown_; }

    // Called while the preview is up, to look at the screen behind it.
    std::function<void()> whileShown;

private:
    int width_;
    int height_;
    RecordingCanvas printed_;
    RecordingCanvas shown_;
    QQueue<PreviewChoice> answers_;
    int previews_ = 0;
    QString lastDocumentName_;
    int setupsShown_ = 0;
};

} // namespace korven::test
