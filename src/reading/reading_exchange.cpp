#include "reading/reading_exchange.h"

#include "link/protocol/commands.h"
#include "reading/reading_texts.h"

namespace korven {

LinkStatus requestReading(Conversation& conversation, const QByteArray& command, int length,
                          const QString& waitText) {
    conversation.sendCommand(command);
    conversation.resetSeconds();
    int shown = -1;
    for (;;) {
        // What has arrived counts before the limit is looked at.
        if (conversation.port().inputCount() >= length)
            return LinkStatus::Ok;
        const int seconds = conversation.ticks().secondTicks();
        if (seconds > kReadingLimit)
            return LinkStatus::NoAnswer;
        if (seconds != shown) {
            conversation.showProgress(waitText + QString::number(seconds));
            shown = seconds;
        }
        if (!conversation.pump())
            return LinkStatus::Stopped;
    }
}

QByteArray takeReply(Conversation& conversation) {
    conversation.resetSeconds();
    return conversation.receive();
}

void secondStart(Conversation& conversation) {
    conversation.sendCommand(command::clearLine);
    conversation.showProgress(reading_texts::secondStarting);
    conversation.resetSeconds();
}

bool restAfter(Conversation& conversation, int interval) {
    return interval <= 0 || conversation.pause(interval - 1);
}

} // namespace korven
