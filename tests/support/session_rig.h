#pragma once

#include "session/session.h"
#include "support/recording_document_opener.h"
#include "support/scripted_file_chooser.h"
#include "support/scripted_preview.h"
#include "support/scripted_prompter.h"
#include "support/simulated_port.h"
#include "support/temp_folder.h"
#include "support/virtual_clock.h"
#include "system_setup/side_file_layouts.h"

#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace korven::test {

// A session over a fresh program folder, the simulated logger on virtual
// time, and scripted prompts, file dialogs and document opener.
struct SessionParts {
    explicit SessionParts(sim::LoggerConfig config = {}) : port(clock, config) {}

    sim::FaultPlan& faults() { return port.logger().faults(); }

    TempFolder folder;
    VirtualClock clock;
    SimulatedPort port;
    ScriptedPrompter prompter;
    ScriptedFileChooser files;
    RecordingDocumentOpener documents;
    ScriptedPreview printer;
    Session session{port, clock, prompter, files, documents, printer, folder.path()};
};

// The session with a system set-up whose identity file names COM 1 at 9600
// baud; the logger set-up is the caller's to write. Screens are driven by
// their object names.
struct SessionRig : SessionParts {
    explicit SessionRig(sim::LoggerConfig config) : SessionParts(config) {
        session.installation.systemFilePath = folder.path("plant.stp");
        session.installation.loggerSetupPath = folder.path("logger");
        writeIdentity('0', '2');
    }

    void writeIdentity(char comIndex, char speedIndex) {
        QByteArray identity(IdentityLayout::recordLength, ' ');
        identity[IdentityLayout::comIndex.offset] = comIndex;
        identity[IdentityLayout::speedIndex.offset] = speedIndex;
        folder.write("plant.pas", identity);
    }
    QByteArray storedIndexes() const {
        return folder.read("plant.pas").mid(IdentityLayout::comIndex.offset, 2);
    }

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
