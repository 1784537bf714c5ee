#include "link/unattended_setup_send.h"

#include "link/channel_sending.h"
#include "link/port_settings.h"
#include "link/protocol/commands.h"
#include "link/transmission.h"

namespace korven {

namespace {

UnattendedEnd refuse(const UnattendedOutput& output, UnattendedEnd end, const QString& why) {
    output.tellProblem(why);
    return end;
}

QString outcomeText(const ChannelSending& sending, int loggerNumber) {
    return QStringLiteral("%1 channels and \"%2\" sent to logger %3")
        .arg(sending.commands().size())
        .arg(QString::fromLatin1(command::channelCount(sending.fourChannels())))
        .arg(loggerNumber);
}

} // namespace

UnattendedEnd runUnattendedSetupSend(const QString& programFolder,
                                     const UnattendedSetupSend& request, SerialPort& port,
                                     Ticks& ticks, LinkReporter& reporter,
                                     const UnattendedOutput& output) {
    Installation installation;
    PortSettings settings;
    FileStatus status = readInstallationSettings(programFolder, installation);
    if (status)
        status = readPortSettings(installation, settings);
    LoggerLink link(port, ticks, reporter);
    ChannelSending sending(link, installation);
    if (status)
        status = sending.readSetup();
    if (!status)
        return refuse(output, UnattendedEnd::BadSetup, status.error);

    {
        auto conversation = link.startConversation();
        configurePort(port, settings);
        const TransmissionResult woken = transmit(
            *conversation, {request.loggerNumber, TransmissionOrder::wakeOnly()}, installation);
        if (woken.status == LinkStatus::PortFailed)
            return refuse(output, UnattendedEnd::LinkFailed,
                          QStringLiteral("the port cannot be opened: %1")
                              .arg(conversation->portError().text));
        if (woken.status != LinkStatus::Ok) {
            conversation->closePort();
            return UnattendedEnd::LinkFailed;
        }
    }

    // The logger is stopped now: a stop request would leave it so, or with
    // half a set-up; the sending and the resume after it are seen through.
    const StopsHeld held(ticks);
    const SendingEnd end =
        sending.send(request.loggerNumber, {[&request](const QString& text) {
                                                if (request.progress && !text.isEmpty())
                                                    request.progress(text);
                                            },
                                            {}});
    switch (end) {
    case SendingEnd::Done:
        output.tellResult(outcomeText(sending, request.loggerNumber));
        return UnattendedEnd::Done;
    case SendingEnd::NotRestarted:
        output.tellResult(outcomeText(sending, request.loggerNumber));
        return refuse(output, UnattendedEnd::NotRestarted,
                      QStringLiteral("the logger is not scanning again"));
    case SendingEnd::NotSelected:
        return refuse(output, UnattendedEnd::LinkFailed,
                      QStringLiteral("logger %1 did not answer its address; nothing was sent")
                          .arg(request.loggerNumber));
    case SendingEnd::LostPartWay:
        return refuse(output, UnattendedEnd::LinkFailed,
                      QStringLiteral("logger %1 stopped answering part-way: its set-up is "
                                     "incomplete")
                          .arg(request.loggerNumber));
    case SendingEnd::PortFailed:
        return refuse(
            output, UnattendedEnd::LinkFailed,
            QStringLiteral("the port cannot be opened: %1").arg(sending.portError().text));
    case SendingEnd::Stopped:
    case SendingEnd::Busy:
        break;
    }
    return UnattendedEnd::LinkFailed;
}

} // namespace korven
