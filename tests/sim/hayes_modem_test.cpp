#include "brain_driver.h"
#include "sim/hayes_modem.h"

#include <gtest/gtest.h>

namespace korven::sim::test {
namespace {

// A Hayes modem with a logger behind it, both on a clock the test moves.
class ModemDriver {
public:
    explicit ModemDriver(ModemConfig config = {})
        : logger({}, [this] { return marchFifth().addMSecs(nowMs); }),
          modem(config, logger, [this] { return nowMs; }) {}

    qint64 nowMs = 0;
    LoggerBrain logger;
    HayesModem modem;

    // Everything sent in answer to `bytes`, joined.
    QByteArray send(const QByteArray& bytes) { return BrainDriver::joined(modem.receive(bytes)); }
    // Lets `ms` pass and gives what the modem sent on its own meanwhile.
    QByteArray wait(qint64 ms) {
        nowMs += ms;
        return BrainDriver::joined(modem.takeDue());
    }
    // Echo off and a call dialled; then connected.
    void dial() {
        send("ATE0\r");
        send("ATDT0123\r");
    }
    void connect() {
        dial();
        wait(*modem.nextDueMs() - nowMs);
    }
};

const QByteArray kOk = "\r\nOK\r\n";
const QByteArray kNoCarrier = "\r\nNO CARRIER\r\n";

TEST(HayesCommands, EchoUntilATE0ThenResultsFramedByCrLfForAnyInitialisationString) {
    ModemDriver line;
    EXPECT_EQ(line.send("ATE0\r"), "ATE0\r" + kOk);
    for (const QByteArray command : {"AT&D0&K0&R1", "AT&C0", "ATX1", "aT x1", "AT&F", "ATS0=1"})
        EXPECT_EQ(line.send(command + '\r'), kOk) << command.constData();
    for (const QByteArray command : {"ATJ", "AT&D9", "ATDT", "AT&"})
        EXPECT_EQ(line.send(command + '\r'), "\r\nERROR\r\n") << command.constData();
    EXPECT_EQ(line.send("hello\r"), "") << "no \"AT\", no command";
}

TEST(HayesDialling, ConnectsAfterTheCallTimeThenPassesBytesToTheLogger) {
    for (const auto& [command, dialled] :
         {std::pair<QByteArray, QByteArray>{"atdt 0123456", "T0123456"}, {"atdp 0-12", "P0-12"}}) {
        ModemDriver line;
        line.send("ATE0\r");
        EXPECT_EQ(line.send(command + '\r'), "");
        EXPECT_EQ(line.modem.dialled(), dialled);
        EXPECT_EQ(line.wait(2999), "");
        EXPECT_EQ(line.wait(1), "\r\nCONNECT 9600\r\n");
        EXPECT_TRUE(line.modem.isOnline());
        EXPECT_EQ(line.send(QByteArray(200, '\xFF') + "\x80"), "!");
        line.send("j\r");
        EXPECT_EQ(line.logger.commands(), QList<QByteArray>{"j"});
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
        line.dial();
        // Nobody answering stays silent past the program's 70 seconds.
        EXPECT_EQ(line.wait(c.afterMs - 1), "");
        EXPECT_EQ(line.wait(1), c.result);
        EXPECT_FALSE(line.modem.hasCall());
        EXPECT_EQ(line.send("AT\r"), kOk);
    }
}

TEST(HayesDialling, ACharacterDuringTheCallGivesItUp) {
    ModemDriver line;
    line.dial();
    line.wait(1000);
    EXPECT_EQ(line.send("\r"), kNoCarrier);
    EXPECT_FALSE(line.modem.nextDueMs());
}

TEST(HayesEscape, PlusesFramedByGuardSecondsReturnToCommandModeAndATH0HangsUp) {
    ModemDriver line;
    line.connect();
    EXPECT_EQ(line.wait(1000), "");
    EXPECT_EQ(line.send("+++"), "");
    EXPECT_EQ(line.wait(999), "");
    EXPECT_EQ(line.wait(1), kOk);
    EXPECT_FALSE(line.modem.isOnline());
    EXPECT_EQ(line.send("ATH0\r"), kOk);
    EXPECT_FALSE(line.modem.hasCall());
}

// Too soon after the data, or followed by more data: the pluses are data.
TEST(HayesEscape, PlusesWithoutTheGuardTimesAreData) {
    for (const auto& [guardMs, after] : {std::pair<int, QByteArray>{500, ""}, {1000, "x"}}) {
        ModemDriver line;
        line.connect();
        line.wait(guardMs);
        line.send("+++");
        line.wait(500);
        line.send(after);
        EXPECT_EQ(line.wait(5000), "") << guardMs;
        EXPECT_TRUE(line.modem.isOnline()) << guardMs;
    }
}

TEST(HayesFaults, AModemCanBeSwitchedOffIgnoreTheEscapeOrLeaveATH0Unanswered) {
    ModemDriver off({.switchedOn = false});
    EXPECT_EQ(off.send("ATE0\rATDT0123\r"), "");
    EXPECT_EQ(off.wait(100'000), "");

    ModemDriver stuck({.ignoresEscape = true});
    stuck.connect();
    stuck.wait(1000);
    stuck.send("+++");
    EXPECT_EQ(stuck.wait(10'000), "");
    EXPECT_TRUE(stuck.modem.isOnline());

    ModemDriver held({.silentHangUp = true});
    held.connect();
    held.wait(1000);
    held.send("+++");
    EXPECT_EQ(held.wait(1000), kOk);
    EXPECT_EQ(held.send("ATH0\r"), "");
    EXPECT_EQ(held.wait(10'000), "");
    EXPECT_TRUE(held.modem.hasCall());
}

} // namespace
} // namespace korven::sim::test
