// The station archive on SQLite: imports 100 000 blocks from a block table,
// exports a year of blocks at a 10-minute interval as CSV and looks for its
// gaps, printing the time each takes and the memory the export needs.

#include "archive/archive_blocks.h"
#include "archive/archive_gaps.h"
#include "archive/archive_runs.h"
#include "download/block_table_file.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

using namespace korven;

namespace {

constexpr int kImportBlocks = 100'000;
constexpr int kYearBlocks = 52'560; // a year at one block every ten minutes
constexpr int kScanSeconds = 600;
const QDateTime kStart(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC);

// The cells of block `n` as a download's grid would hold them.
QStringList blockCells(int number, const QDateTime& at, int n) {
    QStringList cells{QString::number(number), at.toString(QStringLiteral("dd/MM/yy")),
                      at.toString(QStringLiteral("HH:mm:ss"))};
    for (int channel = 0; channel < kAnalogChannels; ++channel)
        cells.append(QStringLiteral("%1%2")
                         .arg(QLatin1Char((n + channel) % 3 ? '+' : '-'))
                         .arg((n * 7 + channel * 1000) % 20000, 5, 10, QLatin1Char('0')));
    cells << QStringLiteral("0000%1").arg(n % 2) << QString();
    return cells;
}

RecordedChannels benchChannels() {
    RecordedChannels channels;
    for (int n = 0; n < kAnalogChannels; ++n)
        channels[n] = {QStringLiteral("Canale %1").arg(n), QStringLiteral("mV"), n % 4, true};
    return channels;
}

// The peak memory of the process since the last reset, in MB (Linux).
double peakMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

// Wall-clock and processor time of one step: the machine may be shared, so
// both are printed.
class StepTimer {
public:
    StepTimer() { restart(); }
    void restart() {
        wall_.start();
        cpu_ = std::clock();
    }
    double wallSeconds() const { return wall_.elapsed() / 1000.0; }
    double cpuSeconds() const { return double(std::clock() - cpu_) / CLOCKS_PER_SEC; }

private:
    QElapsedTimer wall_;
    std::clock_t cpu_ = 0;
};

void resetPeakMemory() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

UnattendedOutput quietOutput() {
    UnattendedOutput output;
    output.problem = [](const QString& text) { std::fprintf(stderr, "%s\n", qPrintable(text)); };
    return output;
}

bool openArchive(ArchiveStore& store) {
    if (const FileStatus opened = store.open(); !opened) {
        std::fprintf(stderr, "%s\n", qPrintable(opened.namedError()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const RecordedChannels channels = benchChannels();

    // A block table of 100 000 blocks; its 4-digit block field holds the
    // last four digits of each number, as the table has them.
    QByteArray table;
    for (int n = 0; n < kImportBlocks; ++n)
        table +=
            blockTableRecord(blockCells(n % 10000, kStart.addSecs(qint64(n) * kScanSeconds), n));
    QFile tableFile(folder.filePath(QStringLiteral("blocks.txt")));
    if (!tableFile.open(QIODevice::WriteOnly) || tableFile.write(table) != table.size())
        return 1;
    tableFile.close();

    ArchiveStore imported(
        *parseArchiveLocation(folder.filePath(QStringLiteral("import.sqlite")), {}).location);
    if (!openArchive(imported))
        return 1;
    StepTimer timer;
    if (importTables(imported, {tableFile.fileName()}, QStringLiteral("bench/import"), channels,
                     quietOutput()) != UnattendedEnd::Done)
        return 1;
    std::printf("import of %d blocks: %.2f s (processor %.2f s), %.0f blocks/s (%.0f per "
                "processor second)\n",
                kImportBlocks, timer.wallSeconds(), timer.cpuSeconds(),
                kImportBlocks / timer.wallSeconds(), kImportBlocks / timer.cpuSeconds());

    // A year of blocks, stored in batches as downloads bring them.
    ArchiveStore year(
        *parseArchiveLocation(folder.filePath(QStringLiteral("year.sqlite")), {}).location);
    if (!openArchive(year))
        return 1;
    QList<ArchivedBlock> batch;
    StoredCount count;
    for (int n = 0; n < kYearBlocks; ++n) {
        const QDateTime at = kStart.addSecs(qint64(n) * kScanSeconds);
        batch.append(*archivedBlock(QStringLiteral("bench/year"), blockCells(n, at, n), channels));
        if (batch.size() == 4096 || n == kYearBlocks - 1) {
            if (!year.store(batch, count))
                return 1;
            batch.clear();
        }
    }

    resetPeakMemory();
    timer.restart();
    QBuffer unused;
    if (exportArchive(year, {}, channels, folder.filePath(QStringLiteral("year.csv")), unused,
                      quietOutput()) != UnattendedEnd::Done)
        return 1;
    std::printf("export of a year (%d blocks) as CSV: %.2f s (processor %.2f s), peak memory "
                "%.1f MB\n",
                kYearBlocks, timer.wallSeconds(), timer.cpuSeconds(), peakMegabytes());
    resetPeakMemory();
    timer.restart();
    if (exportArchive(imported, {}, channels, folder.filePath(QStringLiteral("all.csv")), unused,
                      quietOutput()) != UnattendedEnd::Done)
        return 1;
    std::printf("export of %d blocks as CSV: %.2f s (processor %.2f s), peak memory %.1f MB\n",
                kImportBlocks, timer.wallSeconds(), timer.cpuSeconds(), peakMegabytes());

    timer.restart();
    QList<ArchiveGap> gaps;
    if (!findGaps(year, {}, gaps))
        return 1;
    std::printf("gaps over a year: %.2f s (processor %.2f s), %lld found\n", timer.wallSeconds(),
                timer.cpuSeconds(), static_cast<long long>(gaps.size()));
    return 0;
}
