#include "reading/unattended_reading.h"

#include "reading/treat_value.h"

#include <QStringList>

namespace korven {

namespace {

const QString kSeparator = QStringLiteral(",");

QString isoTime(const QDateTime& at) {
    return at.toOffsetFromUtc(at.offsetFromUtc()).toString(Qt::ISODate);
}

} // namespace

UnattendedReading::UnattendedReading(const QString& programFolder,
                                     const UnattendedReadingRequest& request, SerialPort& port,
                                     Ticks& ticks, LinkReporter& reporter,
                                     const UnattendedOutput& output)
    : programFolder_(programFolder), request_(request), ticks_(ticks), link_(port, ticks, reporter),
      output_(output) {
    job_.setClock(request_.now);
}

bool UnattendedReading::readSetup() {
    if (const FileStatus status = readInstallationSettings(programFolder_, installation_);
        !status) {
        refuse(status.error);
        return false;
    }
    if (const ReadingSetupStatus status = job_.readSetup(); !status) {
        refuse(QStringLiteral("%1: %2").arg(status.path, status.status.error));
        return false;
    }
    const ReadingSetup& setup = job_.setup();
    if (request_.channel && *request_.channel >= setup.channelsRead()) {
        refuse(QStringLiteral("channel %1 is not read on this logger: its set-up has %2 channels")
                   .arg(*request_.channel)
                   .arg(setup.channelCount));
        return false;
    }
    const auto active =
        std::count_if(setup.channels.cbegin(), setup.channels.cbegin() + setup.channelsRead(),
                      [](const ReadingChannel& channel) { return channel.active; });
    if (!request_.channel && active == 0) {
        refuse(QStringLiteral("no channel of this logger is active in %1")
                   .arg(installation_.systemFilePath));
        return false;
    }
    return true;
}

UnattendedEnd UnattendedReading::run() {
    if (!readSetup())
        return UnattendedEnd::BadSetup;
    const LinkStatus awake = job_.wake();
    if (awake == LinkStatus::PortFailed) {
        output_.tellProblem(
            QStringLiteral("the port cannot be opened: %1").arg(job_.portError().text));
        return UnattendedEnd::LinkFailed;
    }
    // Stopped before the logger answered: nothing was read.
    if (awake != LinkStatus::Ok)
        return UnattendedEnd::LinkFailed;
    woken_ = true;

    reading_ = true;
    const UnattendedEnd end = interrupted_ ? UnattendedEnd::Done : read();
    reading_ = false;
    resuming_ = true;
    const LinkStatus resumed = job_.resume();
    resuming_ = false;
    // The resume's success is never the last word on a reading that failed.
    if (end == UnattendedEnd::LinkFailed)
        output_.tellProblem(QStringLiteral("link failure: the logger stopped answering during "
                                           "the reading"));
    if (resumed == LinkStatus::Ok || end != UnattendedEnd::Done)
        return end;
    return printed_ > 0 ? UnattendedEnd::NotRestarted : UnattendedEnd::LinkFailed;
}

void UnattendedReading::interrupt() {
    if (resuming_)
        return;
    interrupted_ = true;
    // Once readings are under way the one on the line is finished, as with
    // --count: a reply cut in the middle would leave its tail to spoil the
    // handshake that puts the logger back into scanning.
    if (reading_) {
        job_.stop();
        return;
    }
    link_.requestStop();
    // Until the logger has answered, what runs for the reading is the
    // wake-up or a modem call placed for it, on a link of its own: the time
    // base's stop reaches it, and it ends at once.
    if (!woken_)
        ticks_.requestStop();
}

UnattendedEnd UnattendedReading::read() {
    ReadingEnd end;
    if (request_.channel) {
        end = job_.readOneChannel(
            *request_.channel,
            [this](const ChannelReading& reading) {
                printReading(reading);
                counted();
            },
            request_.interval.value_or(1));
    } else {
        AllChannelsObserver observer;
        observer.read = [this](const ChannelReading& reading) { printReading(reading); };
        observer.digitalRead = [this](const DigitalInputsReading& inputs) {
            printDigitalInputs(inputs);
        };
        observer.passEnded = [this] { counted(); };
        end = job_.readAllChannels(observer, request_.interval.value_or(0));
    }
    switch (end) {
    case ReadingEnd::Stopped:
    case ReadingEnd::Interrupted:
        return UnattendedEnd::Done;
    default:
        return UnattendedEnd::LinkFailed;
    }
}

void UnattendedReading::counted() {
    ++counted_;
    if (request_.count && counted_ >= *request_.count)
        job_.stop();
}

void UnattendedReading::printReading(const ChannelReading& reading) {
    QStringList fields{isoTime(reading.at), QString::number(reading.channel),
                       csvField(replyWithoutEnd(reading.reply))};
    if (request_.treated) {
        fields << (reading.treated ? valueText(*reading.treated) : QString())
               << csvField(job_.setup().channels.at(reading.channel).unit);
        // A reply that is no reading is printed as it came, never treated.
        if (!reading.treated)
            output_.tellProblem(
                QStringLiteral("channel %1: the reply is not a reading").arg(reading.channel));
    }
    output_.tellResult(fields.join(kSeparator));
    ++printed_;
}

void UnattendedReading::printDigitalInputs(const DigitalInputsReading& inputs) {
    const QDateTime at = job_.now();
    const auto print = [&](const QString& name, const QString& contacts) {
        QStringList fields{isoTime(at), name, csvField(contacts)};
        if (request_.treated)
            fields << QString() << QString();
        output_.tellResult(fields.join(kSeparator));
        ++printed_;
    };
    if (job_.setup().digital1Active)
        print(QStringLiteral("D1"), inputs.input1);
    if (job_.setup().digital2Active)
        print(QStringLiteral("D2"), inputs.input2);
}

QString csvField(const QString& text) {
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') &&
        !text.contains(u'\r'))
        return text;
    return u'"' + QString(text).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

} // namespace korven
