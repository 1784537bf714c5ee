#pragma once

#include <QByteArray>

namespace korven::sim {

class LoggerBrain;

// What the logger holds now, as an indented JSON document: the channel count,
// scan and auto-sleep codes, clock, next block and, for each of the eight
// channels, whether a "P" command reached it and the parameters it keeps
// (codes as the characters sent, gain and zero as sign and five digits, the
// way the set-up files hold them), so a test can set both side by side.
QByteArray setupDump(const LoggerBrain& logger);

} // namespace korven::sim
