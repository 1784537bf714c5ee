#include "launcher/simulator_process.h"
#include "platform/qt_serial_port.h"
#include "platform/qt_ticks.h"
#include "support/simulated_port.h"
#include "support/temp_folder.h"
#include "support/virtual_clock.h"

#include <QElapsedTimer>
#include <QSet>

#include <gtest/gtest.h>

#include <functional>

namespace korven::test {
namespace {

// The COM number where a logger answers, and one with no device.
struct PortNumbers {
    static constexpr int kLoggerPort = 2;
    static constexpr int kMissingPort = 3;
};

struct SimulatedRig : PortNumbers {
    SimulatedRig() { port.setPortMissing(kMissingPort); }

    SerialPort& serial() { return port; }
    Ticks& ticks() { return clock; }
    qint64 elapsedMs() const { return clock.nowMs(); }
    bool ready() const { return true; }

    VirtualClock clock;
    SimulatedPort port{clock};
};

#ifdef KORVEN_SIM_PATH
// The production port over a pseudo-terminal served by korven-sim, paced at
// the line speed so that replies come in pieces.
struct PtyRig : PortNumbers {
    PtyRig() {
        qputenv("KORVEN_COM2", folder.path("logger").toLocal8Bit());
        qputenv("KORVEN_COM3", folder.path("nothing-here").toLocal8Bit());
        time.start();
    }

    SerialPort& serial() { return port; }
    Ticks& ticks() { return qtTicks; }
    qint64 elapsedMs() const { return time.elapsed(); }
    bool ready() const { return simulator.isServing(); }

    TempFolder folder;
    SimulatorProcess simulator{
        QStringLiteral(KORVEN_SIM_PATH), folder.path("logger"), {QStringLiteral("--throttle")}};
    QtTicks qtTicks;
    QtSerialPort port;
    QElapsedTimer time;
};
#endif

constexpr qint64 kReplyLimitMs = 3000;

// One suite for every SerialPort: the in-process port behaves as the real one.
template <typename Rig> class PortContract : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(rig.ready()) << "the simulator did not start"; }

    SerialPort& port() { return rig.serial(); }

    // Lets events run until `done` holds or the limit has passed.
    bool pumpUntil(const std::function<bool()>& done, qint64 limitMs = kReplyLimitMs) {
        const qint64 end = rig.elapsedMs() + limitMs;
        while (!done()) {
            if (rig.elapsedMs() > end)
                return false;
            rig.ticks().pump();
        }
        return true;
    }

    bool awaitInput(int count) {
        return pumpUntil([&] { return port().inputCount() >= count; });
    }

    void openLoggerPort(const QString& settings = QStringLiteral("9600,n,8,2")) {
        port().setPortNumber(Rig::kLoggerPort);
        port().setLineSettings(settings);
        ASSERT_FALSE(port().open());
    }

    // Wakes the logger and selects it, as a wake-up does; its "!" is left waiting.
    void selectLogger() {
        port().send(QByteArray(200, '\xFF'));
        port().send(QByteArray(1, '\x80'));
        ASSERT_TRUE(awaitInput(1));
    }

    Rig rig;
};

#ifdef KORVEN_SIM_PATH
using Rigs = ::testing::Types<SimulatedRig, PtyRig>;
#else
using Rigs = ::testing::Types<SimulatedRig>;
#endif
TYPED_TEST_SUITE(PortContract, Rigs);

// What arrived before a close is gone once the port is open again.
TYPED_TEST(PortContract, OpensTheLoggersPortAfreshAndFailsWithError8002WithoutADevice) {
    this->openLoggerPort();
    EXPECT_TRUE(this->port().isOpen());
    this->selectLogger();
    this->port().close();
    EXPECT_FALSE(this->port().isOpen());
    EXPECT_EQ(this->port().inputCount(), 0);
    EXPECT_TRUE(this->port().receive().isEmpty());
    ASSERT_FALSE(this->port().open());
    this->pumpUntil([] { return false; }, 200);
    EXPECT_EQ(this->port().inputCount(), 0);
    this->port().close();

    for (const int number : {TypeParam::kMissingPort, 7}) {
        this->port().setPortNumber(number);
        EXPECT_EQ(this->port().open().code, kInvalidPortNumber) << number;
        EXPECT_FALSE(this->port().isOpen());
    }
}

// A read length of one takes one character, zero takes the rest.
TYPED_TEST(PortContract, ReplyArrivesInPiecesAndIsReadWholeOrAsAskedFor) {
    this->openLoggerPort();
    this->selectLogger();
    ASSERT_EQ(this->port().receive(), "!");
    this->port().send("j\r");
    QSet<int> countsSeen;
    ASSERT_TRUE(this->pumpUntil([&] {
        countsSeen.insert(this->port().inputCount());
        return this->port().inputCount() >= 47;
    }));
    const QByteArray reply = this->port().receive();
    EXPECT_EQ(reply.size(), 47);
    EXPECT_EQ(reply[2], ' ');
    EXPECT_EQ(this->port().inputCount(), 0);
    countsSeen.remove(0);
    countsSeen.remove(47);
    EXPECT_FALSE(countsSeen.isEmpty()) << "some poll found part of the reply only";

    this->selectLogger();
    ASSERT_EQ(this->port().receive(), "!");
    this->port().send("H\r");
    ASSERT_TRUE(this->awaitInput(13));
    this->port().setReadLength(1);
    EXPECT_EQ(this->port().receive().size(), 1);
    EXPECT_EQ(this->port().inputCount(), 12);
    this->port().setReadLength(0);
    EXPECT_EQ(this->port().receive().size(), 12);
    EXPECT_EQ(this->port().inputCount(), 0);
}

TYPED_TEST(PortContract, SlowerLineSettingCarriesRepliesSlower) {
    this->openLoggerPort("2400,n,8,2");
    this->selectLogger();
    ASSERT_EQ(this->port().receive(), "!");
    const qint64 sent = this->rig.elapsedMs();
    this->port().send("j\r");
    ASSERT_TRUE(this->awaitInput(47));
    // 47 characters of 11 bits at 2400 baud take 215 ms.
    EXPECT_GE(this->rig.elapsedMs() - sent, 200);
}

#ifdef KORVEN_SIM_PATH
// korvenctl holds its device between the steps of a command.
TEST(HeldQtSerialPort, KeepsTheDeviceFromOthersBetweenSteps) {
    PtyRig rig;
    ASSERT_TRUE(rig.ready()) << "the simulator did not start";
    rig.port.holdDevice(true);
    rig.port.setPortNumber(PtyRig::kLoggerPort);
    ASSERT_FALSE(rig.port.open());
    rig.port.close();
    EXPECT_FALSE(rig.port.isOpen());

    QtSerialPort other;
    other.setPortNumber(PtyRig::kLoggerPort);
    EXPECT_TRUE(other.open()) << "the device is still held";
    EXPECT_FALSE(rig.port.open()) << "taken up again";
    EXPECT_TRUE(rig.port.isOpen());
}
#endif

} // namespace
} // namespace korven::test
