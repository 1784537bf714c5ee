#include "link/link_rig.h"
#include "link/link_texts.h"
#include "link/resume_scanning.h"
#include "logger_setup/logger_setup_layouts.h"
#include "support/file_system_limits.h"
#include "support/temp_folder.h"

#include <QFile>
#include <sys/stat.h>

#include <gtest/gtest.h>

namespace korven::test {
namespace {

// An awake, stopped logger and a logger set-up whose saved flags are given.
struct ResumeRig : LinkRig {
    ResumeRig() {
        EXPECT_EQ(wake(), LinkStatus::Ok);
        link.state().loggerNumber = 3;
    }

    void saveFlags(char acquisition, char autosleep) {
        QByteArray par(LoggerParLayout::recordLength, ' ');
        par[LoggerParLayout::acquisitionFlag.offset] = acquisition;
        par[LoggerParLayout::sleepFlag.offset] = autosleep;
        folder.write("set.par", par);
    }

    LinkStatus resume() {
        sentBefore = static_cast<int>(port.writes().size());
        auto conversation = link.startConversation();
        return resumeScanning(*conversation, folder.path("set"), par);
    }

    QList<QByteArray> resumeWrites() const { return port.writes().mid(sentBefore); }

    TempFolder folder;
    Record par{LoggerParLayout::recordLength};
    int sentBefore = 0;
};

const QString kDone = QStringLiteral("Procedura terminata con successo\rKORVEN nr. 3 in scansione");

// The set-up is read-only and read by an unprivileged user.
TEST(ResumeScanning, SendsWhatTheSavedFlagsAskForAndReportsTheOutcome) {
    using enum LinkStatus;
    struct Case {
        char acquisition, autosleep;
        sim::FaultPlan fault;
        LinkStatus status;
        QList<QByteArray> writes;
        QString message;
    };
    const QString failed = link_texts::resumeFailed;
    const Case cases[] = {
        {'1', '0', {}, Ok, {kBroadcast, "Z\r"}, kDone},
        // Autosleep sends sleep after a second handshake.
        {'0', '1', {}, Ok, {kBroadcast, "z\r", kBroadcast, "Y\r"}, kDone},
        {'1', '1', {.silent = true}, NoAnswer, {kBroadcast}, failed},
        {'1', '0', {.handshakeReply = '?'}, WrongAnswer, {kBroadcast}, link_texts::resumeRefused},
        // "z" of the wake-up and "z" of the resume are answered, not the sleep.
        {'0', '1', {.silentAfterCommands = 2}, NoAnswer, {kBroadcast, "z\r", kBroadcast}, failed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        ResumeRig rig;
        rig.saveFlags(c.acquisition, c.autosleep);
        QFile::setPermissions(rig.folder.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                     QFile::ExeOwner | QFile::ReadOther |
                                                     QFile::ExeOther);
        QFile::setPermissions(rig.folder.path("set.par"), QFile::ReadOwner | QFile::ReadOther);
        rig.faults() = c.fault;
        LinkStatus status;
        {
            const AsUnprivilegedUser nobody;
            status = rig.resume();
        }
        EXPECT_EQ(status, c.status);
        EXPECT_EQ(rig.resumeWrites(), c.writes);
        EXPECT_EQ(rig.prompter.texts(), QStringList{c.message});
        EXPECT_FALSE(rig.port.isOpen());
        EXPECT_EQ(rig.link.state().loggerStopped, c.status != LinkStatus::Ok);
        // The flags were read into the shared in-memory record.
        EXPECT_EQ(rig.par.text(LoggerParLayout::acquisitionFlag), QString(QChar(c.acquisition)));
    }
}

TEST(ResumeScanning, ASetUpThatCannotBeReadLeavesTheLoggerStoppedAndSaysSo) {
    // A FIFO, an empty file and one whose flags are neither "0" nor "1".
    for (const char* kind : {"fifo", "empty", "garbled"}) {
        ResumeRig rig;
        if (QByteArray(kind) == "fifo")
            ASSERT_EQ(mkfifo(QFile::encodeName(rig.folder.path("set.par")).constData(), 0600), 0);
        else if (QByteArray(kind) == "empty")
            rig.folder.write("set.par", {});
        else
            rig.saveFlags('x', '1');
        EXPECT_NE(rig.resume(), LinkStatus::Ok) << kind;
        EXPECT_EQ(rig.resumeWrites(), (QList<QByteArray>{kBroadcast, "z\r"})) << kind;
        EXPECT_EQ(rig.prompter.texts(), QStringList{link_texts::resumeUnknownScan}) << kind;
        EXPECT_FALSE(rig.port.isOpen()) << kind;
    }
}

} // namespace
} // namespace korven::test
