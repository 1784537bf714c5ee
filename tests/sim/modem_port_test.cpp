// The modem in front of the in-process port's logger, on the virtual clock,
// talked to the way the program dials, wakes the logger and hangs up.

#include "support/simulated_port.h"
#include "support/virtual_clock.h"

#include <gtest/gtest.h>

namespace korven::sim::test {
namespace {

using korven::test::SimulatedPort;
using korven::test::VirtualClock;

struct ModemLine {
    ModemLine() {
        port.putModemInFront();
        EXPECT_FALSE(port.open());
    }

    // Pumps the virtual clock until `count` characters wait or `limitMs` passed.
    QByteArray await(int count, qint64 limitMs) {
        const qint64 end = clock.nowMs() + limitMs;
        while (port.inputCount() < count && clock.nowMs() < end)
            clock.pump();
        return port.receive();
    }
    void pause(qint64 ms) {
        const qint64 end = clock.nowMs() + ms;
        while (clock.nowMs() < end)
            clock.pump();
    }

    VirtualClock clock;
    SimulatedPort port{clock};
};

TEST(ModemPort, DialsWakesTheLoggerAndHangsUpOnTheVirtualClock) {
    ModemLine line;
    line.port.send("ATE0\r");
    EXPECT_EQ(line.await(11, 5000), "ATE0\r\r\nOK\r\n");
    for (const QByteArray init : {"AT&D0&K0&R1", "AT&C0", "ATX1"}) {
        line.port.send(init + '\r');
        EXPECT_EQ(line.await(6, 5000).mid(2, 2), "OK") << init.constData();
    }

    const qint64 dialled = line.clock.nowMs();
    line.port.send("atdt0123\r");
    const QByteArray connect = line.await(16, 70'000);
    EXPECT_EQ(connect, "\r\nCONNECT 9600\r\n");
    EXPECT_GE(line.clock.nowMs() - dialled, 3000);
    EXPECT_LT(line.clock.nowMs() - dialled, 3100);

    line.port.send("\r");
    line.pause(2000);
    line.port.send(QByteArray(200, '\xFF'));
    line.port.send("\x80");
    EXPECT_EQ(line.await(1, 3000), "!");
    line.port.send("z\r");

    line.pause(1500);
    const qint64 escaped = line.clock.nowMs();
    line.port.send("+++");
    EXPECT_EQ(line.await(6, 7000), "\r\nOK\r\n");
    EXPECT_GE(line.clock.nowMs() - escaped, 1000);
    line.port.send("ATH0\r");
    EXPECT_EQ(line.await(6, 5000), "\r\nOK\r\n");
    EXPECT_FALSE(line.port.modem()->hasCall());
    EXPECT_EQ(line.port.logger().commands(), QList<QByteArray>{"z"});
}

} // namespace
} // namespace korven::sim::test
