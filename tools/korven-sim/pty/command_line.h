#pragma once

#include <QString>

class QCoreApplication;

namespace korven::sim {

struct ServeOptions {
    QString linkPath;
    int code = 1;
    int blocks = 300;
    bool throttle = false;
    bool verbose = false;
};

// Reads the command line; shows the help or an error and ends the process
// when it asks for that or cannot be used.
ServeOptions parseCommandLine(const QCoreApplication& app);

} // namespace korven::sim
