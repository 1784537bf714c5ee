#pragma once

#include "support/temp_folder.h"

#include <QByteArray>
#include <QList>

namespace korven::test {

// A channel record of the ".tmr" file, field by field.
struct LoggerChannelBytes {
    QByteArray description = "          "; // 0
    QByteArray active = "OFF";             // 10
    QByteArray gain = "+01234";            // 13
    QByteArray zero = "-00050";            // 19
    QByteArray inputType = "0";            // 25
    QByteArray decimals = "0";             // 26
    QByteArray supply = "0";               // 27
    QByteArray unit = "0";                 // 28
    QByteArray scalingCopy = "OFF";        // 29
    QByteArray scaling = "ON ";            // 32

    QByteArray bytes() const {
        return description + active + gain + zero + inputType + decimals + supply + unit +
               scalingCopy + scaling;
    }
};

// Channel n: its number in the description, every code round and round.
inline LoggerChannelBytes distinctLoggerChannel(int n) {
    LoggerChannelBytes channel;
    channel.description = ("SENSORE " + QByteArray::number(n)).leftJustified(10, ' ');
    channel.active = n % 2 ? "ON " : "OFF";
    channel.inputType = QByteArray(1, "0123456C"[n % 8]);
    channel.decimals = QByteArray::number(n % 5);
    channel.supply = QByteArray::number(n % 5);
    channel.unit = QByteArray::number(n % 8);
    return channel;
}

inline QList<LoggerChannelBytes> distinctLoggerChannels(int count = 8) {
    QList<LoggerChannelBytes> channels;
    for (int n = 0; n < count; ++n)
        channels.append(distinctLoggerChannel(n));
    return channels;
}

// The general record, field by field: channel count (0), unused (2), scan
// code (4), sleep flag (6), unused (7), acquisition flag (23), memory size
// (24), unused (29), digital inputs (30, 33), unused (36).
inline QByteArray generalRecord(const QByteArray& channelCount, const QByteArray& scan = "03",
                                char sleep = '1', char acquisition = '1') {
    return channelCount + "  " + scan + sleep + QByteArray(16, ' ') + acquisition + "256 K" + " " +
           "ON " + "OFF" + "   ";
}

inline void writeLoggerSet(const TempFolder& folder, const QList<LoggerChannelBytes>& channels,
                           const QByteArray& channelCount) {
    QByteArray tmr;
    for (const LoggerChannelBytes& channel : channels)
        tmr += channel.bytes();
    folder.write(QStringLiteral("logger.tmr"), tmr);
    folder.write(QStringLiteral("logger.par"), generalRecord(channelCount));
}

// Eight distinct channels and `channelCount`.
inline void writeLoggerSet(const TempFolder& folder, const QByteArray& channelCount = "8 ") {
    writeLoggerSet(folder, distinctLoggerChannels(), channelCount);
}

} // namespace korven::test
