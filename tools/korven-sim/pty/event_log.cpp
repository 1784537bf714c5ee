#include "pty/event_log.h"

#include <cstdio>

namespace korven::sim {

void logLine(const QByteArray& text) {
    std::fprintf(stderr, "korven-sim: %s\n", text.constData());
}

EventSink eventLog(bool verbose) {
    return [verbose](EventTopic topic, const QByteArray& text) {
        if (verbose)
            logLine(text);
        if (topic == EventTopic::Setup) {
            std::printf("korven-sim: %s\n", text.constData());
            std::fflush(stdout);
        }
    };
}

} // namespace korven::sim
