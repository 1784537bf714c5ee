#pragma once

#include <QString>

#include <optional>

namespace korven {

// Where the archive is: an SQLite file on this PC, or a PostgreSQL database
// that several PCs share.
struct ArchiveLocation {
    enum class Kind { SqliteFile, PostgreSql };
    Kind kind = Kind::SqliteFile;
    QString file; // SQLite: the file's absolute path
    // PostgreSQL: an empty host is the server's default socket; a host that
    // starts with "/" is the folder of its socket.
    QString host;
    int port = -1; // -1 for the default
    QString user;
    QString password;
    QString database;

    // What messages call it: the file, or the address without its password.
    QString name() const;
};

struct LocationParse {
    std::optional<ArchiveLocation> location;
    QString error;
};

// The archive `text` names: "postgresql://USER@HOST[:PORT]/DB",
// "postgresql:///DB?host=/socket/dir", or else a file (relative to the
// working folder). Empty text is "korven-archive.sqlite" in `programFolder`.
LocationParse parseArchiveLocation(const QString& text, const QString& programFolder);

// The file the archive is in when nothing else is said.
QString defaultArchivePath(const QString& programFolder);

} // namespace korven
