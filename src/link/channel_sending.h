#pragma once

#include "link/logger_link.h"
#include "platform/record_file.h"
#include "system_setup/installation.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

namespace korven {

// How a sending of the channel set-up ended.
enum class SendingEnd {
    Done,         // every command went out and the logger is scanning again
    NotRestarted, // every command went out, but the logger is not scanning again
    NotSelected,  // the logger never answered its address byte, not even after the restarts
    LostPartWay,  // the logger stopped answering between two commands
    Stopped,      // the sending was asked to stop (its screen is closing); see resume()
    PortFailed,   // the port would not open; see portError()
    Busy,         // another conversation holds the line
};

// What a sending tells whoever runs it, as it goes.
struct SendingObserver {
    // The progress texts: "PLEASE WAIT", "Restart 0", "Ferma la scansione",
    // "Channel parameter sending 03", "End of procedure" and the empty text.
    std::function<void(const QString& text)> progress;
    // The record of a channel has been read for its command.
    std::function<void(int channel, const QString& description)> channelRead;
};

// Sends the logger set-up saved on disk to a woken logger: one "P" command per
// channel, each after its own address byte and "!", then "C0" or "C1", then
// the logger goes back to scanning. The screen wakes the logger through the
// transmission screen first, korvenctl through the same connect-only run.
//
// The files are read before anything is sent, so a set-up that cannot be read
// never leaves a logger half set up. Every wait has its limit; a stop request
// (the screen closing) ends the sending at once, and resume() then puts the
// logger back into scanning.
class ChannelSending {
public:
    ChannelSending(LoggerLink& link, Installation& installation)
        : link_(link), installation_(installation) {}

    // Reads the general record and the channel records, and builds the
    // commands: as many as the channel count says (a count below 1 is the
    // "16" of a set never saved), never more than the eight channels there are.
    // A file that cannot be read, or a channel file with fewer records than
    // the count asks for, ends it; the error names the file.
    FileStatus readSetup();
    const QList<QByteArray>& commands() const { return commands_; }
    bool fourChannels() const { return fourChannels_; }

    // Sends what readSetup() built to the logger numbered `loggerNumber`.
    // When the logger does not answer, the user is told it is not connected
    // and the logger is still put back into scanning once (the wake-up
    // stopped it): the resume's own message says whether that worked.
    SendingEnd send(int loggerNumber, const SendingObserver& observer);
    PortError portError() const { return portError_; }

    // Puts the logger back into scanning after a stopped sending.
    LinkStatus resume();

private:
    SendingEnd sendAll(Conversation& conversation, int loggerNumber,
                       const SendingObserver& observer);
    SendingEnd giveUp(Conversation& conversation, SendingEnd end);
    LinkStatus resumeScanning(Conversation& conversation, ResumedLine line = ResumedLine::Logger);

    LoggerLink& link_;
    Installation& installation_;
    QList<QByteArray> commands_;
    QList<QString> descriptions_;
    bool fourChannels_ = false;
    PortError portError_;
};

} // namespace korven
