#pragma once

#include "platform/print_preview.h"
#include "support/recording_canvas.h"

#include <QQueue>

#include <functional>

namespace korven::test {

// The print preview answered from a script. Each preview draws the pages as
// they are shown on a canvas of their own, then the user prints them (unless
// the script says to close the preview): printing draws them once more on the
// printer's canvas and ends the document there.
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
    PreviewOutcome preview(const PageDrawing& draw, const QString& documentName) override;

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
