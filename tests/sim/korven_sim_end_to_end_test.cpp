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

} // namespace
} // namespace korven::sim::test

#endif // KORVEN_SIM_PATH
