#include "option_reader.h"
#include "sample_installation.h"
#include "sample_manual.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>

#include <cstdio>

// korven-demo FOLDER: writes the sample installation and manual into FOLDER,
// which becomes the program folder of the demo.
int main(int argc, char** argv) {
    // The manual is drawn without a screen; no window is ever shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korven-demo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KORVEN_DEMO_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes the sample installation and its manual into FOLDER, which\n"
                       "becomes the program folder of the demo. Exit status: 0 written,\n"
                       "1 when it cannot be written, 2 for a bad command line."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QString folderArgument = QStringLiteral("FOLDER");
    parser.addPositionalArgument(folderArgument,
                                 QStringLiteral("The folder to write (created when missing)."));
    korven::OptionReader(parser, {folderArgument}).parse(QCoreApplication::arguments());

    const QString folder = QDir(parser.positionalArguments().constFirst()).absolutePath();
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
