#pragma once

#include "platform/record.h"
#include "platform/record_file.h"
#include "platform/serial_port.h"
#include "system_setup/installation.h"

#include <QString>

namespace korven {

// The two port settings kept in the logger identity record: COM index 0-3
// (COM 1 to COM 4) and speed index 0-2 (2400, 4800, 9600 baud).
struct PortSettings {
    int comIndex = 0;
    int speedIndex = 0;

    int portNumber() const { return comIndex + 1; }
    int baud() const;
    // "2400,n,8,2", "4800,n,8,2" or "9600,n,8,2".
    QString lineSettings() const;
    // The port panel of the status bar, as "Com 2, 9600".
    QString portText() const;
};

PortSettings portSettingsOf(const Record& identity);
// Stores both indexes as one digit each.
void storePortSettings(const PortSettings& settings, Record& identity);

// Reads the identity record of the installation's system set-up into its
// shared copy and takes the port settings from it. A file that does not exist
// is reported and creates nothing; the settings then come from the record as
// it was.
FileStatus readPortSettings(Installation& installation, PortSettings& settings);

// Closes the port if it is open and gives it the number and line settings; the
// port is left closed.
void configurePort(SerialPort& port, const PortSettings& settings);

} // namespace korven
