#pragma once

#include "link/link_reporter.h"
#include "link/logger_link.h"
#include "link/unattended.h"
#include "platform/serial_port.h"
#include "platform/ticks.h"
#include "reading/reading_job.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

namespace korven {

// A live reading run without anyone at the screen: one channel, or every
// active channel and the digital inputs as the all-channels screen reads them.
struct UnattendedReadingRequest {
    std::optional<int> channel; // empty for all channels
    bool treated = false;       // add the treated value and the unit to each line
    // Readings of the channel, or passes over all channels; empty for as many
    // as come until interrupt().
    std::optional<int> count;
    // Seconds from one reading (or pass) to the next; empty for one second
    // with a channel, none between passes.
    std::optional<int> interval;
    std::function<QDateTime()> now; // the computer's clock when empty
};

// Runs the reading with the set-up of the program folder's "config.dat" and
// prints one CSV line per reading to `output`'s results: time (ISO 8601 with
// the offset from UTC), channel, the reply without its trailing blanks and
// CR, and with `treated` the treated value and the channel's unit. The
// digital inputs come as channels "D1" and "D2", for the inputs switched on.
// Whenever the logger was woken it is put back into scanning at the end.
class UnattendedReading {
public:
    UnattendedReading(const QString& programFolder, const UnattendedReadingRequest& request,
                      SerialPort& port, Ticks& ticks, LinkReporter& reporter,
                      const UnattendedOutput& output);

    UnattendedEnd run();
    // Ends the reading (Ctrl+C): at once while the logger is being woken
    // (the run then fails, LinkFailed), else once the reading or pass under
    // way is whole; a logger woken still goes back to scanning. Does nothing
    // while it is being put back.
    void interrupt();

private:
    bool readSetup();
    UnattendedEnd read();
    void printReading(const ChannelReading& reading);
    void printDigitalInputs(const DigitalInputsReading& inputs);
    void counted();
    UnattendedEnd refuse(const QString& why) {
        output_.tellProblem(why);
        return UnattendedEnd::BadSetup;
    }

    QString programFolder_;
    UnattendedReadingRequest request_;
    Ticks& ticks_;
    LoggerLink link_;
    UnattendedOutput output_;
    Installation installation_;
    ReadingJob job_{link_, installation_};
    int counted_ = 0;
    int printed_ = 0;
    bool interrupted_ = false;
    bool woken_ = false;
    bool reading_ = false;
    bool resuming_ = false;
};

// One CSV field: quoted when it holds a comma, a quote or a line break.
QString csvField(const QString& text);

} // namespace korven
