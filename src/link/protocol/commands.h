#pragma once

#include "platform/record.h"

#include <QByteArray>
#include <QDateTime>

// What the program sends a logger. Text commands are given without their
// closing CR, which the conversation adds as it sends them.
namespace korven::command {

// Wakes a sleeping logger: 200 bytes of 0xFF, sent as one write.
QByteArray wakeBurst();
// Selects the logger numbered `loggerNumber`: the byte 128 + number (0
// reaches any logger). Every command needs its own.
QByteArray address(int loggerNumber);

inline const QByteArray stopScanning = QByteArrayLiteral("z");
inline const QByteArray scanWithAcquisition = QByteArrayLiteral("Z");
inline const QByteArray autoSleep = QByteArrayLiteral("Y");
inline const QByteArray lastBlockRequest = QByteArrayLiteral("j");
inline const QByteArray digitalInputsRequest = QByteArrayLiteral("A0");
inline const QByteArray clockRequest = QByteArrayLiteral("H");
// Empties the logger's memory: its next block is block 0 again.
inline const QByteArray memoryReset = QByteArrayLiteral("Q0000Q");
// A lone CR: clears whatever the logger had collected of a command.
inline const QByteArray clearLine = QByteArrayLiteral("");

// "S" and the last three hexadecimal digits of the block number, upper case
// ("S01A" for 26, "S000" for 4096): block numbers wrap at 4096 on the wire.
QByteArray blockRequest(int block);
// "G" and the moment as YYMMDDhhmmss ("G240305090703"): the logger keeps
// only the last two digits of the year.
QByteArray clockSetting(const QDateTime& moment);
// "M", the scan interval 0-7 and the auto-sleep flag 0-1, one digit each
// ("M31": 30 minutes, auto-sleep on).
QByteArray scanSetting(int interval, int sleep);
// "F" and the channel 0-7 as one digit ("F3"), as the all-channels reading
// asks, or as two ("F03"), as the single-channel reading does.
QByteArray channelReading(int channel, int digits);

// "P": the parameters of analog channel 0-7, taken from its record of the
// channel file, 35 characters such as "P3PRESSIONE 3612411+30391-009658061".
// The line carries printable ASCII only: a control byte (the zero bytes of a
// set never saved) or a byte of 128 and up (which a logger takes for an
// address byte) goes out as a blank.
QByteArray channelParameters(int channel, const Record& channelRecord);
// "C0": the logger works with four analog channels; "C1": with eight.
QByteArray channelCount(bool fourChannels);

} // namespace korven::command
