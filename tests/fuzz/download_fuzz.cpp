#include "fuzz_input.h"
#include "fuzzed_line.h"

#include "download/download_job.h"
#include "download/download_test_setup.h"
#include "link/protocol/block_numbers.h"
#include "link/protocol/commands.h"
#include "support/simulated_port.h"
#include "support/virtual_clock.h"
#include "system_setup/side_file_layouts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korven;
using korven::fuzz::FuzzedLine;
using korven::fuzz::FuzzInput;
using korven::fuzz::require;

namespace {

// Ranges longer than this are not fetched (see download() below).
constexpr int kLongestFuzzedRange = 256;

// Nobody watches the link: its failures are part of the game.
class UnwatchedReporter : public LinkReporter {
public:
    void progress(const QString&, const QString&) override {}
    void busy(bool) override {}
    void failure(LinkFailure) override {}
    void scanningResumed(int, ResumedLine) override {}
};

// The program folder of every run: a system set-up on COM 1 at 9600 baud and
// the download tests' logger set-up. Each run writes its own logger flags
// and download pointer, and starts with no table and no data-directory file.
class ProgramFolder {
public:
    ProgramFolder() {
        QByteArray identity(IdentityLayout::recordLength, ' ');
        identity[IdentityLayout::comIndex.offset] = '0';
        identity[IdentityLayout::speedIndex.offset] = '2';
        write(QStringLiteral("plant.pas"), identity);
        write(QStringLiteral("logger.tmr"), test::downloadTestChannels());
    }

    QString path(const QString& name) const { return QDir(dir_.path()).filePath(name); }
    QString tablePath() const { return path(QStringLiteral("table.txt")); }

    QByteArray read(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The logger set-up says whether scanning resumes with acquisition and
    // whether the logger then goes to sleep by itself.
    void startRun(quint16 pointer, bool acquisition, bool autosleep) const {
        QByteArray par = test::downloadTestPar();
        par[LoggerParLayout::acquisitionFlag.offset] = acquisition ? '1' : '0';
        par[LoggerParLayout::sleepFlag.offset] = autosleep ? '1' : '0';
        write(QStringLiteral("logger.par"), par);
        QFile::remove(tablePath());
        QFile::remove(path(QStringLiteral("plant.DIR")));
        Record record(DownloadPointerLayout::recordLength);
        record.setUnsignedInteger(DownloadPointerLayout::lastBlock, pointer);
        write(QStringLiteral("plant.PUN"), record.bytes());
    }

    Installation installation() const {
        Installation installation;
        installation.systemFilePath = path(QStringLiteral("plant.stp"));
        installation.loggerSetupPath = path(QStringLiteral("logger"));
        return installation;
    }

private:
    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        require(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(),
                "the program folder takes its files");
    }

    QTemporaryDir dir_;
};

// The steps of an automatic download, as its screens take them.
void download(DownloadJob& job, const ProgramFolder& folder, int extraAttempts) {
    const RangeQuery query = job.queryRange();
    if (query.status != LinkStatus::Ok || query.range.nothingNew())
        return;
    // A range as long as the logger's whole memory follows from the pointer
    // and the status reply alone; the line's faults show as well on shorter
    // ones, and a grid that long would only slow the fuzzer down.
    if (query.range.count() > kLongestFuzzedRange)
        return;
    const AutomaticRange range = query.range;
    BlockGrid grid;
    grid.setupBlockGrid(job.descriptions(), range.first, range.count());
    const FetchResult fetched = job.fetch(range.first, range.last, grid, extraAttempts, {});
    require(fetched.fetched >= 0 && fetched.fetched <= range.count(), "no more blocks than asked");
    require((fetched.end == FetchEnd::Complete) == (fetched.fetched == range.count()),
            "a fetch is complete exactly when every block came");
    if (fetched.fetched == 0)
        return;

    const AutomaticSave saved =
        job.saveAutomatic(grid, fetched.fetched, folder.tablePath(), QDate(2024, 3, 5));
    require(static_cast<bool>(saved), "the table and the side files are saved");
    const QByteArray table = folder.read(QStringLiteral("table.txt"));
    require(table.size() == qsizetype(fetched.fetched) * BlockTableLayout::recordLength,
            "one line per fetched block");
    Record pointer(DownloadPointerLayout::recordLength);
    pointer.setBytes(folder.read(QStringLiteral("plant.PUN")));
    require(pointer.unsignedInteger(DownloadPointerLayout::lastBlock) ==
                wrappedBlock(range.first + fetched.fetched),
            "the pointer moves past the saved blocks and no further");
}

// The scanning command last written: the wake-up stops the scanning, the
// resume starts it again.
QByteArray lastScanningCommand(const test::SimulatedPort& port) {
    const QByteArray stop = command::stopScanning + '\r';
    const QByteArray scan = command::scanWithAcquisition + '\r';
    for (auto write = port.writes().crbegin(); write != port.writes().crend(); ++write) {
        if (*write == stop || *write == scan)
            return *write;
    }
    return {};
}

} // namespace

// The input: how many blocks the logger holds, the download pointer, a byte
// for how many more times a damaged block is asked for (bits 0-1), whether
// scanning resumes with acquisition (bit 2) and whether the logger then
// sleeps (bit 3); then the fate of each reply on the line (see FuzzedLine).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ProgramFolder folder;
    FuzzInput input(data, size);
    sim::LoggerConfig logger;
    logger.blocks = input.word() % 5000;
    const auto pointer = static_cast<quint16>(input.word());
    const quint8 choices = input.byte();
    const int extraAttempts = (choices & 3) % 3;
    const bool acquisition = choices & 4;
    folder.startRun(pointer, acquisition, choices & 8);

    test::VirtualClock clock;
    test::SimulatedPort port(clock, logger);
    FuzzedLine line(input);
    port.setLineFilter([&line](const sim::Emission& reply) { return line.carry(reply); });
    UnwatchedReporter reporter;
    LoggerLink link(port, clock, reporter);
    Installation installation = folder.installation();
    DownloadJob job(link, installation);

    require(static_cast<bool>(job.readSetup(true)), "the set-up reads");
    require(job.downloadPointer() == pointer, "the download starts at the pointer");
    if (job.wake() != LinkStatus::Ok)
        return 0;
    download(job, folder, extraAttempts);
    if (job.resume() == LinkStatus::Ok)
        require(lastScanningCommand(port) ==
                    (acquisition ? command::scanWithAcquisition : command::stopScanning) + '\r',
                "scanning resumes as the logger set-up says");
    require(!link.busy(), "every conversation has ended");
    // The simulated port reports misuse, such as bytes sent on a closed
    // port, as a test failure; outside a test it lands here.
    require(!testing::UnitTest::GetInstance()->ad_hoc_test_result().Failed(),
            "the port was used as a port is used");
    return 0;
}
