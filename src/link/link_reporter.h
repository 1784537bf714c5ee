#pragma once

#include <QString>

namespace korven {

// What can go wrong with the line, as the user is told.
enum class LinkFailure {
    NotConnected,      // the logger did not answer
    TransmissionError, // a reply came back malformed
    ResumeNoAnswer,    // no answer while putting the logger back into scanning
    ResumeRefused,     // a wrong answer while putting it back into scanning
    ResumeUnknownScan, // the logger set-up could not be read: the logger was left stopped
};

// Which loggers a resume put back into scanning, as the user is told.
enum class ResumedLine {
    Logger,        // the logger addressed, which did what it was asked
    WithoutLogger, // the logger addressed never answered; any other on the line scans again
};

// Where the link reports to whoever watches it: the screens show message
// boxes, status labels and the busy pointer; korvenctl writes lines to
// standard error. The procedures call it; they never show anything themselves.
class LinkReporter {
public:
    virtual ~LinkReporter() = default;

    // A progress text for the status label of the screen named `callerScreen`.
    virtual void progress(const QString& callerScreen, const QString& text) = 0;
    // The hourglass while the program waits for a logger.
    virtual void busy(bool busy) = 0;
    virtual void failure(LinkFailure failure) = 0;
    // The line is scanning again after work for the logger numbered `loggerNumber`.
    virtual void scanningResumed(int loggerNumber, ResumedLine line) = 0;
};

} // namespace korven
