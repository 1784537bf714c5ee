#pragma once

#include "logger_setup/logger_setup_layouts.h"
#include "support/session_rig.h"
#include "system_setup/system_channel_layout.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

namespace korven::test {

// One system channel as the reading screens read it.
struct SystemChannel {
    QByteArray description;
    QByteArray unit = "Volt";
    QByteArray treatment = "0 ";
    QByteArray gain = "+20000";
    QByteArray zero = "+00000";
    QByteArray activation = "ON ";
    qint16 maskIndex = 3;
};

// The set-up files a live reading reads, written byte by byte from their
// layouts: the general parameters (".par") and the first eight records of
// the system set-up (".stp").
struct ReadingFiles {
    QByteArray channelCount = "8 ";
    QByteArray digital1 = "ON ";
    QByteArray digital2 = "OFF";
    std::array<SystemChannel, 8> channels;

    ReadingFiles() {
        for (int n = 0; n < 8; ++n)
            channels[n].description = "Sonda " + QByteArray::number(n);
        // Channel 2 is treated: "A*x+B" with gain 2 and zero 10, two decimals.
        channels[2] = {"Pressione linea", "mV", "01", "+00002", "+00010", "ON ", 2};
    }

    // Resuming the scanning restarts acquisition ("Z").
    QByteArray par() const {
        QByteArray record(LoggerParLayout::recordLength, ' ');
        record.replace(LoggerParLayout::channelCount.offset, 2, channelCount);
        record[LoggerParLayout::sleepFlag.offset] = '0';
        record[LoggerParLayout::acquisitionFlag.offset] = '1';
        record.replace(LoggerParLayout::digital1Flag.offset, 3, digital1);
        record.replace(LoggerParLayout::digital2Flag.offset, 3, digital2);
        return record;
    }

    QByteArray stp() const {
        using L = SystemChannelLayout;
        QByteArray file;
        for (int n = 0; n < 8; ++n) {
            const SystemChannel& channel = channels[n];
            QByteArray record(L::recordLength, ' ');
            record.replace(L::activation.offset, 3, channel.activation);
            record.replace(L::treatmentCode.offset, 2, channel.treatment);
            record.replace(L::gain.offset, 6, channel.gain);
            record.replace(L::zero.offset, 6, channel.zero);
            record[L::decimalMaskIndex.offset] = char(channel.maskIndex & 0xFF);
            record[L::decimalMaskIndex.offset + 1] = char(channel.maskIndex >> 8);
            record.replace(L::description.offset, 20, channel.description.leftJustified(20, ' '));
            record.replace(L::unit.offset, 4, channel.unit.leftJustified(4, ' '));
            file += record;
        }
        return file;
    }

    void writeTo(const TempFolder& folder) const {
        folder.write("logger.par", par());
        folder.write("plant.stp", stp());
    }
};

inline const QString kResumed = resumedText(0);

// A session over the simulated logger with the reading set-up written.
struct ReadingRig : SessionRig {
    explicit ReadingRig(const ReadingFiles& files = {}, const sim::LoggerConfig& logger = {})
        : SessionRig(logger) {
        files.writeTo(folder);
    }

    // The readings the logger was asked for, in order ("F0", "F03", "A0").
    QList<QByteArray> readingRequests() {
        QList<QByteArray> requests;
        for (const QByteArray& command : port.logger().commands())
            if (command.startsWith('F') || command == "A0")
                requests.append(command);
        return requests;
    }
};

} // namespace korven::test
