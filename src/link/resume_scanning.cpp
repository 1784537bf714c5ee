#include "link/resume_scanning.h"

#include "link/protocol/commands.h"
#include "logger_setup/logger_setup_files.h"
#include "platform/numeric_text.h"
#include "platform/record_file.h"

namespace korven {

namespace {

// Closes the port and tells the user why the resume failed.
LinkStatus endResume(Conversation& conversation, LinkStatus status,
                     LinkFailure failure = LinkFailure::ResumeNoAnswer) {
    conversation.closePort();
    // A stopped conversation ends quietly: the screen that stopped it is
    // going away.
    if (status != LinkStatus::Stopped)
        conversation.reporter().failure(failure);
    conversation.reporter().busy(false);
    return status;
}

} // namespace

LinkStatus resumeScanning(Conversation& conversation, const QString& loggerSetupPath, Record& par,
                          ResumedLine line) {
    if (conversation.stopped())
        return LinkStatus::Stopped;

    // Unreadable flags read as 0: the logger is left stopped and awake, the
    // safe state for a logger whose set-up is unknown, and the user is told
    // so rather than that it scans.
    bool acquisition = false;
    bool autosleep = false;
    // An empty or garbled file reads without an error, but its flags are
    // not "0" or "1": that is a set-up that could not be read as well.
    const auto isFlag = [&par](const auto& field) {
        const QString flag = par.text(field);
        return flag == u"0" || flag == u"1";
    };
    const bool flagsRead =
        RecordFile(parFilePath(loggerSetupPath), LoggerParLayout::recordLength).read(1, par).ok &&
        isFlag(LoggerParLayout::acquisitionFlag) && isFlag(LoggerParLayout::sleepFlag);
    if (flagsRead) {
        acquisition = digitValue(par.text(LoggerParLayout::acquisitionFlag)) == 1;
        autosleep = digitValue(par.text(LoggerParLayout::sleepFlag)) == 1;
    }

    if (!conversation.pause(0))
        return endResume(conversation, LinkStatus::Stopped);
    conversation.reporter().busy(true);
    if (conversation.openPort())
        return endResume(conversation, LinkStatus::PortFailed);

    const Handshake answer = conversation.handshake(
        0, {.discardWaiting = true, .limit = 2, .answer = HandshakeRules::Answer::First});
    if (answer.status == LinkStatus::WrongAnswer)
        return endResume(conversation, LinkStatus::WrongAnswer, LinkFailure::ResumeRefused);
    if (answer.status != LinkStatus::Ok)
        return endResume(conversation, answer.status);

    conversation.sendCommand(acquisition ? command::scanWithAcquisition : command::stopScanning);
    if (!conversation.pause(0))
        return endResume(conversation, LinkStatus::Stopped);

    if (autosleep) {
        // The ticks run on from the pause: the logger has one to two seconds.
        const Handshake again = conversation.handshake(
            0, {.restartTicks = false, .limit = 2, .answer = HandshakeRules::Answer::First});
        if (again.status == LinkStatus::Ok)
            conversation.sendCommand(command::autoSleep);
        else if (again.status != LinkStatus::WrongAnswer)
            return endResume(conversation, again.status);
    }

    if (!flagsRead)
        return endResume(conversation, LinkStatus::BadReply, LinkFailure::ResumeUnknownScan);
    conversation.state().loggerStopped = false;
    conversation.reporter().scanningResumed(conversation.state().loggerNumber, line);
    conversation.closePort();
    conversation.reporter().busy(false);
    return LinkStatus::Ok;
}

} // namespace korven
