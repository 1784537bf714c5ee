#pragma once

#include "sim/logger_events.h"

#include <QByteArray>

namespace korven::sim {

// The simulator's log: one line per event, "korven-sim: " and the event's
// text. With `verbose` every event goes to stderr; set-up events (what the
// logger now holds) also go to stdout always, so a user sees each channel
// the program sets without asking for the whole log.
EventSink eventLog(bool verbose);

// One line on stderr: "korven-sim: " + `text`.
void logLine(const QByteArray& text);

} // namespace korven::sim
