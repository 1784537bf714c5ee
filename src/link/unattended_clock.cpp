#include "link/unattended_clock.h"

#include "link/clock_drift.h"
#include "link/logger_clock.h"
#include "link/logger_link.h"
#include "link/port_settings.h"
#include "link/resume_scanning.h"
#include "link/wake_logger.h"
#include "logger_setup/logger_setup_files.h"
#include "system_setup/installation.h"

#include <cstdlib>

namespace korven {

namespace {

const QString kMomentFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

// "+3600 s", "0 s", "-2 s".
QString signedSeconds(qint64 seconds) {
    return (seconds > 0 ? QStringLiteral("+") : QString()) + QString::number(seconds) +
           QStringLiteral(" s");
}

class ClockRun {
public:
    ClockRun(const QString& programFolder, const UnattendedClockRequest& request, SerialPort& port,
             Ticks& ticks, LinkReporter& reporter, const UnattendedOutput& output)
        : programFolder_(programFolder), request_(request), link_(port, ticks, reporter),
          output_(output) {}

    UnattendedEnd run();

private:
    FileStatus readSetup();
    UnattendedEnd talk(Conversation& conversation);
    // Ends the talk as `end`; `why` is told once the logger is scanning again,
    // so that the resume's success is never the last word on a failure.
    UnattendedEnd fail(UnattendedEnd end, const QString& why) {
        why_ = why;
        return end;
    }
    void tellReading(const ClockReading& reading) const;
    bool wanted(const ClockReading& reading) const;

    const QString& programFolder_;
    const UnattendedClockRequest& request_;
    LoggerLink link_;
    const UnattendedOutput& output_;
    Installation installation_;
    PortSettings port_;
    QString why_;
};

FileStatus ClockRun::readSetup() {
    FileStatus status = readInstallationSettings(programFolder_, installation_);
    if (status)
        status = readPortSettings(installation_, port_);
    // Putting the logger back into scanning reads the general record; without
    // it the logger would be left stopped.
    if (status)
        status =
            RecordFile(parFilePath(installation_.loggerSetupPath), LoggerParLayout::recordLength)
                .readExisting(1, installation_.loggerRecords.par);
    return status;
}

UnattendedEnd ClockRun::run() {
    if (const FileStatus status = readSetup(); !status)
        return output_.refuse(UnattendedEnd::BadSetup, status.error);

    std::optional<Conversation> conversation = link_.startConversation();
    configurePort(link_.port(), port_);
    conversation->state().loggerNumber = request_.loggerNumber;
    if (conversation->openPort())
        return output_.refuse(
            UnattendedEnd::LinkFailed,
            QStringLiteral("the port cannot be opened: %1").arg(conversation->portError().text));
    if (wakeLogger(*conversation) != LinkStatus::Ok) {
        conversation->closePort();
        return UnattendedEnd::LinkFailed;
    }
    // The logger is stopped now: what follows, its resume included, is seen
    // through rather than left half done by a stop request.
    const StopsHeld held(conversation->ticks());

    UnattendedEnd end = talk(*conversation);
    conversation->closePort();
    // Read or not, set or not, the logger goes back to its scanning.
    const ResumedLine line = conversation->heardFrom(request_.loggerNumber)
                                 ? ResumedLine::Logger
                                 : ResumedLine::WithoutLogger;
    if (resumeScanning(*conversation, installation_.loggerSetupPath,
                       installation_.loggerRecords.par, line) != LinkStatus::Ok &&
        end == UnattendedEnd::Done)
        end = UnattendedEnd::NotRestarted;
    if (!why_.isEmpty())
        output_.tellProblem(why_);
    return end;
}

UnattendedEnd ClockRun::talk(Conversation& conversation) {
    const ClockQuery before = requestClock(conversation);
    if (!before.reading)
        return fail(UnattendedEnd::LinkFailed, QStringLiteral("the logger did not tell its clock"));
    tellReading(*before.reading);
    if (!request_.set)
        return UnattendedEnd::Done;
    if (!wanted(*before.reading)) {
        output_.tellResult(
            QStringLiteral("clock not set: the drift is within %1 s").arg(*request_.ifDriftOver));
        return UnattendedEnd::Done;
    }

    const ClockSetting setting = setClockToComputer(conversation);
    if (setting.status != LinkStatus::Ok)
        return fail(UnattendedEnd::LinkFailed,
                    QStringLiteral("the logger did not take the clock setting"));
    output_.tellResult(QStringLiteral("clock set to:   ") + setting.moment.toString(kMomentFormat));
    const ClockQuery after = requestClock(conversation);
    if (!after.reading)
        return fail(UnattendedEnd::LinkFailed,
                    QStringLiteral("the logger did not tell its clock after the setting"));
    tellReading(*after.reading);
    return UnattendedEnd::Done;
}

void ClockRun::tellReading(const ClockReading& reading) const {
    const LoggerClock& logger = reading.logger;
    output_.tellResult(QStringLiteral("logger clock:   ") +
                       (logger.moment.isValid()
                            ? logger.moment.toString(kMomentFormat)
                            : logger.date + u' ' + logger.time + QStringLiteral(", not a date")));
    output_.tellResult(QStringLiteral("computer clock: ") +
                       reading.computer.toString(kMomentFormat));
    const std::optional<qint64> drift = driftSeconds(reading);
    output_.tellResult(QStringLiteral("drift:          ") +
                       (drift ? signedSeconds(*drift) : QStringLiteral("unknown")));
}

// A logger whose date is no date is always set.
bool ClockRun::wanted(const ClockReading& reading) const {
    const std::optional<qint64> drift = driftSeconds(reading);
    return !request_.ifDriftOver || !drift || std::llabs(*drift) > *request_.ifDriftOver;
}

} // namespace

UnattendedEnd runUnattendedClock(const QString& programFolder,
                                 const UnattendedClockRequest& request, SerialPort& port,
                                 Ticks& ticks, LinkReporter& reporter,
                                 const UnattendedOutput& output) {
    return ClockRun(programFolder, request, port, ticks, reporter, output).run();
}

} // namespace korven
