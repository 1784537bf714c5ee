#pragma once

#include "archive/archive_runs.h"
#include "download/unattended_rig.h"

#include "support/postgres_server.h"

#include <gtest/gtest.h>

#include <memory>

namespace korven::test {

enum class Backend { Sqlite, PostgreSql };

// The program folder and an empty archive: an SQLite file, or a PostgreSQL database.
struct ArchiveRig : UnattendedRig {
    explicit ArchiveRig(Backend backend)
        : address(backend == Backend::Sqlite ? folder.path("archive.sqlite")
                                             : PostgresServer::shared().newDatabase()) {}

    bool openArchive() {
        store = std::make_unique<ArchiveStore>(*parseArchiveLocation(address, {}).location);
        const FileStatus opened = store->open();
        EXPECT_TRUE(opened) << opened.namedError().toStdString();
        return static_cast<bool>(opened);
    }

    // korvenctl's download run, keeping the saved blocks in the archive too.
    UnattendedEnd download(UnattendedRequest request) {
        request.alsoKeep = keepInArchive(*store, QStringLiteral("plant/logger"), output);
        return run(request);
    }

    // The station and channels an import or an export takes from the folder.
    ArchiveSetup setup() const {
        ArchiveSetup setup;
        EXPECT_TRUE(readArchiveSetup(folder.path(), setup));
        return setup;
    }
    // Imports the folder's tables `names` into the archive.
    UnattendedEnd import(const QStringList& names) {
        QStringList tables;
        for (const QString& name : names)
            tables.append(folder.path(name));
        const ArchiveSetup from = setup();
        return importTables(*store, tables, from.station, from.channels, output);
    }

    // The archive's blocks of a period as their table lines, in order.
    QList<QByteArray> archivedLines(const ArchivePeriod& period = {}) {
        QList<QByteArray> lines;
        EXPECT_TRUE(store->forEachBlock(period, [&lines](const ArchivedBlock& block) {
            lines.append(block.line);
            return true;
        }));
        return lines;
    }

    QString address;
    std::unique_ptr<ArchiveStore> store;
};

} // namespace korven::test
