#include "reading/reading_run.h"

#include "reading/treat_value.h"

namespace korven {

ChannelReading ReadingRun::reading(int channel, const QString& reply) const {
    ChannelReading reading;
    reading.channel = channel;
    reading.reply = reply;
    reading.at = now();
    reading.direct = directValue(reply);
    reading.treated = treatedValue(reply, setup.channels.at(channel));
    return reading;
}

} // namespace korven
