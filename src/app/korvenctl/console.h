#pragma once

#include "download/download_progress.h"
#include "link/link_reporter.h"

#include <QString>

namespace korven {

// korvenctl's output: results on standard output, everything else on
// standard error. The progress of a download is one line of standard error
// redrawn in place, and only when standard error is a terminal, so logs
// stay clean; any other line first ends it.
class Console {
public:
    Console();
    ~Console();
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;

    void progress(const DownloadProgress& progress);
    void problem(const QString& text);
    void result(const QString& text);

private:
    void endProgressLine();

    bool terminal_;
    bool progressShown_ = false;
};

// The link's reports, written as problems: the messages a screen would show,
// each on one line.
class ConsoleReporter : public LinkReporter {
public:
    explicit ConsoleReporter(Console& console) : console_(console) {}

    void progress(const QString&, const QString&) override {}
    void busy(bool) override {}
    void failure(LinkFailure failure) override;
    void scanningResumed(int loggerNumber, ResumedLine line) override;

private:
    void tell(const QString& text);

    Console& console_;
};

} // namespace korven
