#include "support/postgres_server.h"

#include <QDir>
#include <QProcess>

#include <pwd.h>
#include <unistd.h>

namespace korven::test {

namespace {

QString installedBinaries() {
    const QDir versions("/usr/lib/postgresql");
    for (const QString& version :
         versions.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::Reversed)) {
        const QString bin = versions.filePath(version + "/bin");
        if (QFile::exists(bin + "/pg_ctl"))
            return bin;
    }
    return {};
}

} // namespace

PostgresServer& PostgresServer::shared() {
    static PostgresServer server;
    return server;
}

bool PostgresServer::run(const QString& program, const QStringList& arguments) {
    QProcess process;
    if (asPostgresUser_)
        process.start("runuser",
                      QStringList{"-u", "postgres", "--", binaries_ + '/' + program} + arguments);
    else
        process.start(binaries_ + '/' + program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        failure_ = QString("%1 failed: %2%3")
                       .arg(program, QString::fromLocal8Bit(process.readAllStandardError()),
                            process.errorString());
        return false;
    }
    return true;
}

PostgresServer::PostgresServer() : binaries_(installedBinaries()) {
    if (binaries_.isEmpty()) {
        failure_ = "PostgreSQL is not installed (package postgresql)";
        return;
    }
    const passwd* postgres = getpwnam("postgres");
    asPostgresUser_ = geteuid() == 0;
    if (asPostgresUser_ && !postgres) {
        failure_ = "running as root and there is no user postgres to run as";
        return;
    }
    data_ = base_.filePath("data");
    socket_ = base_.filePath("socket");
    QFile(base_.path())
        .setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                        QFileDevice::ExeGroup | QFileDevice::ExeOther);
    for (const QString& folder : {data_, socket_}) {
        QDir().mkpath(folder);
        if (asPostgresUser_ &&
            chown(QFile::encodeName(folder).constData(), postgres->pw_uid, postgres->pw_gid) != 0) {
            failure_ = QString("cannot hand %1 to the postgres user").arg(folder);
            return;
        }
    }
    // No durability needed: the data lives as long as the test program.
    running_ = run("initdb", {"-D", data_, "-U", "postgres", "-A", "trust", "--no-sync"}) &&
               run("pg_ctl", {"-D", data_, "-w", "-l", data_ + "/server.log", "-o",
                              QString("-k %1 -c listen_addresses='' -F").arg(socket_), "start"});
}

PostgresServer::~PostgresServer() {
    if (running_)
        run("pg_ctl", {"-D", data_, "-m", "immediate", "stop"});
}

QString PostgresServer::newDatabase() {
    const QString name = QString("korven_test_%1").arg(++databases_);
    if (!running_ || !run("createdb", {"-h", socket_, "-U", "postgres", name}))
        return {};
    return QString("postgresql:///%1?host=%2&user=postgres").arg(name, socket_);
}

} // namespace korven::test
