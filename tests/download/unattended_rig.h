#pragma once

#include "download/download_rig.h"
#include "download/unattended_download.h"
#include "system_setup/settings_file.h"

#include <QDateTime>
#include <QStringList>

#include <gtest/gtest.h>

namespace korven {

// A program folder whose "config.dat" names the rig's set-up files.
struct UnattendedRig : test::DownloadRig {
    explicit UnattendedRig(sim::LoggerConfig config = test::loggerWith(600)) : DownloadRig(config) {
        Settings settings(folder.path());
        EXPECT_TRUE(settings.saveSystemFilePath(session.installation.systemFilePath));
        EXPECT_TRUE(settings.saveLoggerSetupPath(session.installation.loggerSetupPath));
    }

    UnattendedEnd run(const UnattendedRequest& request) {
        UnattendedOutput output;
        output.problem = [this](const QString& text) { problems.append(text); };
        output.result = [this](const QString& text) { results.append(text); };
        return runUnattendedDownload(folder.path(), request, port, clock, session.linkReporter,
                                     output, QDateTime(QDate(2024, 3, 6), QTime(7, 30, 5)));
    }

    UnattendedEnd runAutomatic(const QString& out = {},
                               ExistingTable existing = ExistingTable::Refuse,
                               bool fromStart = false) {
        UnattendedRequest request{true, 0, 0, out.isEmpty() ? QString() : folder.path(out)};
        request.existing = existing;
        request.fromStart = fromStart;
        return run(request);
    }

    // The block numbers of the table's lines.
    QList<QByteArray> tableBlocks(const QString& name) const {
        const QByteArray table = folder.read(name);
        QList<QByteArray> blocks;
        for (qsizetype at = 0; at + 104 <= table.size(); at += 104)
            blocks.append(table.mid(at, 4));
        return blocks;
    }

    int pointerOnDisk() const {
        const QByteArray pointer = folder.read("plant.PUN");
        return quint8(pointer.at(12)) | quint8(pointer.at(13)) << 8;
    }

    bool blockAsked() { return !blockRequests().isEmpty(); }

    QStringList problems;
    QStringList results;
};

} // namespace korven
