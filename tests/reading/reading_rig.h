#pragma once

#include "logger_setup/logger_set_bytes.h"
#include "support/session_rig.h"
#include "system_setup/system_channel_bytes.h"

#include <QLabel>
#include <QPointer>

#include <array>

namespace korven::test {

// What a live reading reads: "logger.par" and the first eight records of "plant.stp".
struct ReadingFiles {
    QByteArray channelCount = "8 ";
    QByteArray digital1 = "ON ";
    std::array<SystemChannelBytes, 8> channels;

    ReadingFiles() {
        for (int n = 0; n < 8; ++n) {
            channels[n].description = ("Sonda " + QByteArray::number(n)).leftJustified(20, ' ');
            channels[n].activation = "ON ";
            channels[n].treatment = "0 ";
        }
        // Channel 2 is treated: "A*x+B" with gain 2 and zero 10, two decimals.
        channels[2] = {.activation = "ON ",
                       .treatment = "01",
                       .gain = "+00002",
                       .zero = "+00010",
                       .mask = 2,
                       .description = QByteArray("Pressione linea").leftJustified(20, ' '),
                       .unit = "mV  "};
    }

    void writeTo(const TempFolder& folder) const {
        // No auto-sleep: resuming the scanning restarts acquisition ("Z").
        QByteArray par = generalRecord(channelCount, "03", '0', '1');
        par.replace(30, 3, digital1);
        folder.write("logger.par", par);
        writeSystemFile(folder, {channels.begin(), channels.end()});
    }
};

inline const QString kResumed = resumedText(0);

// A session over the simulated logger with the reading set-up written.
struct ReadingRig : SessionRig {
    explicit ReadingRig(const ReadingFiles& files = {}, const sim::LoggerConfig& logger = {})
        : SessionRig(logger) {
        files.writeTo(folder);
    }

    // The readings the logger was asked for, in order ("F0", "F03", "A0").
    QList<QByteArray> readingRequests() {
        QList<QByteArray> requests;
        for (const QByteArray& command : port.logger().commands())
            if (command.startsWith('F') || command == "A0")
                requests.append(command);
        return requests;
    }
    int writesOf(const QByteArray& bytes) { return static_cast<int>(port.writes().count(bytes)); }
};

// A reading screen on the rig's session, shown offscreen.
template <typename Screen> struct ReadingScreenRig : ReadingRig {
    explicit ReadingScreenRig(const ReadingFiles& files = {})
        : ReadingRig(files), screen(new Screen(session)) {
        screen->resize(800, 700);
        screen->show();
    }
    ~ReadingScreenRig() { delete screen; }

    QLabel* label(const QString& name) { return child<QLabel>(*screen, qPrintable(name)); }
    QString text(const QString& name) { return label(name)->text(); }
    QPushButton* button(const char* name) { return child<QPushButton>(*screen, name); }
    void press(const char* name) { click(*screen, name); }
    // The stop button, `delayMs` after the logger was asked for its `times`-th reading.
    void stopAfter(const QByteArray& command, int times, qint64 delayMs = 300) {
        afterCommand(command, times, delayMs, [this] { press("Command2"); });
    }

    QPointer<Screen> screen;
};

} // namespace korven::test
