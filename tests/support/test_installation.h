#pragma once

#include "support/temp_folder.h"

#include <QByteArray>

namespace korven::test {

// The installation's files written byte by byte at the offsets of their
// record layouts, so that the tests never lean on the code they check.

// A field of `size` bytes: the text, blank-padded and cut to fit.
QByteArray field(const QByteArray& text, int size);
// A 16-bit word as the record files hold it, low byte first.
QByteArray int16Bytes(int value);

// The identity record (".pas", 250 bytes, blank-filled): the number of
// loggers, the port ('0' to '3': COM 1 to COM 4) and its speed ('0', '1',
// '2': 2400, 4800, 9600 baud), and the modem: telephone number, status ('0'
// activated, '1' not), four initialisation strings, dialling ('0' tones).
struct IdentityRecord {
    QByteArray loggerCount;
    char comIndex = '0';
    char speedIndex = '2';
    QByteArray number;
    char status = ' ';
    QByteArray inits[4];
    char dialling = ' ';

    QByteArray bytes() const;
};

// "config.dat": the system set-up and the logger set-up (no extension) it
// names, and the password with its state.
QByteArray settingsRecord(const QByteArray& systemFile, const QByteArray& loggerBase,
                          const QByteArray& password = QByteArray(20, '\0'), bool active = false);

// ".PUN": the block the next download starts at and the date of the last
// download; every other byte is `fill`.
QByteArray downloadPointerRecord(int lastBlock, const QByteArray& date = {}, char fill = '\0');
// The pointer of a ".PUN", from 0 to 65535.
int downloadPointerOf(const QByteArray& record);

// ".DIR": the name of the last data file, then 100 unused bytes.
QByteArray dataDirectoryRecord(const QByteArray& dataFileName);

// The logger set-up: ".par" with eight channels, digital input 1 on and 2
// off, and the scanning resumed with acquisition and auto-sleep as the flags
// say ('0' or '1'); ".tmr" with channels "Canale 0" to "Canale 7".
QByteArray loggerParRecord(char acquisition, char autoSleep = '0');
QByteArray loggerChannelRecords();

// A program folder with one installation: the system set-up "plant" whose
// identity names COM 1 at 9600 baud, the logger set-up "logger" above, and
// "config.dat" naming both by their full paths.
void writeProgramFolder(const TempFolder& folder, char acquisition);

} // namespace korven::test
