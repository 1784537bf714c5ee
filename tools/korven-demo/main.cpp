#include "sample_installation.h"
#include "sample_manual.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

// korven-demo FOLDER: writes the sample installation and manual into FOLDER,
// which becomes the program folder of the demo.
int main(int argc, char** argv) {
    // The manual is drawn without a screen; no window is ever shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: korven-demo FOLDER\n");
        return 2;
    }
    const QString folder = QDir(arguments[1]).absolutePath();
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "korven-demo: cannot create %s\n", qPrintable(folder));
        return 1;
    }
    if (const korven::FileStatus status = korven::demo::writeSampleInstallation(folder); !status) {
        std::fprintf(stderr, "korven-demo: %s\n", qPrintable(status.error));
        return 1;
    }
    if (!korven::demo::writeSampleManual(folder)) {
        std::fprintf(stderr, "korven-demo: cannot write the manual\n");
        return 1;
    }
    std::printf("korven-demo: sample installation written to %s\n", qPrintable(folder));
    return 0;
}
