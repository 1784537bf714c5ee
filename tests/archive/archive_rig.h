#pragma once

#include "archive/archive_runs.h"
#include "download/unattended_rig.h"

#include "support/postgres_server.h"

#include <gtest/gtest.h>

#include <memory>

namespace korven::test {

enum class Backend { Sqlite, PostgreSql };

inline std::string backendName(const ::testing::TestParamInfo<Backend>& info) {
    return info.param == Backend::Sqlite ? "Sqlite" : "PostgreSql";
}

// A program folder over the simulated logger, and an empty archive: an
// SQLite file in the folder, or a database on the tests' PostgreSQL server.
struct ArchiveRig : UnattendedRig {
    explicit ArchiveRig(Backend backend)
        : address(backend == Backend::Sqlite ? folder.path("archive.sqlite")
                                             : PostgresServer::shared().newDatabase()) {}

    // Opens the archive; false when the test cannot run here.
    bool openArchive() {
        if (address.isEmpty())
            return false;
        store = std::make_unique<ArchiveStore>(*parseArchiveLocation(address, {}).location);
        const FileStatus opened = store->open();
        EXPECT_TRUE(opened) << opened.namedError().toStdString();
        return static_cast<bool>(opened);
    }

    // A download run (as korvenctl download does it) whose saved blocks go
    // into the archive.
    UnattendedEnd download(UnattendedRequest request) {
        request.alsoKeep = keepInArchive(*store, QStringLiteral("plant/logger"), output);
        return run(request);
    }
    UnattendedEnd downloadAutomatic(const QString& out) {
        return download({true, 0, 0, folder.path(out)});
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

    QList<QByteArray> tableLines(const QString& name) const {
        const QByteArray table = folder.read(name);
        QList<QByteArray> lines;
        for (qsizetype at = 0; at + 104 <= table.size(); at += 104)
            lines.append(table.mid(at, 104));
        return lines;
    }

    QString address;
    std::unique_ptr<ArchiveStore> store;
};

} // namespace korven::test

// Skips a test whose archive cannot be had here, saying why.
#define KORVEN_OPEN_ARCHIVE_OR_SKIP(rig)                                                           \
    do {                                                                                           \
        if ((rig).address.isEmpty())                                                               \
            GTEST_SKIP() << "no PostgreSQL server: "                                               \
                         << ::korven::test::PostgresServer::shared().failure().toStdString();      \
        ASSERT_TRUE((rig).openArchive());                                                          \
    } while (false)
