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
inline const QString kResumed =
    QStringLiteral("Procedura terminata con successo\rKORVEN nr. 0 in scansione");

// The session over the download tests' logger set-up.
struct DownloadRig : SessionRig {
    explicit DownloadRig(sim::LoggerConfig config = loggerWith(600)) : SessionRig(config) {
        folder.write("logger.par", downloadTestPar());
        folder.write("logger.tmr", downloadTestChannels());
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
