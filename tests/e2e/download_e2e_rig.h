#pragma once

#include "support/temp_folder.h"
#include "support/test_installation.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

namespace korven::test::download_e2e {

// A program folder for korvenctl: the test installation, its logger set-up
// resuming the scanning without acquisition, its logger on the link "com1".
struct ProgramFolder : TempFolder {
    ProgramFolder() { writeProgramFolder(*this, '0'); }

    QString link() const { return path("com1"); }
    // korvenctl's arguments for `command` on this installation and its link.
    QStringList onLine(const QStringList& command) const {
        return QStringList{"--folder", path(), "--device", link()} + command;
    }
    // The logger set-up's scanning flags, acquisition and auto-sleep: '0' or '1'.
    void setScanFlags(char acquisition, char autoSleep) const {
        write("logger.par", loggerParRecord(acquisition, autoSleep));
    }
    void writeDownloadPointer(int block) const { write("plant.PUN", downloadPointerRecord(block)); }
    int downloadPointer() const { return downloadPointerOf(read("plant.PUN")); }

    // The block numbers of a table's lines.
    QList<int> tableBlocks(const QString& name) const {
        const QByteArray table = read(name);
        QList<int> blocks;
        for (qsizetype at = 0; at + 104 <= table.size(); at += 104)
            blocks.append(table.mid(at, 4).toInt());
        return blocks;
    }
};

inline QList<int> blocksFrom(int first, int last) {
    QList<int> blocks;
    for (int block = first; block <= last; ++block)
        blocks.append(block);
    return blocks;
}

// korven-sim serving 600 blocks on a link, logging its commands.
class Simulator {
public:
    explicit Simulator(const QString& link, const QStringList& moreOptions = {}) {
        process_.start(QStringLiteral(KORVEN_SIM_PATH),
                       QStringList{"--link", link, "--blocks", "600", "--verbose"} + moreOptions);
        while (!process_.canReadLine() && process_.waitForReadyRead(kWaitMs)) {
        }
        // A test goes on without its logger, and fails on its first exchange.
        EXPECT_TRUE(process_.readLine().startsWith("korven-sim: serving on")) << "no korven-sim";
        process_.setReadChannel(QProcess::StandardError);
    }
    ~Simulator() {
        process_.terminate();
        process_.waitForFinished(kWaitMs);
    }

    bool awaitBlockRequests(int count) { return awaitLines("korven-sim: command S", count); }
    // Waits until `count` more lines that start with `start` have been logged.
    bool awaitLines(const QByteArray& start, int count = 1) {
        int seen = 0;
        while (seen < count && process_.waitForReadyRead(kWaitMs)) {
            while (process_.canReadLine()) {
                const QByteArray line = process_.readLine();
                log_ += line;
                seen += line.startsWith(start) ? 1 : 0;
            }
        }
        return seen >= count;
    }
    // Everything it has logged so far, once the line is quiet.
    QByteArray log() {
        while (process_.waitForReadyRead(kQuietMs))
            log_ += process_.readAll();
        return log_ += process_.readAll();
    }
    // The commands the logger has run so far, in order.
    QStringList commands() {
        QStringList commands;
        for (const QByteArray& line : log().split('\n')) {
            if (line.startsWith("korven-sim: command "))
                commands.append(QString::fromLatin1(line.mid(20)).trimmed());
        }
        return commands;
    }
    // Pulls the plug: the line goes dead at once.
    void kill() {
        process_.kill();
        process_.waitForFinished(kWaitMs);
    }

private:
    static constexpr int kWaitMs = 10'000;
    static constexpr int kQuietMs = 300;
    QProcess process_;
    QByteArray log_;
};

// Eight system channels; channel 2 is "Pressione" in mV, treated as
// 2 * x + 10 with two decimals. Written from the ".stp" layout.
inline QByteArray systemSetup() {
    QByteArray file;
    for (int n = 0; n < 8; ++n) {
        QByteArray record(75, ' ');
        record.replace(9, 3, "ON ");
        record.replace(24, 2, n == 2 ? "01" : "0 ");
        record.replace(26, 6, n == 2 ? "+00002" : "+20000");
        record.replace(32, 6, n == 2 ? "+00010" : "+00000");
        record[38] = n == 2 ? 2 : 3;
        record[39] = 0;
        record.replace(40, 20, QByteArray(n == 2 ? "Pressione" : "Sonda").leftJustified(20, ' '));
        record.replace(60, 4, n == 2 ? "mV  " : "Volt");
        file += record;
    }
    return file;
}

// The system set-up above; the logger resumes scanning with acquisition ("Z").
inline void prepareReading(const ProgramFolder& folder) {
    folder.write("plant.stp", systemSetup());
    folder.setScanFlags('1', '0');
}

// One run of a program of ours, standard output by lines.
struct ToolRun {
    int exitCode = -1;
    QStringList out;
    QString err;
};

inline ToolRun runTool(const QString& program, const QStringList& arguments,
                       const QString& workingFolder = {}) {
    QProcess process;
    process.setWorkingDirectory(workingFolder);
    process.start(program, arguments);
    ToolRun run;
    if (!process.waitForFinished(60'000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out =
        QString::fromLocal8Bit(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

inline ToolRun korvenctl(const QStringList& arguments) {
    return runTool(QStringLiteral(KORVENCTL_PATH), arguments);
}

} // namespace korven::test::download_e2e
