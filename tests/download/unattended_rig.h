#pragma once

#include "download/download_rig.h"
#include "download/unattended_download.h"

#include <QDateTime>
#include <QStringList>

namespace korven {

// korvenctl's download run over the test installation, keeping what it tells.
struct UnattendedRig : test::DownloadRig {
    explicit UnattendedRig(sim::LoggerConfig config = test::loggerWith(600)) : DownloadRig(config) {
        output.problem = [this](const QString& text) { problems.append(text); };
        output.result = [this](const QString& text) { results.append(text); };
    }

    UnattendedEnd run(const UnattendedRequest& request) {
        return run(request, port, session.linkReporter);
    }
    UnattendedEnd run(const UnattendedRequest& request, SerialPort& line, LinkReporter& reporter) {
        return runUnattendedDownload(folder.path(), request, line, clock, reporter, output,
                                     QDateTime(QDate(2024, 3, 6), QTime(7, 30, 5)));
    }

    QString saved(int blocks, const QString& table = QStringLiteral("out.txt")) const {
        return QStringLiteral("%1 blocks saved to %2").arg(blocks).arg(folder.path(table));
    }

    UnattendedOutput output;
    QStringList problems;
    QStringList results;
};

} // namespace korven
