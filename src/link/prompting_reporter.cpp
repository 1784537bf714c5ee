#include "link/prompting_reporter.h"

#include "link/link_texts.h"

namespace korven {

void PromptingReporter::progress(const QString& callerScreen, const QString& text) {
    labels_.show(callerScreen, text);
}

void PromptingReporter::busy(bool busy) {
    if (busyPointer_)
        busyPointer_(busy);
}

void PromptingReporter::failure(LinkFailure failure) {
    // The line's own troubles get the exclamation mark; the resume's messages
    // come plain.
    const bool lineTrouble =
        failure == LinkFailure::NotConnected || failure == LinkFailure::TransmissionError;
    prompter_.message(link_texts::failureText(failure),
                      lineTrouble ? MessageIcon::Exclamation : MessageIcon::None);
    // The hourglass goes once the user knows the logger is not there.
    if (failure == LinkFailure::NotConnected)
        busy(false);
}

void PromptingReporter::scanningResumed(int loggerNumber, ResumedLine line) {
    prompter_.message(link_texts::scanningResumed(loggerNumber, line), MessageIcon::None);
}

} // namespace korven
