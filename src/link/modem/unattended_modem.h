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
// The job reports its link through the reporter it is given, which passes
// everything on to `linkReporter`. The call's own wake-up stops the logger's
// scanning: when the job has not put it back (a stop that came before the job
// had the logger), it is put back here, before the hang-up.
//
// The job's own end, unless the modem could not be hung up after a job that
// went well: then LinkFailed, since the line may still be held.
UnattendedEnd
runThroughModem(const QString& programFolder, SerialPort& port, Ticks& ticks,
                LinkReporter& linkReporter, ModemReporter& modemReporter,
                const UnattendedOutput& output,
                const std::function<UnattendedEnd(SerialPort& line, LinkReporter& reporter)>& job);

} // namespace korven
