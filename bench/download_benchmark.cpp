// Downloads 500 blocks from the throttled simulator over a pseudo-terminal at
// 9600 baud, as korvenctl does, and prints how close to the speed of the line
// it runs and how much processor time it takes.

#include "bench_setup.h"
#include "counting_port.h"
#include "download/unattended_download.h"
#include "launcher/simulator_process.h"
#include "link/link_texts.h"
#include "platform/qt_serial_port.h"
#include "platform/qt_ticks.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

using namespace korven;

namespace {

constexpr int kFirstBlock = 100;
constexpr int kLastBlock = 599;
constexpr int kBaud = 9600;
constexpr double kBitsPerCharacter = 11.0;

// The link's messages are not the benchmark's business, but a failure is.
class LoggingReporter : public LinkReporter {
public:
    void progress(const QString&, const QString&) override {}
    void busy(bool) override {}
    void failure(LinkFailure failure) override { log(link_texts::failureText(failure)); }
    void scanningResumed(int loggerNumber, ResumedLine line) override {
        log(link_texts::scanningResumed(loggerNumber, line));
    }

private:
    static void log(const QString& text) {
        std::fprintf(stderr, "  (%s)\n", qPrintable(QString(text).replace(u'\r', u' ')));
    }
};

double wireSeconds(qint64 characters) {
    return characters * kBitsPerCharacter / kBaud;
}

double cpuSeconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

struct Phase {
    qint64 startMs = 0;
    qint64 endMs = 0;
    qint64 startCharacters = 0;
    qint64 endCharacters = 0;
    double startCpu = 0;
    double endCpu = 0;

    double seconds() const { return (endMs - startMs) / 1000.0; }
    qint64 characters() const { return endCharacters - startCharacters; }
};

void report(const char* name, const Phase& phase) {
    const double wire = wireSeconds(phase.characters());
    std::printf("%-12s %8.2f s elapsed, %8.2f s on the wire (%lld characters): ratio %.3f\n", name,
                phase.seconds(), wire, static_cast<long long>(phase.characters()),
                phase.seconds() / wire);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    if (!folder.isValid() || !bench::writeProgramFolder(folder.path())) {
        std::fprintf(stderr, "cannot prepare a program folder\n");
        return 1;
    }
    const QString link = QDir(folder.path()).filePath(QStringLiteral("com1"));
    SimulatorProcess simulator(
        QStringLiteral(KORVEN_SIM_PATH), link,
        {QStringLiteral("--throttle"), QStringLiteral("--blocks"), QStringLiteral("600")});
    if (!simulator.isServing()) {
        std::fprintf(stderr, "korven-sim did not start\n");
        return 1;
    }

    QtSerialPort device;
    device.setDevice(link);
    bench::CountingPort port(device);
    QtTicks ticks;
    LoggingReporter reporter;
    QElapsedTimer clock;
    Phase total;
    Phase blocks;
    UnattendedRequest request{
        false, kFirstBlock, kLastBlock, folder.filePath(QStringLiteral("b.txt")), {}};
    request.progress = [&](const DownloadProgress& progress) {
        if (progress.done == 0) {
            blocks.startMs = clock.elapsed();
            blocks.startCharacters = port.characters();
            blocks.startCpu = cpuSeconds();
        }
        if (progress.done == progress.total) {
            blocks.endMs = clock.elapsed();
            blocks.endCharacters = port.characters();
            blocks.endCpu = cpuSeconds();
        }
    };
    UnattendedOutput output;
    output.problem = [](const QString& text) { std::fprintf(stderr, "%s\n", qPrintable(text)); };
    output.result = [](const QString& text) { std::printf("%s\n", qPrintable(text)); };

    std::printf("Downloading blocks %d to %d from korven-sim --throttle at %d baud...\n",
                kFirstBlock, kLastBlock, kBaud);
    total.startCpu = cpuSeconds();
    clock.start();
    const UnattendedEnd end = runUnattendedDownload(folder.path(), request, port, ticks, reporter,
                                                    output, QDateTime::currentDateTime());
    total.endMs = clock.elapsed();
    total.endCpu = cpuSeconds();
    total.endCharacters = port.characters();
    if (end != UnattendedEnd::Done || blocks.endMs == 0) {
        std::fprintf(stderr, "the download failed (%d)\n", static_cast<int>(end));
        return 1;
    }

    std::printf("\n(a) elapsed time / wire time at %.0f bits per character\n", kBitsPerCharacter);
    report("block phase", blocks);
    report("total", total);
    std::printf("    target: block phase at most 1.05\n");
    std::printf("\n(b) processor time of the downloading process / elapsed time\n");
    std::printf("block phase  %.3f s / %.2f s = %.2f %%\n", blocks.endCpu - blocks.startCpu,
                blocks.seconds(), 100.0 * (blocks.endCpu - blocks.startCpu) / blocks.seconds());
    std::printf("total        %.3f s / %.2f s = %.2f %%\n", total.endCpu - total.startCpu,
                total.seconds(), 100.0 * (total.endCpu - total.startCpu) / total.seconds());
    std::printf("    target: under 2 %%\n");
    return 0;
}
