#pragma once

#include "link/link_reporter.h"
#include "link/modem/modem_reporter.h"
#include "link/unattended.h"
#include "platform/serial_port.h"
#include "platform/ticks.h"

#include <QString>

#include <functional>

namespace korven {

// A job run without anyone at the screen (korvenctl --modem) through the
// modem of the installation that "config.dat" in `programFolder` names.
// The job gets a port that dials the first time it is opened (see
// DialledPort), so a job that refuses its arguments or its files never
// dials. Once the job has ended - done, failed, or stopped by a stop request
// on `ticks` - the modem is hung up whenever a number was dialled, and
// nothing stops the hang-up. An installation whose modem is not activated,
// or has no telephone number, is refused before anything is sent.
//
// The call wakes the logger; a job that ends without putting it back into
// scanning (stopped, or failed part-way) leaves that to the hang-up, which
// resumes it through the call before the line goes.
//
// The job's own end, unless after a job that went well the modem could not
// be hung up (LinkFailed, since the line may still be held) or the logger
// could not be put back into scanning (NotRestarted).
UnattendedEnd
runThroughModem(const QString& programFolder, SerialPort& port, Ticks& ticks,
                LinkReporter& linkReporter, ModemReporter& modemReporter,
                const UnattendedOutput& output,
                const std::function<UnattendedEnd(SerialPort& line, LinkReporter& reporter)>& job);

} // namespace korven
