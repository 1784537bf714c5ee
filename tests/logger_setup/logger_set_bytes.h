#pragma once

#include "support/temp_folder.h"

#include <QByteArray>
#include <QList>

namespace korven::test {

// A channel record of the ".tmr" file, field by field in the order and at the
// widths of its layout.
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

// Channel n: its number in the description, every unit in turn, the masks and
// supplies round and round, and input types "0" to "6" then "C".
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

// The general record with a channel count (offset 0, two characters).
inline QByteArray parRecord(const QByteArray& channelCount) {
    QByteArray par = channelCount + "  " + "03" + "1" + QByteArray(16, ' ') + "1" + "256 K" + " " +
                     "ON " + "OFF" + "   ";
    return par;
}

inline void writeLoggerSet(const TempFolder& folder, const QList<LoggerChannelBytes>& channels,
                           const QByteArray& channelCount) {
    QByteArray tmr;
    for (const LoggerChannelBytes& channel : channels)
        tmr += channel.bytes();
    folder.write(QStringLiteral("logger.tmr"), tmr);
    folder.write(QStringLiteral("logger.par"), parRecord(channelCount));
}

} // namespace korven::test
