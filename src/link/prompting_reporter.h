#pragma once

#include "link/link_reporter.h"
#include "link/progress_labels.h"
#include "platform/prompter.h"

#include <functional>

namespace korven {

// The link's reports as the screens show them: message boxes through the
// prompter, progress texts on the status label the caller screen attached,
// and the busy pointer.
class PromptingReporter : public LinkReporter {
public:
    PromptingReporter(Prompter& prompter, const ProgressLabels& labels)
        : prompter_(prompter), labels_(labels) {}

    // How the busy pointer is shown; nothing by default.
    void setBusyPointer(std::function<void(bool busy)> show) { busyPointer_ = std::move(show); }

    void progress(const QString& callerScreen, const QString& text) override;
    void busy(bool busy) override;
    void failure(LinkFailure failure) override;
    void scanningResumed(int loggerNumber, ResumedLine line) override;

private:
    Prompter& prompter_;
    const ProgressLabels& labels_;
    std::function<void(bool)> busyPointer_;
};

} // namespace korven
