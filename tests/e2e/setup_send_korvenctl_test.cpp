// korvenctl setup send against korven-sim on a pseudo-terminal, in real time.

#include "download_e2e_rig.h"
#include "logger_setup/logger_set_bytes.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace korven::test::download_e2e {
namespace {

QStringList setupSend(const ProgramFolder& folder, const QStringList& arguments = {}) {
    return QStringList{"--folder", folder.path(), "--device", folder.link(), "setup", "send"} +
           arguments;
}

void writeFile(const ProgramFolder& folder, const QString& name, const QByteArray& bytes) {
    QFile file(folder.path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// The program folder's logger set-up with eight distinct channels, saved to
// scan with acquisition.
void writeChannels(const ProgramFolder& folder) {
    QByteArray tmr;
    for (int n = 0; n < 8; ++n)
        tmr += distinctLoggerChannel(n).bytes();
    writeFile(folder, "logger.tmr", tmr);
    QByteArray par = folder.read("logger.par");
    par[23] = '1';
    writeFile(folder, "logger.par", par);
}

TEST(KorvenctlSetupSend, TheLoggerThenHoldsWhatTheFilesSay) {
    ProgramFolder folder;
    writeChannels(folder);
    const QString dump = folder.path("logger.json");
    Simulator simulator(folder.link(), {"--dump-setup", dump});
    ASSERT_TRUE(simulator.ready());

    const KorvenctlRun run = korvenctl(setupSend(folder, {"--code", "1"}));
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out, QStringList{"8 channels and \"C1\" sent to logger 1"});
    EXPECT_TRUE(run.err.contains("korvenctl: Channel parameter sending 07")) << qPrintable(run.err);
    EXPECT_TRUE(run.err.contains("KORVEN nr. 1 in scansione")) << qPrintable(run.err);

    simulator.stop();
    const QJsonObject held = QJsonDocument::fromJson(folder.read("logger.json")).object();
    EXPECT_EQ(held.value("channelCount").toInt(), 8);
    EXPECT_TRUE(held.value("acquiring").toBool()) << "back to scanning";
    const QJsonArray channels = held.value("channels").toArray();
    ASSERT_EQ(channels.size(), 8);
    for (int n = 0; n < 8; ++n) {
        const LoggerChannelBytes file = distinctLoggerChannel(n);
        const QJsonObject channel = channels.at(n).toObject();
        EXPECT_TRUE(channel.value("received").toBool()) << n;
        EXPECT_EQ(channel.value("description").toString().toLatin1(), file.description) << n;
        EXPECT_EQ(channel.value("active").toBool(), file.active == "ON ") << n;
        EXPECT_EQ(channel.value("scaling").toBool(), file.scalingCopy == "ON ") << n;
        EXPECT_EQ(channel.value("gain").toString().toLatin1(), file.gain) << n;
        EXPECT_EQ(channel.value("zero").toString().toLatin1(), file.zero) << n;
        EXPECT_EQ(channel.value("inputType").toString().toLatin1(), file.inputType) << n;
        EXPECT_EQ(QByteArray::number(channel.value("decimals").toInt()), file.decimals) << n;
        EXPECT_EQ(channel.value("supply").toString().toLatin1(), file.supply) << n;
        EXPECT_EQ(channel.value("unit").toString().toLatin1(), file.unit) << n;
    }
}

TEST(KorvenctlSetupSend, BadUsageAndUnreadableFilesStopBeforeTheLine) {
    ProgramFolder folder;
    const QStringList refused[] = {setupSend(folder, {"--code", "12"}),
                                   setupSend(folder, {"--code", "1", "--code", "2"}),
                                   {"--folder", folder.path(), "setup"},
                                   {"--folder", folder.path(), "setup", "fetch"}};
    for (const QStringList& arguments : refused) {
        const KorvenctlRun run = korvenctl(arguments);
        EXPECT_EQ(run.exitCode, 2) << qPrintable(arguments.join(u' '));
        EXPECT_TRUE(run.out.isEmpty());
    }

    QFile::remove(folder.path("logger.tmr"));
    const KorvenctlRun run = korvenctl(setupSend(folder));
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("logger.tmr")) << qPrintable(run.err);
    // The message box's line break would send a terminal's cursor back.
    EXPECT_FALSE(run.err.contains('\r')) << qPrintable(run.err);
    EXPECT_TRUE(run.err.contains("logger.tmr - ")) << qPrintable(run.err);
}

} // namespace
} // namespace korven::test::download_e2e
