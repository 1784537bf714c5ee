#include "link/link_texts.h"
#include "link/logger_link.h"
#include "logger_setup/logger_setup_files.h"
#include "platform/numeric_text.h"

namespace korven {

LinkStatus Conversation::resumeScanning(const QString& loggerSetupPath, Record& par) {
    if (stopped())
        return LinkStatus::Stopped;

    // Unreadable flags read as 0: the logger is left stopped and awake, the
    // safe state for a logger whose set-up is unknown.
    bool acquisition = false;
    bool autosleep = false;
    if (RecordFile(parFilePath(loggerSetupPath), LoggerParLayout::recordLength).read(1, par)) {
        acquisition = digitValue(par.text(LoggerParLayout::acquisitionFlag)) == 1;
        autosleep = digitValue(par.text(LoggerParLayout::sleepFlag)) == 1;
    }

    if (!pause(0))
        return endResume(LinkStatus::Stopped);
    link_->showBusyPointer(true);
    if (openPort())
        return endResume(LinkStatus::PortFailed, link_texts::resumeFailed);

    resetSeconds();
    receive();
    sendAddress(0);
    pump();
    LinkStatus status = awaitInput(1, 2);
    if (status != LinkStatus::Ok)
        return endResume(status, link_texts::resumeFailed);
    if (receive() != "!")
        return endResume(LinkStatus::BadReply, link_texts::resumeRefused);

    sendCommand(acquisition ? "Z" : "z");
    if (!pause(0))
        return endResume(LinkStatus::Stopped);

    if (autosleep) {
        // The ticks run on from the pause: the logger has one to two seconds.
        sendAddress(0);
        pump();
        status = awaitInput(1, 2);
        if (status != LinkStatus::Ok)
            return endResume(status, link_texts::resumeFailed);
        if (receive() == "!")
            sendCommand("Y");
    }

    link_->prompter_.message(
        QString::fromLatin1(link_texts::resumeDone) +
            QStringLiteral("\rKORVEN nr. %1 in scansione").arg(state().loggerNumber),
        MessageIcon::None);
    closePort();
    link_->showBusyPointer(false);
    return LinkStatus::Ok;
}

LinkStatus Conversation::endResume(LinkStatus status, const char* failure) {
    closePort();
    // A stopped conversation ends quietly: the screen that stopped it is
    // going away.
    if (status != LinkStatus::Stopped)
        link_->prompter_.message(QString::fromLatin1(failure), MessageIcon::None);
    link_->showBusyPointer(false);
    return status;
}

} // namespace korven
