#pragma once

#include "logger_setup/logger_setup_layouts.h"
#include "shell/session.h"
#include "support/scripted_prompter.h"
#include "support/simulated_port.h"
#include "support/temp_folder.h"
#include "support/virtual_clock.h"
#include "system_setup/side_file_layouts.h"

#include <QList>
#include <QPushButton>
#include <QQueue>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace korven::test {

// Save dialogs answered from a script; an empty script cancels.
struct ScriptedSaveDialog : FileChooser {
    std::optional<QString> chooseOpenFile(const OpenFileRequest&) override { return {}; }
    std::optional<QString> chooseSaveFile(const SaveFileRequest& request) override {
        requests.append(request);
        return answers.isEmpty() ? std::nullopt : answers.dequeue();
    }
    QQueue<std::optional<QString>> answers;
    QList<SaveFileRequest> requests;
};

struct NoDocuments : DocumentOpener {
    bool openDocument(const QString&, const QString&, QString*) override { return false; }
    bool openLink(const QString&) override { return false; }
};

// The logger the download tests talk to: 600 blocks stored, the newest
// written at 12:00 on 5 March 2024, one every ten minutes before it.
inline sim::LoggerConfig loggerWith600Blocks() {
    sim::LoggerConfig config;
    config.blocks = 600;
    return config;
}

// A session over the simulated logger on virtual time. The system set-up
// names COM 1 at 9600 baud; the logger set-up has digital input 1 on and 2
// off, restarts acquisition when scanning resumes, and names its channels
// "Canale 0" to "Canale 7".
struct DownloadRig {
    explicit DownloadRig(sim::LoggerConfig config = loggerWith600Blocks()) : port(clock, config) {
        session.systemFilePath = folder.path("plant.stp");
        session.loggerSetupPath = folder.path("logger");
        writeIdentity('0', '2');

        QByteArray par(LoggerParLayout::recordLength, ' ');
        par.replace(LoggerParLayout::channelCount.offset, 2, "8 ");
        par[LoggerParLayout::sleepFlag.offset] = '0';
        par[LoggerParLayout::acquisitionFlag.offset] = '1';
        par.replace(LoggerParLayout::digital1Flag.offset, 3, "ON ");
        par.replace(LoggerParLayout::digital2Flag.offset, 3, "OFF");
        folder.write("logger.par", par);

        QByteArray channels;
        for (int channel = 0; channel < 8; ++channel) {
            QByteArray record(LoggerChannelLayout::recordLength, ' ');
            record.replace(0, 8, "Canale " + QByteArray::number(channel));
            channels += record;
        }
        folder.write("logger.tmr", channels);
    }

    void writeIdentity(char comIndex, char speedIndex) {
        QByteArray identity(IdentityLayout::recordLength, ' ');
        identity[IdentityLayout::comIndex.offset] = comIndex;
        identity[IdentityLayout::speedIndex.offset] = speedIndex;
        folder.write("plant.pas", identity);
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

    sim::FaultPlan& faults() { return port.logger().faults(); }
    // Block requests the logger has seen, in order.
    QList<QByteArray> blockRequests() {
        QList<QByteArray> requests;
        for (const QByteArray& command : port.logger().commands())
            if (command.startsWith('S'))
                requests.append(command);
        return requests;
    }

    template <typename T = QWidget> static T* child(QWidget& screen, const char* name) {
        T* found = screen.findChild<T*>(QString::fromLatin1(name));
        EXPECT_TRUE(found) << name;
        return found;
    }
    static void click(QWidget& screen, const char* name) {
        QTest::mouseClick(child<QPushButton>(screen, name), Qt::LeftButton);
    }

    TempFolder folder;
    VirtualClock clock;
    SimulatedPort port;
    ScriptedPrompter prompter;
    ScriptedSaveDialog files;
    NoDocuments documents;
    Session session{port, clock, prompter, files, documents, folder.path()};
};

} // namespace korven::test
