#include "modem_driver.h"

#include <gtest/gtest.h>

namespace korven::sim::test {
namespace {

const QByteArray kOk = "\r\nOK\r\n";
const QByteArray kError = "\r\nERROR\r\n";
const QByteArray kConnect = "\r\nCONNECT 9600\r\n";
const QByteArray kNoCarrier = "\r\nNO CARRIER\r\n";

TEST(HayesCommands, EchoUntilATE0ThenResultsFramedByCrLfForAnyInitialisationString) {
    ModemDriver line;
    EXPECT_EQ(line.send("ATE0\r"), "ATE0\r" + kOk);
    EXPECT_EQ(line.send("AT&C0\r"), kOk);
    for (const QByteArray command : {"AT&D0&K0&R1", "AT&C0", "ATX1", "at&c0", "aT x1", "At",
                                     "ATE0V1Q0L1M0", "AT&F", "ATZ0E0", "ATH0", "ATS0=1"})
        EXPECT_EQ(line.send(command + '\r'), kOk) << command.constData();
    for (const QByteArray command : {"ATJ", "AT&D9", "ATE2", "ATV0", "ATDT", "ATS300=1", "AT&"})
        EXPECT_EQ(line.send(command + '\r'), kError) << command.constData();
    EXPECT_EQ(line.send("hello\r"), "") << "no \"AT\", no command";
    EXPECT_EQ(line.send("ATS12?\r"), "\r\n050\r\n" + kOk);
    line.send("ATS12=25\r");
    EXPECT_EQ(line.send("ATS12?\r"), "\r\n025\r\n" + kOk);
    EXPECT_EQ(line.send("ATE1\r"), kOk);
    EXPECT_EQ(line.send("AT\r"), "AT\r" + kOk);
}

TEST(HayesDialling, ConnectsAfterTheCallTimeThenPassesBytesToTheLogger) {
    ModemDriver line;
    line.send("ATE0\r");
    EXPECT_EQ(line.send("atdt 0123456\r"), "");
    EXPECT_TRUE(line.modem.isDialling());
    EXPECT_EQ(line.modem.dialled(), "T0123456");
    EXPECT_EQ(line.modem.nextDueMs(), 3000);
    EXPECT_EQ(line.wait(2999), "");
    const QByteArray connect = line.wait(1);
    EXPECT_EQ(connect, kConnect);
    // The program looks for "C" among characters 1-5 and reads 7 from it,
    // once at least 15 characters are waiting.
    EXPECT_GE(connect.size(), 15);
    EXPECT_EQ(connect.mid(connect.indexOf('C'), 7), "CONNECT");
    EXPECT_TRUE(line.modem.isOnline());

    EXPECT_EQ(line.send(QByteArray(200, '\xFF') + "\x80"), "!");
    line.send("j\r");
    EXPECT_EQ(line.logger.commands(), QList<QByteArray>{"j"});
}

TEST(HayesDialling, DialsByPulsesOrTones) {
    for (const auto& [command, dialled] :
         {std::pair<QByteArray, QByteArray>{"atdp 0-12", "P0-12"}, {"ATD123", "T123"}}) {
        ModemDriver line;
        line.send(command + '\r');
        EXPECT_EQ(line.modem.dialled(), dialled);
    }
}

TEST(HayesDialling, OtherLinesGiveTheirResultAndLeaveTheModemInCommandMode) {
    struct Case {
        CallOutcome call;
        qint64 afterMs;
        QByteArray result;
    };
    for (const Case& c : {Case{CallOutcome::Busy, 3000, "\r\nBUSY\r\n"},
                          Case{CallOutcome::NoCarrier, 3000, kNoCarrier},
                          Case{CallOutcome::NoAnswer, 90'000, kNoCarrier}}) {
        SCOPED_TRACE(c.result.trimmed().constData());
        ModemConfig config;
        config.call = c.call;
        ModemDriver line(config);
        line.send("ATE0\r");
        line.send("ATDT0123\r");
        // Nobody answering stays silent past the program's 70 seconds.
        EXPECT_EQ(line.wait(c.afterMs - 1), "");
        EXPECT_EQ(line.wait(1), c.result);
        EXPECT_FALSE(line.modem.hasCall());
        EXPECT_EQ(line.send("AT\r"), kOk);
    }
}

TEST(HayesDialling, ACharacterDuringTheCallGivesItUp) {
    ModemDriver line;
    line.send("ATE0\r");
    line.send("ATDT0123\r");
    line.wait(1000);
    EXPECT_EQ(line.send("+"), kNoCarrier);
    EXPECT_FALSE(line.modem.nextDueMs());
    EXPECT_FALSE(line.modem.hasCall());
}

TEST(HayesEscape, PlusesFramedByGuardSecondsReturnToCommandModeAndATH0HangsUp) {
    ModemDriver line;
    line.connect();
    EXPECT_EQ(line.wait(1000), "");
    EXPECT_EQ(line.send("+++"), "");
    EXPECT_EQ(line.wait(999), "");
    EXPECT_EQ(line.wait(1), kOk);
    EXPECT_FALSE(line.modem.isOnline());
    EXPECT_TRUE(line.modem.hasCall());
    EXPECT_EQ(line.send("ATO\r"), kConnect);
    EXPECT_TRUE(line.modem.isOnline());

    line.wait(1500);
    line.send("+++");
    EXPECT_EQ(line.wait(1000), kOk);
    EXPECT_EQ(line.send("ATH0\r"), kOk);
    EXPECT_FALSE(line.modem.hasCall());
    EXPECT_EQ(line.send("ATO\r"), kNoCarrier);
}

TEST(HayesEscape, PlusesWithoutTheGuardTimesAreData) {
    ModemDriver tooSoon;
    tooSoon.connect();
    tooSoon.wait(500);
    tooSoon.send("+++");
    EXPECT_EQ(tooSoon.wait(5000), "");
    EXPECT_TRUE(tooSoon.modem.isOnline());

    ModemDriver followed;
    followed.connect();
    followed.wait(1000);
    followed.send("+++");
    followed.wait(500);
    followed.send("x");
    EXPECT_EQ(followed.wait(5000), "");
    EXPECT_TRUE(followed.modem.isOnline());
}

TEST(HayesFaults, AModemSwitchedOffAnswersNothing) {
    ModemConfig config;
    config.switchedOn = false;
    ModemDriver line(config);
    EXPECT_EQ(line.send("ATE0\r"), "");
    EXPECT_EQ(line.send("ATDT0123\r"), "");
    EXPECT_FALSE(line.modem.nextDueMs());
    EXPECT_EQ(line.wait(100'000), "");
}

TEST(HayesFaults, AModemCanIgnoreTheEscapeOrLeaveATH0Unanswered) {
    ModemConfig deaf;
    deaf.ignoresEscape = true;
    ModemDriver stuck(deaf);
    stuck.connect();
    stuck.wait(1000);
    stuck.send("+++");
    EXPECT_EQ(stuck.wait(10'000), "");
    EXPECT_TRUE(stuck.modem.isOnline());

    ModemConfig quiet;
    quiet.silentHangUp = true;
    ModemDriver held(quiet);
    held.connect();
    held.wait(1000);
    held.send("+++");
    EXPECT_EQ(held.wait(1000), kOk);
    EXPECT_EQ(held.send("ATH0\r"), "");
    EXPECT_EQ(held.wait(10'000), "");
    EXPECT_TRUE(held.modem.hasCall());
    EXPECT_EQ(held.events.last(), "modem command ATH0: no answer");
}

} // namespace
} // namespace korven::sim::test
