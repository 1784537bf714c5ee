#include "fuzz_input.h"

#include "download/download_job.h"
#include "link/prompting_reporter.h"
#include "link/protocol/block_numbers.h"
#include "link/protocol/commands.h"
#include "sim/logger_brain.h"
#include "support/scripted_prompter.h"
#include "support/simulated_port.h"
#include "support/temp_folder.h"
#include "support/test_installation.h"
#include "support/virtual_clock.h"

#include <gtest/gtest.h>

using namespace korven;
using korven::fuzz::FuzzInput;
using korven::fuzz::require;
using korven::test::TempFolder;

namespace {

// A line whose faults the fuzzer chooses: a byte per reply, whose low bits
// pass it as sent (0-7, so runs get into the blocks) or spoil it, and whose
// top three bits delay it up to 1, 5 or 25 s, around the link's time limits.
// Once the input is used up the line is dead, so every run ends.
class FuzzedLine {
public:
    explicit FuzzedLine(FuzzInput& input) : input_(input) {}

    QList<sim::Emission> carry(sim::Emission reply) {
        if (input_.exhausted())
            return {};
        const quint8 directive = input_.byte();
        QByteArray& bytes = reply.bytes;
        const auto somewhere = [&] { return bytes.isEmpty() ? 0 : input_.byte() % bytes.size(); };
        switch (directive & 0x0F) {
        case Lost:
            return {};
        case Cut:
            bytes.truncate(input_.byte() % (bytes.size() + 1));
            break;
        case ByteChanged:
            if (!bytes.isEmpty())
                bytes[somewhere()] = static_cast<char>(input_.byte());
            break;
        case ByteDropped:
            if (!bytes.isEmpty())
                bytes.remove(somewhere(), 1);
            break;
        case Replaced:
            bytes = input_.bytes(input_.byte());
            break;
        case Doubled:
            bytes += bytes;
            break;
        case NoiseBefore:
            bytes.prepend(input_.bytes(input_.byte() % kLongestNoise));
            break;
        case NoiseAfter:
            bytes.append(input_.bytes(input_.byte() % kLongestNoise));
            break;
        default:
            break;
        }
        static constexpr int kMsPerLatenessStep[8] = {0, 0, 0, 0, 0, 4, 20, 100};
        if (const int step = kMsPerLatenessStep[directive >> 5])
            reply.delayMs += input_.byte() * step;
        return {reply};
    }

private:
    enum Fault : quint8 {
        Lost = 8,
        Cut,
        ByteChanged,
        ByteDropped,
        Replaced,
        Doubled,
        NoiseBefore,
        NoiseAfter
    };
    static constexpr int kLongestNoise = 16;

    FuzzInput& input_;
};

// Longer ranges are not fetched: the line's faults show as well on shorter
// ones, and a grid as long as the logger's memory only slows the fuzzer.
constexpr int kLongestFuzzedRange = 256;

// The test installation with the scan flags and pointer given, and no table.
Installation prepare(const TempFolder& folder, quint16 pointer, bool acquisition, bool autosleep) {
    folder.write("plant.pas", test::IdentityRecord{}.bytes());
    folder.write("logger.tmr", test::loggerChannelRecords());
    folder.write("logger.par",
                 test::loggerParRecord(acquisition ? '1' : '0', autosleep ? '1' : '0'));
    folder.write("plant.PUN", test::downloadPointerRecord(pointer));
    QFile::remove(folder.path("table.txt"));
    QFile::remove(folder.path("plant.DIR"));
    return {folder.path("plant.stp"), folder.path("logger"), {}, {}};
}

// The steps of an automatic download, as its screens take them.
void download(DownloadJob& job, const TempFolder& folder, int extraAttempts) {
    const RangeQuery query = job.queryRange();
    if (query.status != LinkStatus::Ok || query.range.nothingNew() ||
        query.range.count() > kLongestFuzzedRange)
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

    require(static_cast<bool>(job.saveAutomatic(grid, fetched.fetched, folder.path("table.txt"),
                                                QDate(2024, 3, 5))),
            "the table and the side files are saved");
    require(folder.read("table.txt").size() ==
                qsizetype(fetched.fetched) * BlockTableLayout::recordLength,
            "one line per fetched block");
    require(test::downloadPointerOf(folder.read("plant.PUN")) ==
                wrappedBlock(range.first + fetched.fetched),
            "the pointer moves past the saved blocks and no further");
}

// The scanning command last written: "z" by the wake-up, or the resume's.
QByteArray lastScanningCommand(const test::SimulatedPort& port) {
    for (auto write = port.writes().crbegin(); write != port.writes().crend(); ++write) {
        if (*write == command::stopScanning + '\r' || *write == command::scanWithAcquisition + '\r')
            return write->chopped(1);
    }
    return {};
}

} // namespace

// The input: how many blocks the logger holds, the download pointer, a byte
// for how many more times a damaged block is asked for (bits 0-1), whether
// scanning resumes with acquisition (bit 2) and whether the logger then
// sleeps (bit 3); then the fate of each reply on the line (see FuzzedLine).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TempFolder folder;
    FuzzInput input(data, size);
    const sim::LoggerConfig logger{.blocks = input.word() % 5000};
    const quint16 pointer = input.word();
    const quint8 choices = input.byte();
    const bool acquisition = choices & 4;
    Installation installation = prepare(folder, pointer, acquisition, choices & 8);

    test::VirtualClock clock;
    test::SimulatedPort port(clock, logger);
    FuzzedLine line(input);
    port.setLineFilter([&line](const sim::Emission& reply) { return line.carry(reply); });
    // Nobody reads the messages: the link's failures are part of the game.
    test::ScriptedPrompter prompter;
    ProgressLabels labels;
    PromptingReporter reporter(prompter, labels);
    LoggerLink link(port, clock, reporter);
    DownloadJob job(link, installation);

    require(static_cast<bool>(job.readSetup(true)), "the set-up reads");
    require(job.downloadPointer() == pointer, "the download starts at the pointer");
    if (job.wake() != LinkStatus::Ok)
        return 0;
    download(job, folder, (choices & 3) % 3);
    if (job.resume() == LinkStatus::Ok)
        require(lastScanningCommand(port) ==
                    (acquisition ? command::scanWithAcquisition : command::stopScanning),
                "scanning resumes as the logger set-up says");
    require(!link.busy(), "every conversation has ended");
    // The simulated port reports misuse (bytes sent on a closed port) as a
    // test failure; outside a test it lands here.
    require(!testing::UnitTest::GetInstance()->ad_hoc_test_result().Failed(),
            "the port was used as a port is used");
    return 0;
}
