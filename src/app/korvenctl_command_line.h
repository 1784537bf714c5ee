#pragma once

#include "download/unattended_download.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace korven {

// What korvenctl was asked to do.
struct KorvenctlCommand {
    QString programFolder; // where "config.dat" is
    QString device;        // the device for the configured port; empty for the COM mapping
    UnattendedRequest download;
};

struct ParsedCommandLine {
    std::optional<KorvenctlCommand> command; // empty when there is nothing to run
    QString message;                         // the help, or what is wrong
    bool helpAsked = false;
};

// Reads `arguments` (the program name first). `defaultFolder` is the program
// folder when --folder is not given.
ParsedCommandLine parseKorvenctlCommandLine(const QStringList& arguments,
                                            const QString& defaultFolder);

} // namespace korven
