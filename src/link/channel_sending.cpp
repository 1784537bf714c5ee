#include "link/channel_sending.h"

#include "link/protocol/commands.h"
#include "link/resume_scanning.h"
#include "logger_setup/logger_setup_files.h"
#include "platform/file_failure_text.h"

#include <algorithm>

namespace korven {

namespace {

// A count the general record does not give is the "16" of a set never saved;
// either way only the eight channels there are go out.
constexpr int kCountOfANewSet = 16;
// The logger gets three restarts to answer its address byte.
constexpr int kRestarts = 3;
// Second ticks the logger has for its "!": after the first address bytes of the
// sending, and before each command.
constexpr int kSelectLimit = 3;
constexpr int kCommandLimit = 2;

FileStatus fileFailure(const RecordFile& file, const FileStatus& status) {
    return FileStatus::failure(fileFailureText(file.path(), status.error));
}

void tell(const SendingObserver& observer, const QString& text) {
    if (observer.progress)
        observer.progress(text);
}

// Awaits the "!" to the address byte, sending a lone CR twice between tries
// so that whatever the logger had collected is dropped. The limit of a try
// after a restart counts on from the pause before it. The fourth address byte
// gets no wait of its own: the restarts have had theirs.
LinkStatus selectLogger(Conversation& conversation, int loggerNumber,
                        const SendingObserver& observer) {
    for (int restart = 0; restart < kRestarts; ++restart) {
        const Handshake answer = conversation.handshake(
            loggerNumber, {.restartTicks = restart == 0, .limit = kSelectLimit});
        if (answer.status != LinkStatus::NoAnswer)
            return answer.status;
        tell(observer, QStringLiteral("Restart %1").arg(restart));
        conversation.sendCommand(command::clearLine);
        if (!conversation.pause(0))
            return LinkStatus::Stopped;
        conversation.sendCommand(command::clearLine);
        if (!conversation.pause(0))
            return LinkStatus::Stopped;
    }
    conversation.sendAddress(loggerNumber);
    return LinkStatus::NoAnswer;
}

// The address byte before each command, and its "!" within two seconds.
LinkStatus awaitSelection(Conversation& conversation, int loggerNumber) {
    return conversation.handshake(loggerNumber, {.limit = kCommandLimit}).status;
}

} // namespace

FileStatus ChannelSending::readSetup() {
    LoggerSetupRecords& records = installation_.loggerRecords;
    const RecordFile parFile(parFilePath(installation_.loggerSetupPath),
                             LoggerParLayout::recordLength);
    if (const FileStatus status = parFile.readExisting(1, records.par); !status)
        return fileFailure(parFile, status);
    int count = channelCountOf(records.par);
    fourChannels_ = count == 4;
    if (count < 1)
        count = kCountOfANewSet;
    count = std::min(count, LoggerChannelLayout::channels);

    commands_.clear();
    descriptions_.clear();
    const RecordFile channelFile(channelFilePath(installation_.loggerSetupPath),
                                 LoggerChannelLayout::recordLength);
    // Records past the end read as zero bytes: a channel built from them would
    // set the logger up with nonsense.
    if (const int held = channelFile.recordCount(); channelFile.exists() && held < count)
        return FileStatus::failure(fileFailureText(
            channelFile.path(),
            QStringLiteral("it holds %1 channel records; the channel count asks for %2")
                .arg(held)
                .arg(count)));
    for (int channel = 0; channel < count; ++channel) {
        if (const FileStatus status = channelFile.readExisting(channel + 1, records.channel);
            !status)
            return fileFailure(channelFile, status);
        commands_.append(command::channelParameters(channel, records.channel));
        descriptions_.append(records.channel.text(LoggerChannelLayout::description));
    }
    return {};
}

SendingEnd ChannelSending::send(int loggerNumber, const SendingObserver& observer) {
    auto conversation = link_.startConversation();
    if (!conversation)
        return SendingEnd::Busy;
    conversation->state().loggerNumber = loggerNumber;
    return sendAll(*conversation, loggerNumber, observer);
}

SendingEnd ChannelSending::sendAll(Conversation& conversation, int loggerNumber,
                                   const SendingObserver& observer) {
    tell(observer, QStringLiteral("PLEASE WAIT"));
    portError_ = conversation.openPort();
    if (portError_)
        return SendingEnd::PortFailed;
    conversation.sendCommand(command::clearLine);
    if (!conversation.pause(0))
        return SendingEnd::Stopped;

    const LinkStatus selected = selectLogger(conversation, loggerNumber, observer);
    if (selected == LinkStatus::Stopped)
        return SendingEnd::Stopped;
    if (selected != LinkStatus::Ok) {
        conversation.closePort();
        return giveUp(conversation, SendingEnd::NotSelected);
    }
    conversation.sendCommand(command::stopScanning);
    tell(observer, QStringLiteral("Ferma la scansione"));
    if (!conversation.pause(0))
        return SendingEnd::Stopped;

    for (int channel = 0; channel < commands_.size(); ++channel) {
        if (observer.channelRead)
            observer.channelRead(channel, descriptions_[channel]);
        tell(observer, QString());
        const LinkStatus answer = awaitSelection(conversation, loggerNumber);
        if (answer == LinkStatus::Stopped)
            return SendingEnd::Stopped;
        if (answer != LinkStatus::Ok)
            return giveUp(conversation, SendingEnd::LostPartWay);
        conversation.sendCommand(commands_[channel]);
        tell(observer,
             QStringLiteral("Channel parameter sending %1").arg(channel, 2, 10, QLatin1Char('0')));
        if (!conversation.pause(0))
            return SendingEnd::Stopped;
    }

    const LinkStatus answer = awaitSelection(conversation, loggerNumber);
    if (answer == LinkStatus::Stopped)
        return SendingEnd::Stopped;
    if (answer != LinkStatus::Ok)
        return giveUp(conversation, SendingEnd::LostPartWay);
    conversation.sendCommand(command::channelCount(fourChannels_));
    // The ticks run on from the address byte.
    while (conversation.ticks().secondTicks() <= 0) {
        if (!conversation.pump())
            return SendingEnd::Stopped;
    }

    const LinkStatus resumed = resumeScanning(conversation);
    if (resumed == LinkStatus::Stopped)
        return SendingEnd::Stopped;
    tell(observer, QStringLiteral("End of procedure"));
    return resumed == LinkStatus::Ok ? SendingEnd::Done : SendingEnd::NotRestarted;
}

SendingEnd ChannelSending::giveUp(Conversation& conversation, SendingEnd end) {
    conversation.reporter().failure(LinkFailure::NotConnected);
    // The wake-up stopped the logger's scanning: a logger that answers again
    // goes back to it rather than stay stopped in the field. The one that
    // stopped answering is not called scanning.
    if (resumeScanning(conversation, ResumedLine::WithoutLogger) == LinkStatus::Stopped)
        return SendingEnd::Stopped;
    return end;
}

LinkStatus ChannelSending::resumeScanning(Conversation& conversation, ResumedLine line) {
    return korven::resumeScanning(conversation, installation_.loggerSetupPath,
                                  installation_.loggerRecords.par, line);
}

LinkStatus ChannelSending::resume() {
    auto conversation = link_.startConversation();
    if (!conversation)
        return LinkStatus::Busy;
    return resumeScanning(*conversation);
}

} // namespace korven
