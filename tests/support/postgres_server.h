#pragma once

#include <QString>
#include <QTemporaryDir>

namespace korven::test {

// The test program's own PostgreSQL server, on a socket in a temporary folder.
class PostgresServer {
public:
    static PostgresServer& shared();
    ~PostgresServer();

    // Why the server could not be started or the last database not made.
    QString failure() const { return failure_; }

    // A new empty database's address for --archive; empty on failure.
    QString newDatabase();

private:
    PostgresServer();
    bool run(const QString& program, const QStringList& arguments);

    QTemporaryDir base_;
    QString binaries_;
    QString data_;
    QString socket_;
    bool asPostgresUser_ = false;
    bool running_ = false;
    QString failure_;
    int databases_ = 0;
};

} // namespace korven::test
