#pragma once

#include <QByteArray>

// What the program sends the local Hayes modem. Command lines are given
// without their closing CR, which the conversation adds as it sends them.
namespace korven::modem_command {

// Echo off, so that answers come without the command in front of them.
inline const QByteArray echoOff = QByteArrayLiteral("ATE0");
// Back from the call to command mode, with the call held; sent alone, with a
// guard time of silence before it and no CR.
inline const QByteArray escape = QByteArrayLiteral("+++");
inline const QByteArray hangUp = QByteArrayLiteral("ATH0");

// "atdt" + number (tones), or "atdp" + number (pulses).
QByteArray dial(const QByteArray& number, bool pulses);

} // namespace korven::modem_command
