#include "link/link_texts.h"
#include "link/logger_link.h"
#include "link/port_settings.h"
#include "link/progress_labels.h"
#include "link/prompting_reporter.h"
#include "link/wake_logger.h"
#include "platform/qt_serial_port.h"
#include "platform/qt_ticks.h"
#include "support/scripted_prompter.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <ctime>
#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

namespace korven::test {
namespace {

// A pseudo-terminal nobody answers on: a logger that is not there.
class SilentPty {
public:
    SilentPty() {
        char name[128] = {};
        if (openpty(&controller_, &device_, name, nullptr, nullptr) == 0)
            path_ = QString::fromLocal8Bit(name);
    }
    ~SilentPty() {
        if (!path_.isEmpty()) {
            ::close(device_);
            ::close(controller_);
        }
    }
    QString path() const { return path_; }

private:
    int controller_ = -1;
    int device_ = -1;
    QString path_;
};

// The production port and time base on COM 1, which `device` stands for.
struct RealLine {
    explicit RealLine(const QString& device) {
        qputenv("KORVEN_COM1", device.toLocal8Bit());
        configurePort(port, PortSettings{0, 2});
    }

    QtSerialPort port;
    QtTicks ticks;
    ScriptedPrompter prompter;
    ProgressLabels labels;
    PromptingReporter reporter{prompter, labels};
    LoggerLink link{port, ticks, reporter};
};

TEST(SilentLine, WakeUpGivesUpAfterFourCyclesAndBurnsNoProcessor) {
    SilentPty pty;
    ASSERT_FALSE(pty.path().isEmpty());
    RealLine line(pty.path());
    QElapsedTimer wall;
    wall.start();
    const std::clock_t cpuStart = std::clock();

    auto conversation = line.link.startConversation();
    EXPECT_EQ(wakeLogger(*conversation), LinkStatus::NoAnswer);

    const double cpuMs = 1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const qint64 wallMs = wall.elapsed();
    std::printf("silent wake-up: %lld ms of waiting, %.1f ms of processor (%.2f%%)\n",
                static_cast<long long>(wallMs), cpuMs, 100.0 * cpuMs / double(wallMs));
    EXPECT_GT(wallMs, 4 * 2300);
    EXPECT_LT(wallMs, 4 * 3600);
    EXPECT_LT(cpuMs, 0.02 * double(wallMs));
    EXPECT_EQ(line.prompter.texts(), QStringList{link_texts::notConnected});
    EXPECT_EQ(line.link.state().linkFailed, 1);
}

} // namespace
} // namespace korven::test
