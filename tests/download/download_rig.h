#pragma once

#include "download/download_test_setup.h"
#include "support/session_rig.h"

#include <QList>

namespace korven::test {

// A logger with `blocks` stored, the newest written at 12:00 on 5 March
// 2024, one every ten minutes before it.
inline sim::LoggerConfig loggerWith(int blocks) {
    sim::LoggerConfig config;
    config.blocks = blocks;
    return config;
}

// The scanning resumed message for logger 0, the one the download screens use.
inline const QString kResumed = resumedText(0);

// The download tests' logger set-up, written into the folder.
inline void writeLoggerSetup(const TempFolder& folder) {
    folder.write("logger.par", downloadTestPar());
    folder.write("logger.tmr", downloadTestChannels());
}

// The channel file with a unit, decimals and activation for each channel,
// written at the layout's offsets: channel n has n % 5 decimals and unit code
// n, and all but channel 5 are on.
inline void writeChannelsWithUnits(const TempFolder& folder) {
    QByteArray file;
    for (int channel = 0; channel < 8; ++channel) {
        QByteArray record(LoggerChannelLayout::recordLength, ' ');
        record.replace(LoggerChannelLayout::description.offset, 10,
                       QByteArray("Canale " + QByteArray::number(channel)).leftJustified(10));
        record.replace(LoggerChannelLayout::activeFlag.offset, 3, channel == 5 ? "OFF" : "ON ");
        record[LoggerChannelLayout::decimals.offset] = char('0' + channel % 5);
        record[LoggerChannelLayout::unit.offset] = char('0' + channel);
        file += record;
    }
    folder.write("logger.tmr", file);
}

// The session over the download tests' logger set-up.
struct DownloadRig : SessionRig {
    explicit DownloadRig(sim::LoggerConfig config = loggerWith(600)) : SessionRig(config) {
        writeLoggerSetup(folder);
    }

    // A download-pointer file whose unused bytes are all 'u', so that a test
    // sees they are carried through.
    void writeDownloadPointer(qint16 block) {
        QByteArray pointer(DownloadPointerLayout::recordLength, 'u');
        pointer[12] = char(block & 0xFF);
        pointer[13] = char((block >> 8) & 0xFF);
        folder.write("plant.PUN", pointer);
    }
    int storedPointer() const {
        const QByteArray pointer = folder.read("plant.PUN");
        return qint16(quint8(pointer.at(12)) | quint8(pointer.at(13)) << 8);
    }

    // Block requests the logger has seen, in order.
    QList<QByteArray> blockRequests() {
        QList<QByteArray> requests;
        for (const QByteArray& command : port.logger().commands())
            if (command.startsWith('S'))
                requests.append(command);
        return requests;
    }
};

} // namespace korven::test
