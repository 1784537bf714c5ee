// The real simulator on a real pseudo-terminal, talked to with plain POSIX
// calls as a serial port would be. Only built where the simulator is.
#ifdef KORVEN_SIM_PATH

#include "support/temp_folder.h"

#include <QElapsedTimer>
#include <QProcess>

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
    QByteArray receive(int count) {
        QByteArray bytes;
        QElapsedTimer clock;
        clock.start();
        while (bytes.size() < count && clock.elapsed() < kWaitMs) {
            pollfd watched{fd_, POLLIN, 0};
            if (poll(&watched, 1, int(kWaitMs - clock.elapsed())) <= 0)
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
        send(QByteArray(200, '\xFF') + "\x80");
        return receive(1) == "!";
    }

private:
    int fd_;
};

// The options shape the replies: here blocks end with their separator, "-".
TEST(SimulatorEndToEnd, ServesTheLoggerOnALinkAndRemovesItWhenStopped) {
    korven::test::TempFolder folder;
    const QString link = folder.path("korven0");
    RunningSimulator simulator(link, {"--block-form", "96", "--block-separator", "-"});
    ASSERT_EQ(simulator.readyLine(), "korven-sim: serving on " + link.toUtf8() + "\n");

    for (int opening = 0; opening < 2; ++opening) {
        SCOPED_TRACE(opening == 0 ? "first opening" : "port closed and opened again");
        Line line(link);
        ASSERT_TRUE(line.isOpen());
        ASSERT_TRUE(line.handshake());
        line.send("j\r");
        const QByteArray reply = line.receive(47);
        ASSERT_EQ(reply.size(), 47);
        EXPECT_EQ(reply.mid(3, 5), "01 2C");
    }
    Line line(link);
    ASSERT_TRUE(line.handshake());
    line.send("S12B\r");
    const QByteArray block = line.receive(97);
    ASSERT_EQ(block.size(), 97);
    EXPECT_EQ(block.at(2), '-');
    EXPECT_EQ(block.right(2), "-\r");

    EXPECT_EQ(simulator.stop(), 0);
    EXPECT_FALSE(folder.exists("korven0"));
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
