#include "link/modem/send_modem_init.h"

#include "link/protocol/modem_replies.h"

namespace korven {

LinkStatus sendModemInit(Conversation& conversation, const QByteArray& init) {
    // The ticks start at 1, so this waits until the next one: under a second.
    conversation.ticks().setSecondTicks(1);
    if (!conversation.awaitSeconds(1))
        return LinkStatus::Stopped;
    // What is left of an earlier answer (the echo-off answer comes in pieces)
    // is not this one's.
    conversation.receive();
    conversation.sendCommand(init);
    conversation.resetSeconds();
    const LinkStatus status = conversation.awaitInput(kModemAnswerLength, kModemAnswerLimit);
    if (status == LinkStatus::Ok)
        conversation.receive();
    return status;
}

} // namespace korven
