#pragma once

#include "link/conversation.h"
#include "link/logger_clock.h"
#include "system_setup/installation.h"

#include <QByteArray>
#include <QDateTime>

#include <optional>

namespace korven {

// What a window asks of one logger through "Trasmissione". It is handed to
// the transmission window when that window is made, so what goes out is what
// the window's own caller asked for, whatever other windows ask meanwhile.
class TransmissionOrder {
public:
    enum class Operation {
        ReadClock,     // "H", and the logger's date and time read back
        SetClock,      // "G" and the moment, as a setting
        EmptyMemory,   // "Q0000Q", as a setting
        ReadLastBlock, // "j", and the block the logger writes next read back
        SetScan,       // "M", the interval and the sleep mode, as a setting
        // Only wake the logger and hand the code typed back: the channel
        // set-up sends its own commands to the woken logger.
        WakeOnly,
    };

    static TransmissionOrder readClock();
    static TransmissionOrder setClock(const QDateTime& moment);
    static TransmissionOrder emptyMemory();
    static TransmissionOrder readLastBlock();
    static TransmissionOrder setScan(int interval, int sleep);
    static TransmissionOrder wakeOnly();

    Operation operation() const { return operation_; }
    // The command text, without its CR (empty where the operation has its own).
    const QByteArray& command() const { return command_; }

private:
    TransmissionOrder(Operation operation, QByteArray command)
        : operation_(operation), command_(std::move(command)) {}

    Operation operation_;
    QByteArray command_;
};

struct TransmissionRequest {
    int loggerNumber = 0;
    TransmissionOrder order;
};

struct TransmissionResult {
    LinkStatus status = LinkStatus::Ok;
    std::optional<ClockReading> clock; // ReadClock
    std::optional<int> lastBlock;      // ReadLastBlock: the next block the logger writes
};

// The transmission to one logger over the port as it is set: wakes the
// logger and - unless only the wake-up was asked for - performs the
// operation, closes the port and puts the logger back into scanning as the
// installation's logger set-up says. Progress goes to the caller screen's
// label. A logger that does not wake gets nothing else, not even the resume.
TransmissionResult transmit(Conversation& conversation, const TransmissionRequest& request,
                            Installation& installation);

// The whole run: reads the port settings from the identity file into the
// shared record, sets the port, and transmits.
TransmissionResult runTransmission(Conversation& conversation, Installation& installation,
                                   const TransmissionRequest& request);

} // namespace korven
