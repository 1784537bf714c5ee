#pragma once

#include "link/conversation.h"

#include <QByteArray>

namespace korven {

// Sends one initialisation string to the local modem, about a second after
// the last one, and reads its answer ("\r\nOK\r\n" is expected; another
// answer is taken as well). NoAnswer when fewer than six characters came
// within about four seconds: the modem is not there.
LinkStatus sendModemInit(Conversation& conversation, const QByteArray& init);

// How long the local modem has for an answer, in second ticks.
inline constexpr int kModemAnswerLimit = 4;

} // namespace korven
