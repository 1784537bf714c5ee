#pragma once

#include "support/session_rig.h"
#include "support/test_installation.h"

#include <QApplication>
#include <QList>

namespace korven::test {

// A logger with `blocks` stored, one every ten minutes up to 12:00 on 5 March 2024.
inline sim::LoggerConfig loggerWith(int blocks) {
    sim::LoggerConfig config;
    config.blocks = blocks;
    return config;
}

// The scanning resumed message for logger 0, the one the download screens use.
inline const QString kResumed = resumedText(0);

// The test installation, its logger set-up resuming the scanning with acquisition.
inline void writeLoggerSetup(const TempFolder& folder) {
    writeProgramFolder(folder, '1');
}

// A channel file where channel n has n % 5 decimals and unit code n; all but 5 are on.
inline void writeChannelsWithUnits(const TempFolder& folder) {
    QByteArray file;
    for (int channel = 0; channel < 8; ++channel) {
        QByteArray record = field("Canale " + QByteArray::number(channel), 10);
        record += channel == 5 ? "OFF" : "ON ";
        record += QByteArray(13, ' ') + char('0' + channel % 5) + ' ' + char('0' + channel);
        file += field(record, 35);
    }
    folder.write("logger.tmr", file);
}

// The session over the download tests' installation.
struct DownloadRig : SessionRig {
    explicit DownloadRig(sim::LoggerConfig config = loggerWith(600)) : SessionRig(config) {
        writeLoggerSetup(folder);
    }

    // A download-pointer file whose unused bytes, all 'u', must be carried through.
    void writeDownloadPointer(int block) {
        folder.write("plant.PUN", downloadPointerRecord(block, {}, 'u'));
    }
    int storedPointer() const { return downloadPointerOf(folder.read("plant.PUN")); }

    // Block requests the logger has seen, in order.
    QList<QByteArray> blockRequests() {
        QList<QByteArray> requests;
        for (const QByteArray& command : port.logger().commands())
            if (command.startsWith('S'))
                requests.append(command);
        return requests;
    }
    // The block numbers of a table's lines.
    QList<QByteArray> tableBlocks(const QString& name) const {
        const QByteArray table = folder.read(name);
        QList<QByteArray> blocks;
        for (qsizetype at = 0; at + 104 <= table.size(); at += 104)
            blocks.append(table.mid(at, 4));
        return blocks;
    }
    // The open window of type T, if any.
    template <typename T> static T* openWindow() {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* window = qobject_cast<T*>(widget))
                return window;
        return nullptr;
    }
};

} // namespace korven::test
