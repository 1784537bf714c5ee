#pragma once

#include "support/temp_folder.h"
#include "support/test_installation.h"

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

namespace korven::test::download_e2e {

// A program folder for korvenctl: the test installation, its logger set-up
// resuming the scanning without acquisition.
class ProgramFolder {
public:
    ProgramFolder() { writeProgramFolder(folder_, '0'); }

    // The logger set-up's flags for putting the logger back into scanning:
    // acquisition and auto-sleep, each '0' or '1'.
    void setScanFlags(char acquisition, char autoSleep) const {
        folder_.write("logger.par", loggerParRecord(acquisition, autoSleep));
    }

    QString path(const QString& name = {}) const { return folder_.path(name); }
    QString link() const { return path("com1"); }
    QByteArray read(const QString& name) const { return folder_.read(name); }
    void write(const QString& name, const QByteArray& bytes) const { folder_.write(name, bytes); }
    bool exists(const QString& name) const { return folder_.exists(name); }

    // ".PUN" with its last-block field set and the rest zero bytes.
    void writeDownloadPointer(int block) const {
        folder_.write("plant.PUN", downloadPointerRecord(block));
    }
    int downloadPointer() const { return downloadPointerOf(read("plant.PUN")); }

    // The block numbers of a table's lines.
    QList<int> tableBlocks(const QString& name) const {
        const QByteArray table = read(name);
        QList<int> blocks;
        for (qsizetype at = 0; at + 104 <= table.size(); at += 104)
            blocks.append(table.mid(at, 4).toInt());
        return blocks;
    }

private:
    TempFolder folder_;
};

inline QList<int> blocksFrom(int first, int last) {
    QList<int> blocks;
    for (int block = first; block <= last; ++block)
        blocks.append(block);
    return blocks;
}

// korven-sim serving 600 blocks on a link, with its commands logged, and any
// more options given.
class Simulator {
public:
    explicit Simulator(const QString& link, const QStringList& moreOptions = {}) {
        process_.start(QStringLiteral(KORVEN_SIM_PATH),
                       QStringList{"--link", link, "--blocks", "600", "--verbose"} + moreOptions);
        while (!process_.canReadLine() && process_.waitForReadyRead(kWaitMs)) {
        }
        ready_ = process_.readLine().startsWith("korven-sim: serving on");
        process_.setReadChannel(QProcess::StandardError);
    }
    ~Simulator() { stop(); }

    bool ready() const { return ready_; }
    // Waits until the logger has answered `count` block requests.
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
        log_ += process_.readAll();
        return log_;
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
    void stop() {
        if (process_.state() == QProcess::NotRunning)
            return;
        process_.terminate();
        process_.waitForFinished(kWaitMs);
    }

private:
    static constexpr int kWaitMs = 10'000;
    static constexpr int kQuietMs = 300;
    QProcess process_;
    QByteArray log_;
    bool ready_ = false;
};

// korvenctl's arguments for a download from the folder's logger.
inline QStringList download(const ProgramFolder& folder, const QStringList& arguments) {
    return QStringList{"--folder", folder.path(), "--device", folder.link(), "download"} +
           arguments;
}

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

// The system set-up above, and a logger set-up that goes back to scanning
// with acquisition ("Z").
inline void prepareReading(const ProgramFolder& folder) {
    folder.write("plant.stp", systemSetup());
    folder.setScanFlags('1', '0');
}

// One run of korvenctl.
struct KorvenctlRun {
    int exitCode = -1;
    QStringList out;
    QString err;
};

inline KorvenctlRun korvenctl(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(KORVENCTL_PATH), arguments);
    KorvenctlRun run;
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

} // namespace korven::test::download_e2e
