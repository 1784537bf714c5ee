#pragma once

#include "support/temp_folder.h"

#include <QByteArray>
#include <QList>

namespace korven::test {

// A system channel record put together field by field, each text at its full width.
struct SystemChannelBytes {
    qint16 index = 0;                             // 0
    QByteArray moduleCode = "000";                // 2
    QByteArray moduleChannel = "0000";            // 5
    QByteArray activation = "OFF";                // 9
    QByteArray upper = "+10000";                  // 12
    QByteArray lower = "-10000";                  // 18
    QByteArray treatment = "01";                  // 24
    QByteArray gain = "+20000";                   // 26
    QByteArray zero = "+00000";                   // 32
    qint16 mask = 3;                              // 38
    QByteArray description = QByteArray(20, ' '); // 40
    QByteArray unit = "Volt";                     // 60
    QByteArray reserved = "000000000";            // 64: five codes
    qint16 spare = 0;                             // 73

    QByteArray bytes() const {
        return word(index) + moduleCode + moduleChannel + activation + upper + lower + treatment +
               gain + zero + word(mask) + description + unit + reserved + word(spare);
    }

    static QByteArray word(qint16 value) {
        const auto raw = static_cast<quint16>(value);
        return QByteArray(1, char(raw & 0xFF)) + QByteArray(1, char(raw >> 8));
    }
};

// A channel whose number shows in its module channel, description and spare word.
inline SystemChannelBytes distinctChannel(int n) {
    SystemChannelBytes channel;
    channel.index = static_cast<qint16>(n);
    channel.moduleCode = "012";
    channel.moduleChannel = QByteArray::number(n).rightJustified(4, '0');
    channel.activation = n % 2 ? "ON " : "OFF";
    channel.gain = "+01234";
    channel.zero = "-00050";
    channel.mask = 2;
    channel.description = ("CANALE " + QByteArray::number(n)).leftJustified(20, ' ');
    channel.unit = "bar ";
    channel.reserved = "123456789";
    channel.spare = static_cast<qint16>(1000 + n);
    return channel;
}

inline QList<SystemChannelBytes> distinctChannels(int count) {
    QList<SystemChannelBytes> channels;
    for (int n = 0; n < count; ++n)
        channels.append(distinctChannel(n));
    return channels;
}

inline void writeSystemFile(const TempFolder& folder, const QList<SystemChannelBytes>& channels) {
    QByteArray bytes;
    for (const SystemChannelBytes& channel : channels)
        bytes += channel.bytes();
    folder.write(QStringLiteral("plant.stp"), bytes);
}

// The identity file with "Nr. Logger" (offset 12, three characters) set.
inline void writeLoggerCount(const TempFolder& folder, const QByteArray& loggers) {
    QByteArray identity(250, '\0');
    identity.replace(12, 3, loggers.leftJustified(3, ' '));
    folder.write(QStringLiteral("plant.pas"), identity);
}

} // namespace korven::test
