#include "reading/unattended_reading.h"

#include "link/link_texts.h"
#include "reading/reading_rig.h"
#include "system_setup/settings_file.h"

#include <QRegularExpression>
#include <QTimeZone>

#include <gtest/gtest.h>

namespace korven {
namespace {

using test::kResumed;
using test::ReadingFiles;

// A program folder whose "config.dat" names the rig's set-up files; the
// readings are timed from 12:00 on 5 March 2024, an hour east of UTC.
struct UnattendedRig : test::ReadingRig {
    explicit UnattendedRig(const ReadingFiles& files = {}) : ReadingRig(files) {
        Settings settings(folder.path());
        EXPECT_TRUE(settings.saveSystemFilePath(session.installation.systemFilePath));
        EXPECT_TRUE(settings.saveLoggerSetupPath(session.installation.loggerSetupPath));
        request.now = [this] {
            return QDateTime(QDate(2024, 3, 5), QTime(12, 0), QTimeZone(3600))
                .addMSecs(clock.nowMs());
        };
    }

    UnattendedEnd run() {
        UnattendedOutput output;
        output.problem = [this](const QString& text) { problems.append(text); };
        output.result = [this](const QString& text) { lines.append(text); };
        reading.emplace(folder.path(), request, port, clock, session.linkReporter, output);
        return reading->run();
    }

