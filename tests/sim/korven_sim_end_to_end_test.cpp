// The real simulator on a real pseudo-terminal, talked to with plain POSIX
// calls as a serial port would be. Only built where the simulator is.
#ifdef KORVEN_SIM_PATH

#include "support/temp_folder.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace korven::sim::test {
namespace {

constexpr int kWaitMs = 3000;

// One running simulator, stopped with SIGTERM at the end.
class RunningSimulator {
public:
    RunningSimulator(const QString& link, const QStringList& extra = {}) {
        process_.start(QStringLiteral(KORVEN_SIM_PATH), QStringList{"--link", link} + extra);
        // It says so once the link is there to open.
        while (!process_.canReadLine() && process_.waitForReadyRead(kWaitMs)) {
        }
        ready_ = process_.readLine();
    }

    ~RunningSimulator() { stop(); }

    QByteArray readyLine() const { return ready_; }

    int stop() {
        if (process_.state() != QProcess::NotRunning) {
            process_.terminate();
            process_.waitForFinished(kWaitMs);
        }
        return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
    }

    // The lines it wrote, once stopped.
    QList<QByteArray> output() { return process_.readAllStandardOutput().split('\n'); }
    QList<QByteArray> log() { return process_.readAllStandardError().split('\n'); }

private:
    QProcess process_;
    QByteArray ready_;
};

// The client side, set up as the program sets its port: raw, 9600 baud.
class Line {
public:
    explicit Line(const QString& path) : fd_(::open(qPrintable(path), O_RDWR | O_NOCTTY)) {
        termios settings{};
        if (fd_ >= 0 && tcgetattr(fd_, &settings) == 0) {
            cfmakeraw(&settings);
            cfsetispeed(&settings, B9600);
            cfsetospeed(&settings, B9600);
            tcsetattr(fd_, TCSANOW, &settings);
        }
    }
    ~Line() {
        if (fd_ >= 0)
            ::close(fd_);
    }

    bool isOpen() const { return fd_ >= 0; }

    void send(const QByteArray& bytes) {
        ASSERT_EQ(::write(fd_, bytes.constData(), bytes.size()), bytes.size());
    }

    // Reads until `count` bytes came or the time is up.
    QByteArray receive(int count, int limitMs = kWaitMs) {
        QByteArray bytes;
        QElapsedTimer clock;
        clock.start();
        while (bytes.size() < count && clock.elapsed() < limitMs) {
            pollfd watched{fd_, POLLIN, 0};
            if (poll(&watched, 1, int(limitMs - clock.elapsed())) <= 0)
                break;
            char buffer[512];
            const ssize_t got = ::read(fd_, buffer, sizeof buffer);
            if (got <= 0)
                break;
            bytes.append(buffer, got);
        }
        return bytes;
    }

