#include "support/scripted_preview.h"

namespace korven::test {

PreviewOutcome ScriptedPreview::preview(const PageDrawing& draw) {
    ++previews_;
    shown_ = RecordingCanvas(printed_.orientation(), width_, height_);
    draw(shown_);
    if (whileShown)
        whileShown();
    const PreviewChoice choice = answers_.isEmpty() ? PreviewChoice::Printed : answers_.dequeue();
    if (choice == PreviewChoice::Closed)
        return {};
    draw(printed_);
    return {choice, printed_.endDocument()};
}

} // namespace korven::test