    UnattendedReadingRequest request;
    std::optional<UnattendedReading> reading;
    QStringList problems;
    QStringList lines;
};

TEST(UnattendedReading, ReadsOneChannelTreatedAsCsvLinesAndPutsTheLoggerBack) {
    UnattendedRig rig;
    rig.request.channel = 2;
    rig.request.treated = true;
    rig.request.count = 3;
    EXPECT_EQ(rig.run(), UnattendedEnd::Done);

    EXPECT_EQ(rig.readingRequests(), QList<QByteArray>({"F02", "F02", "F02"}));
    ASSERT_EQ(rig.lines.size(), 3);
    static const QRegularExpression line(
        "^2024-03-05T12:00:(\\d\\d)\\+01:00,2,([+-]\\d{5}),(-?[0-9.]+),mV$");
    QList<int> seconds;
    for (const QString& text : rig.lines) {
        const auto match = line.match(text);
        ASSERT_TRUE(match.hasMatch()) << qPrintable(text);
        seconds.append(match.captured(1).toInt());
        // Gain 2, zero 10, two decimals.
        const int x = match.captured(2).toInt();
        EXPECT_DOUBLE_EQ(match.captured(3).toDouble(), (2 * x + 10) / 100.0) << qPrintable(text);
    }
    // One reading a second.
    EXPECT_EQ(seconds[1] - seconds[0], 1);
    EXPECT_EQ(seconds[2] - seconds[1], 1);
    EXPECT_EQ(rig.port.logger().commands().last(), "Z");
    EXPECT_TRUE(rig.port.logger().isAcquiring());
    EXPECT_EQ(rig.prompter.texts(), QStringList({kResumed}));
    EXPECT_FALSE(rig.port.isOpen());
}

TEST(UnattendedReading, AllChannelsOfAFourChannelLoggerThenTheDigitalInputThatIsOn) {
    ReadingFiles files;
    files.channelCount = "4 ";
    files.channels[1].activation = "OFF";
    UnattendedRig rig(files);
    rig.request.count = 2;
    EXPECT_EQ(rig.run(), UnattendedEnd::Done);

    EXPECT_EQ(rig.readingRequests(),
              QList<QByteArray>({"F0", "F2", "F3", "A0", "F0", "F2", "F3", "A0"}));
    ASSERT_EQ(rig.lines.size(), 8);
    static const QRegularExpression analog("^[^,]+,([023]),[+-][0-9.]{5,6}$");
    static const QRegularExpression digital("^[^,]+,D1,[01]{6}$");
    for (int at : {0, 1, 2, 4, 5, 6})
        EXPECT_TRUE(analog.match(rig.lines[at]).hasMatch()) << qPrintable(rig.lines[at]);
    EXPECT_TRUE(digital.match(rig.lines[3]).hasMatch()) << qPrintable(rig.lines[3]);
    EXPECT_TRUE(digital.match(rig.lines[7]).hasMatch()) << qPrintable(rig.lines[7]);
}

TEST(UnattendedReading, AnInterruptionEndsTheReadingAtOnceAndTheLoggerStillGoesBack) {
    UnattendedRig rig;
    rig.request.channel = 5;
    rig.afterCommand("F05", 4, 50, [&rig] { rig.reading->interrupt(); });
    EXPECT_EQ(rig.run(), UnattendedEnd::Done);
    EXPECT_EQ(rig.commandCount("F05"), 4);
    EXPECT_EQ(rig.lines.size(), 3) << "the fourth reply had not come";
    EXPECT_EQ(rig.port.logger().commands().last(), "Z");
    EXPECT_EQ(rig.prompter.texts(), QStringList({kResumed}));
}

TEST(UnattendedReading, ARefusedRequestNeverWakesTheLogger) {
    {
        ReadingFiles files;
        files.channelCount = "4 ";
        UnattendedRig rig(files);
        rig.request.channel = 4;
        EXPECT_EQ(rig.run(), UnattendedEnd::BadSetup);
        EXPECT_EQ(rig.problems,
                  QStringList({"channel 4 is not read on this logger: its set-up has 4 channels"}));
        EXPECT_TRUE(rig.port.writes().isEmpty());
    }
    {
        ReadingFiles files;
        for (int channel : {0, 1, 2, 3})
            files.channels[channel].activation = "OFF";
        files.channelCount = "4 ";
        UnattendedRig rig(files);
        EXPECT_EQ(rig.run(), UnattendedEnd::BadSetup);
        EXPECT_TRUE(rig.port.writes().isEmpty());
    }
    {
        UnattendedRig rig;
        QFile::remove(rig.folder.path("plant.stp"));
        EXPECT_EQ(rig.run(), UnattendedEnd::BadSetup);
        ASSERT_EQ(rig.problems.size(), 1);
        EXPECT_TRUE(rig.problems[0].startsWith(rig.folder.path("plant.stp")));
        EXPECT_TRUE(rig.port.writes().isEmpty());
    }
}

TEST(UnattendedReading, ALoggerThatDoesNotWakeIsALinkFailure) {
    UnattendedRig rig;
    rig.faults().silent = true;
    rig.request.channel = 0;
    EXPECT_EQ(rig.run(), UnattendedEnd::LinkFailed);
    EXPECT_TRUE(rig.lines.isEmpty());
    EXPECT_EQ(rig.prompter.texts(), QStringList({link_texts::notConnected}));
}

TEST(UnattendedReading, ReadingsPrintedButTheLoggerNotPutBackIsStatusFour) {
    UnattendedRig rig;
    rig.request.channel = 0;
    rig.request.count = 2;
    rig.faults().silentAfterCommands = 1 + 2; // "z" and two readings
    EXPECT_EQ(rig.run(), UnattendedEnd::NotRestarted);
    EXPECT_EQ(rig.lines.size(), 2);
    EXPECT_EQ(rig.prompter.texts(), QStringList({link_texts::resumeFailed}));
}

TEST(UnattendedReading, AReplyThatIsNoReadingIsPrintedAsItCameAndNeverTreated) {
    UnattendedRig rig;
    rig.request.channel = 2;
    rig.request.treated = true;
    rig.request.count = 1;
    rig.faults().corruptEveryNthReply = 1;
    EXPECT_EQ(rig.run(), UnattendedEnd::Done);
    ASSERT_EQ(rig.lines.size(), 1);
    EXPECT_TRUE(rig.lines[0].contains("x")) << qPrintable(rig.lines[0]);
    EXPECT_TRUE(rig.lines[0].endsWith(",,mV")) << qPrintable(rig.lines[0]);
    EXPECT_EQ(rig.problems, QStringList({"channel 2: the reply is not a reading"}));
}

TEST(CsvField, QuotesOnlyWhatWouldBreakTheLine) {
    EXPECT_EQ(csvField("+123.45"), "+123.45");
    EXPECT_EQ(csvField("1,5"), "\"1,5\"");
    EXPECT_EQ(csvField("a\"b"), "\"a\"\"b\"");
}

} // namespace
} // namespace korven