    // Wakes the logger and addresses it; true once it answered "!".
    bool handshake() {
        send(QByteArray(200, '\xFF'));
        return address();
    }
    bool address() {
        send("\x80");
        return receive(1) == "!";
    }

private:
    int fd_;
};

TEST(SimulatorEndToEnd, ServesTheLoggerOnALinkAndRemovesItWhenStopped) {
    korven::test::TempFolder folder;
    const QString link = folder.path("korven0");
    RunningSimulator simulator(link);
    ASSERT_EQ(simulator.readyLine(), "korven-sim: serving on " + link.toUtf8() + "\n");

    for (int opening = 0; opening < 2; ++opening) {
        SCOPED_TRACE(opening == 0 ? "first opening" : "port closed and opened again");
        Line line(link);
        ASSERT_TRUE(line.isOpen());
        ASSERT_TRUE(line.handshake());
        line.send("j\r");
        const QByteArray reply = line.receive(47);
        ASSERT_EQ(reply.size(), 47);
        EXPECT_EQ(reply.mid(3, 2), "01");
        EXPECT_EQ(reply.mid(6, 2), "2C");
    }

    EXPECT_EQ(simulator.stop(), 0);
    EXPECT_FALSE(folder.exists("korven0"));
}

// The log lines about addresses, commands and modem events, in order.
QList<QByteArray> conversation(const QList<QByteArray>& log) {
    QList<QByteArray> lines;
    for (const QByteArray& line : log) {
        if (line.startsWith("korven-sim: address") || line.startsWith("korven-sim: command") ||
            line.startsWith("korven-sim: modem") || line.startsWith("korven-sim: asleep"))
            lines.append(line.mid(12));
    }
    return lines;
}

TEST(SimulatorEndToEnd, LogsAndKeepsWhatTheProgramSetsUp) {
    korven::test::TempFolder folder;
    const QString link = folder.path("korven0");
    RunningSimulator simulator(link, {"--verbose", "--dump-setup", folder.path("logger.json"),
                                      "--block-form", "96", "--block-separator", "-",
                                      "--clock-offset", "3600"});
    {
        Line line(link);
        ASSERT_TRUE(line.handshake());
        line.send("z\r");
        ASSERT_TRUE(line.address());
        line.send("P3PRESSIONE 3612411+30391-009658061\r");
        ASSERT_TRUE(line.address());
        line.send("C0\r");
        ASSERT_TRUE(line.address());
        line.send("S12B\r");
        const QByteArray block = line.receive(97);
        ASSERT_EQ(block.size(), 97);
        // Channel 7 reads +0 (8000) with four channels; a separator after it.
        EXPECT_EQ(block.mid(90), "80-00-\r");
        ASSERT_TRUE(line.address());
        line.send("H\r");
        const QDateTime logger = QDateTime::fromString(
            "20" + QString::fromLatin1(line.receive(13).left(12)), "yyyyMMddHHmmss");
        EXPECT_LT(std::abs(QDateTime::currentDateTime().secsTo(logger) - 3600), 3);
        // Scanning resumed with acquisition and auto-sleep.
        ASSERT_TRUE(line.address());
        line.send("Z\r");
        ASSERT_TRUE(line.address());
        line.send("Y\r");
        QThread::msleep(100);
    }
    EXPECT_EQ(simulator.stop(), 0);

    EXPECT_TRUE(simulator.output().contains(
        "korven-sim: channel 3: description \"PRESSIONE \" unit 3 type 6 decimals 2 supply 4 "
        "active 1 scaling 1 gain +12345 zero -00150"));
    const QList<QByteArray> steps = conversation(simulator.log());
    ASSERT_GE(steps.size(), 5);
    EXPECT_EQ(steps.mid(steps.size() - 5),
              QList<QByteArray>({"address 80 answered !", "command Z", "address 80 answered !",
                                 "command Y", "asleep"}));

    const QJsonObject dump = QJsonDocument::fromJson(folder.read("logger.json")).object();
    EXPECT_EQ(dump.value("channelCount").toInt(), 4);
    const QJsonObject three = dump.value("channels").toArray().at(3).toObject();
    EXPECT_TRUE(three.value("received").toBool());
    EXPECT_EQ(three.value("zero").toString(), "-00150");
}

TEST(SimulatorEndToEnd, AModemDialsWakesTheLoggerAndHangsUp) {
    korven::test::TempFolder folder;
    const QString link = folder.path("korven0");
    RunningSimulator simulator(link, {"--modem", "--modem-call-time", "200", "--verbose"});
    {
        Line line(link);
        line.send("ATE0\r");
        EXPECT_EQ(line.receive(11), "ATE0\r\r\nOK\r\n");
        line.send("atdp0123\r");
        EXPECT_EQ(line.receive(16), "\r\nCONNECT 9600\r\n");
        ASSERT_TRUE(line.handshake());
        line.send("z\r");
        QThread::msleep(1100);
        line.send("+++");
        EXPECT_EQ(line.receive(6), "\r\nOK\r\n");
        line.send("ATH0\r");
        EXPECT_EQ(line.receive(6), "\r\nOK\r\n");
    }
    EXPECT_EQ(simulator.stop(), 0);
    EXPECT_EQ(conversation(simulator.log()),
              QList<QByteArray>({"modem command ATE0: OK", "modem command atdp0123: dialling P0123",
                                 "modem CONNECT 9600", "address 80 answered !", "command z",
                                 "modem escape: command mode, call held, OK", "modem hung up",
                                 "modem command ATH0: OK"}));
}

// The program's exit statuses: 0 for help and version, 2 for a bad command line.
TEST(SimulatorCommandLine, AnswersHelpAndVersionAndRefusesBadOptions) {
    const auto run = [](const QStringList& arguments) {
        QProcess process;
        process.start(QStringLiteral(KORVEN_SIM_PATH), arguments);
        process.waitForFinished(kWaitMs);
        return std::pair{process.exitCode(), process.readAllStandardOutput()};
    };
    const auto [helpStatus, help] = run({"--help"});
    EXPECT_EQ(helpStatus, 0);
    EXPECT_TRUE(help.contains("--modem-call")) << help.constData();
    EXPECT_EQ(run({"--version"}), std::pair(0, QByteArray("korven-sim 1.0.0\n")));
    for (const QStringList& bad : QList<QStringList>{
             {"--link", "x", "--bogus"},
             {"--link", "x", "--code", "2", "--code", "3"},
             {"--link", "x", "--verbose", "--verbose"},
             {"--link", "x", "--code", "127"},
             {"--link", "x", "--block-form", "94"},
             {"--link", "x", "--handshake-reply", "ab"},
             {"--link", "x", "--modem-call", "busy"},
             {"--link", "x", "--modem", "--modem-call", "maybe"},
             {"--link", "x", "stray"},
             {"--code", "2"},
         })
        EXPECT_EQ(run(bad).first, 2) << bad.join(' ').toStdString();
}

} // namespace
} // namespace korven::sim::test

#endif // KORVEN_SIM_PATH
