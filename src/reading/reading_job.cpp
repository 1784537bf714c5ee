#include "reading/reading_job.h"

#include "reading/channel_pass.h"
#include "reading/one_channel_loop.h"

namespace korven {

ReadingSetupStatus ReadingJob::readSetup() {
    return readReadingSetup(installation_, setup_);
}

LinkStatus ReadingJob::wake() {
    return logger_.wake(setup_.port);
}

ReadingEnd ReadingJob::readAllChannels(const AllChannelsObserver& observer, int interval) {
    return run(
        [&observer](Conversation& conversation, const ReadingRun& run) {
            return readChannelPasses(conversation, run, observer);
        },
        interval, true);
}

ReadingEnd ReadingJob::readOneChannel(int channel,
                                      const std::function<void(const ChannelReading&)>& read,
                                      int interval) {
    return run(
        [channel, &read](Conversation& conversation, const ReadingRun& run) {
            return readOneChannelLoop(conversation, run, channel, read);
        },
        interval, false);
}

ReadingEnd
ReadingJob::run(const std::function<ReadingEnd(Conversation&, const ReadingRun&)>& reading,
                int interval, bool silenceFailsLink) {
    auto conversation = link_.startConversation();
    if (!conversation)
        return ReadingEnd::Busy;
    // A stop asked for since the button was pressed (during the wake-up)
    // still counts: the first pass or cycle is the last.
    const ReadingEnd end = conversation->openPort()
                               ? ReadingEnd::NotConnected
                               : reading(*conversation, {setup_, stop_, interval, now_});
    conversation->port().setReadLength(0);
    report(*conversation, end, silenceFailsLink);
    stop_ = false;
    return end;
}

void ReadingJob::report(Conversation& conversation, ReadingEnd end, bool silenceFailsLink) {
    switch (end) {
    case ReadingEnd::NotConnected:
        conversation.closePort();
        conversation.reporter().failure(LinkFailure::NotConnected);
        if (silenceFailsLink)
            conversation.markLinkFailed();
        // A logger that does not answer cannot be put back into scanning.
        logger_.forget();
        break;
    case ReadingEnd::TransmissionError:
        conversation.closePort();
        conversation.reporter().failure(LinkFailure::TransmissionError);
        break;
    default:
        break;
    }
}

LinkStatus ReadingJob::resume() {
    return logger_.resume(installation_);
}

} // namespace korven
