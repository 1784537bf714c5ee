#pragma once

#include <QString>

namespace korven {

// What the screens and menu actions know about the last conversation with a
// logger. Process-wide: one per session.
struct LinkState {
    int loggerNumber = 0;     // the logger addressed, for the address byte and the texts
    QString callerScreen;     // the screen whose status label shows the wake-up's progress
    int linkFailed = 0;       // 1 once a wake-up or a reply has given up
    bool linkAborted = false; // the menu actions drop a screen whose link failed
    QString statusText;       // three blanks after a failure
    // A logger on the line was woken (and so stopped) and has not been put
    // back into scanning since: whoever ends the line's use resumes it.
    bool loggerStopped = false;
};

} // namespace korven
