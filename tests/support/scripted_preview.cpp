#include "support/scripted_preview.h"

namespace korven::test {

PreviewOutcome ScriptedPreview::preview(const PageDrawing& draw, const QString& documentName) {
    ++previews_;
    lastDocumentName_ = documentName;
    shown_ = RecordingCanvas(printed_.orientation(), width_, height_);
    draw(shown_);
    if (whileShown)
        whileShown();
    const PreviewChoice choice = answers_.isEmpty() ? PreviewChoice::Printed : answers_.dequeue();
    if (choice == PreviewChoice::Closed)
        return {};
    draw(printed_);
    return {choice, printed_.endDocument(),
            choice == PreviewChoice::SavedAsPdf ? QStringLiteral("foglio.pdf") : QString()};
}

} // namespace korven::test
