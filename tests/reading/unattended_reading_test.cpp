#include "reading/unattended_reading.h"

#include "link/link_texts.h"
#include "reading/reading_rig.h"

#include <QRegularExpression>
#include <QTimeZone>

#include <gtest/gtest.h>

namespace korven::test {
namespace {

// "config.dat" names the rig's set-up; the clock starts at 12:00 on 5 March 2024, UTC+1.
struct UnattendedRig : ReadingRig {
    explicit UnattendedRig(const ReadingFiles& files = {}) : ReadingRig(files) {
        saveSettingsFile();
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
    EXPECT_EQ(seconds, QList<int>({seconds[0], seconds[0] + 1, seconds[0] + 2}))
        << "one reading a second";
    EXPECT_EQ(rig.prompter.texts(), QStringList({kResumed}));
    EXPECT_FALSE(rig.port.isOpen());
}

// The digital inputs are read after the last channel, only when it is on.
TEST(UnattendedReading, APassReadsTheActiveChannelsThenTheDigitalInputThatIsOn) {
    ReadingFiles fourChannels;
    fourChannels.channelCount = "4 ";
    fourChannels.channels[1].activation = "OFF";
    ReadingFiles lastOff;
    lastOff.channels[7].activation = "OFF";
    const std::pair<ReadingFiles, QList<QByteArray>> cases[] = {
        {fourChannels, {"F0", "F2", "F3", "A0"}},
        {lastOff, {"F0", "F1", "F2", "F3", "F4", "F5", "F6"}},
    };
    for (const auto& [files, pass] : cases) {
        UnattendedRig rig(files);
        rig.request.count = 2;
        EXPECT_EQ(rig.run(), UnattendedEnd::Done);
        EXPECT_EQ(rig.readingRequests(), pass + pass);
        ASSERT_EQ(rig.lines.size(), pass.size() * 2);
        static const QRegularExpression line("^[^,]+,(\\d,[+-][0-9.]{5,6}|D1,[01]{6})$");
        for (const QString& text : rig.lines)
            EXPECT_TRUE(line.match(text).hasMatch()) << qPrintable(text);
    }
}

// A reply's tail left on the line would break the handshake of the resume.
TEST(UnattendedReading, AnInterruptionFinishesTheReadingUnderWayAndTheLoggerGoesBack) {
    struct Case {
        std::optional<int> channel;
        QByteArray cutCommand;
        int cutAt;
        int lines;
    };
    // The pass's lines end with the digital inputs: their count is not checked.
    for (const Case& c : {Case{5, "F05", 4, 4}, Case{{}, "A0", 1, -1}}) {
        SCOPED_TRACE(c.cutCommand.constData());
        UnattendedRig rig;
        rig.request.channel = c.channel;
        rig.afterCommand(c.cutCommand, c.cutAt, 50, [&rig] { rig.reading->interrupt(); });
        EXPECT_EQ(rig.run(), UnattendedEnd::Done);
        EXPECT_EQ(rig.commandCount(c.cutCommand), c.cutAt);
        if (c.lines >= 0)
            EXPECT_EQ(rig.lines.size(), c.lines);
        else
            EXPECT_TRUE(rig.lines.value(rig.lines.size() - 1).contains(",D"))
                << "the pass is whole";
        EXPECT_EQ(rig.port.logger().commands().last(), "Z");
        EXPECT_EQ(rig.prompter.texts(), QStringList({kResumed}));
    }
}

// A channel the logger does not read, no channel on, or a missing set-up file.
TEST(UnattendedReading, ARefusedRequestNeverWakesTheLogger) {
    ReadingFiles fourChannels;
    fourChannels.channelCount = "4 ";
    ReadingFiles allOff = fourChannels;
    for (int channel : {0, 1, 2, 3})
        allOff.channels[channel].activation = "OFF";
    const std::tuple<ReadingFiles, std::optional<int>, bool, QString> cases[] = {
        {fourChannels, 4, false, "channel 4 is not read on this logger: its set-up has 4 channels"},
        {allOff, {}, false, "no channel of this logger is active in %1"},
        {{}, {}, true, "%1"},
    };
    for (const auto& [files, channel, missing, problem] : cases) {
        UnattendedRig rig(files);
        rig.request.channel = channel;
        if (missing)
            QFile::remove(rig.folder.path("plant.stp"));
        EXPECT_EQ(rig.run(), UnattendedEnd::BadSetup);
        ASSERT_EQ(rig.problems.size(), 1);
        EXPECT_TRUE(rig.problems[0].startsWith(
            QString(problem).replace("%1", rig.folder.path("plant.stp"))))
            << qPrintable(rig.problems[0]);
        EXPECT_TRUE(rig.port.writes().isEmpty());
    }
}

TEST(UnattendedReading, ALinkFailureOrALoggerLeftStoppedSaysSoInItsExitStatus) {
    const std::tuple<sim::FaultPlan, UnattendedEnd, int, QString> cases[] = {
        {{.silent = true}, UnattendedEnd::LinkFailed, 0, link_texts::notConnected},
        // "z" and two readings answered.
        {{.silentAfterCommands = 3}, UnattendedEnd::NotRestarted, 2, link_texts::resumeFailed},
    };
    for (const auto& [fault, end, printed, told] : cases) {
        UnattendedRig rig;
        rig.request.channel = 0;
        rig.request.count = 2;
        rig.faults() = fault;
        EXPECT_EQ(rig.run(), end);
        EXPECT_EQ(rig.lines.size(), printed);
        EXPECT_EQ(rig.prompter.texts(), QStringList({told}));
    }
}

// A reply never whole: asked again after each of three second starts, 6 to 7 s apart.
TEST(UnattendedReading, AfterThreeSecondStartsTheReadingGivesUp) {
    for (const std::optional<int> channel : {std::optional<int>(4), std::optional<int>()}) {
        UnattendedRig rig;
        rig.request.channel = channel;
        rig.faults().cutRepliesTo = 8;
        EXPECT_EQ(rig.run(), UnattendedEnd::LinkFailed);
        EXPECT_EQ(rig.readingRequests(), QList<QByteArray>(4, channel ? "F04" : "F0"));
        EXPECT_EQ(rig.writesOf("\r"), 3);
        EXPECT_GE(rig.clock.nowMs(), 4 * 6'000);
        EXPECT_EQ(rig.prompter.texts(), QStringList({link_texts::transmissionError, kResumed}));
    }
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
} // namespace korven::test
