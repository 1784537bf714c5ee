#pragma once

#include <QString>
#include <QTemporaryDir>

namespace korven::test {

// A PostgreSQL server of the test program's own, from the installed package,
// on a socket in a temporary folder and nowhere else. PostgreSQL refuses to
// run as root, so a root test runs it as the package's "postgres" user.
// Started once, on first use, and stopped when the program ends.
class PostgresServer {
public:
    static PostgresServer& shared();
    ~PostgresServer();

    bool running() const { return running_; }
    // Why the server could not be started.
    QString failure() const { return failure_; }

    // A new empty database; its address for --archive, or an empty text
    // (with failure() saying why).
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
