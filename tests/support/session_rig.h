#pragma once

#include "platform/document_opener.h"
#include "session/session.h"
#include "support/scripted_file_chooser.h"
#include "support/scripted_preview.h"
#include "support/scripted_prompter.h"
#include "support/simulated_port.h"
#include "support/temp_folder.h"
#include "support/test_installation.h"
#include "support/virtual_clock.h"
#include "system_setup/side_file_layouts.h"

#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace korven::test {

// Records the documents opened; fails with a reason once told to.
class RecordingDocumentOpener : public DocumentOpener {
public:
    struct OpenedDocument {
        QString path;
        QString title;
    };

    void failWith(const QString& why) { failure_ = why; }

    bool openDocument(const QString& path, const QString& title, QString* why) override {
        if (!failure_.isEmpty()) {
            if (why)
                *why = failure_;
            return false;
        }
        documents_.append({path, title});
        return true;
    }
    bool openLink(const QString&) override { return true; }

    const QList<OpenedDocument>& documents() const { return documents_; }

private:
    QString failure_;
    QList<OpenedDocument> documents_;
};

// A simulated logger whose clock runs `seconds` ahead of the computer's.
inline sim::LoggerConfig loggerClockAhead(qint64 seconds) {
    sim::LoggerConfig config;
    config.clockStart = VirtualClock::start().addSecs(seconds);
    return config;
}

// What the user is told once logger `number` scans again.
inline QString resumedText(int number) {
    return QStringLiteral("Procedura terminata con successo\rKORVEN nr. %1 in scansione")
        .arg(number);
}

// A session over a fresh program folder, the simulated logger and scripts.
struct SessionParts {
    explicit SessionParts(sim::LoggerConfig config = {}) : port(clock, config) {}

    sim::FaultPlan& faults() { return port.logger().faults(); }
    int commandCount(const QByteArray& command) {
        return static_cast<int>(port.logger().commands().count(command));
    }
    // Runs `action` `delayMs` after the logger's `times`-th `command`.
    void afterCommand(const QByteArray& command, int times, qint64 delayMs,
                      std::function<void()> action) {
        clock.at(clock.nowMs() + 10, [=, this] {
            if (commandCount(command) >= times)
                clock.at(clock.nowMs() + delayMs, action);
            else
                afterCommand(command, times, delayMs, action);
        });
    }

    TempFolder folder;
    VirtualClock clock;
    SimulatedPort port;
    ScriptedPrompter prompter;
    ScriptedFileChooser files;
    RecordingDocumentOpener documents;
    ScriptedPreview printer;
    Session session{port, clock, prompter, files, documents, printer, folder.path()};
};

// The session with a system set-up on COM 1 at 9600 baud, no logger set-up.
struct SessionRig : SessionParts {
    explicit SessionRig(sim::LoggerConfig config) : SessionParts(config) {
        session.installation.systemFilePath = folder.path("plant.stp");
        session.installation.loggerSetupPath = folder.path("logger");
        writeIdentity('0', '2');
    }

    void writeIdentity(char comIndex, char speedIndex) {
        IdentityRecord identity;
        identity.comIndex = comIndex;
        identity.speedIndex = speedIndex;
        folder.write("plant.pas", identity.bytes());
    }
    // "config.dat" naming the session's set-up files, as korvenctl reads them.
    void saveSettingsFile() {
        folder.write("config.dat",
                     settingsRecord(session.installation.systemFilePath.toLocal8Bit(),
                                    session.installation.loggerSetupPath.toLocal8Bit()));
    }
    QByteArray storedIndexes() const { return folder.read("plant.pas").mid(35, 2); }

    template <typename T = QWidget> static T* child(QWidget& screen, const char* name) {
        T* found = screen.findChild<T*>(QString::fromLatin1(name));
        EXPECT_TRUE(found) << name;
        return found;
    }
    static void click(QWidget& screen, const char* name) {
        QTest::mouseClick(child<QPushButton>(screen, name), Qt::LeftButton);
    }
};

} // namespace korven::test
