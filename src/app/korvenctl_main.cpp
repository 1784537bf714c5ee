#include "download/unattended_download.h"
#include "korvenctl_command_line.h"
#include "korvenctl_console.h"
#include "platform/qt_serial_port.h"
#include "platform/qt_ticks.h"

#include <QCoreApplication>
#include <QDateTime>

#include <cstdio>

using namespace korven;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const ParsedCommandLine parsed = parseKorvenctlCommandLine(
        QCoreApplication::arguments(), QCoreApplication::applicationDirPath());
    if (!parsed.command) {
        std::fputs(parsed.message.toLocal8Bit().constData(), parsed.helpAsked ? stdout : stderr);
        return parsed.helpAsked ? 0 : static_cast<int>(UnattendedEnd::BadSetup);
    }

    QtSerialPort port;
    port.setDevice(parsed.command->device);
    QtTicks ticks;
    Console console;
    ConsoleReporter reporter(console);
    UnattendedOutput output;
    output.progress = [&console](const DownloadProgress& done) { console.progress(done); };
    output.problem = [&console](const QString& text) { console.problem(text); };
    output.result = [&console](const QString& text) { console.result(text); };
    return static_cast<int>(runUnattendedDownload(parsed.command->programFolder,
                                                  parsed.command->download, port, ticks, reporter,
                                                  output, QDateTime::currentDateTime()));
}
