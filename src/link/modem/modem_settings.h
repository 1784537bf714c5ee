#pragma once

#include "platform/record.h"

#include <QByteArray>
#include <QString>

#include <array>

namespace korven {

// The modem settings kept in the logger identity record, as "Modem Setup"
// edits them.
struct ModemSettings {
    static constexpr int kInitStrings = 4;

    QString telephoneNumber;                       // as stored: 19 characters, blank-padded
    int status = 1;                                // 0 "Attivato", 1 "Non attivato"
    std::array<QString, kInitStrings> initStrings; // as stored: 12 characters each
    int dialling = 0;                              // 0 "Toni", 1 "Impulsi"

    // The number to dial, without the blanks around it.
    QByteArray dialledNumber() const;
    // What the user is asked to dial: the field up to one past its first blank.
    QString announcedNumber() const;
    // Initialisation string n (0-3) without the blanks around it; empty when
    // there is nothing to send.
    QByteArray initString(int n) const;
    bool pulses() const { return dialling == 1; }
};

// Reads the settings from the identity record. A flag that is not a digit
// reads as 0, as the start-up reads the modem flag.
ModemSettings modemSettingsOf(const Record& identity);
// Stores them: the two flags as one digit each, the texts cut to their fields.
void storeModemSettings(const ModemSettings& settings, Record& identity);

// The modem is activated unless its flag is "1" (a record never set up
// counts as activated, as at start-up).
bool isModemActivated(const Record& identity);

} // namespace korven
