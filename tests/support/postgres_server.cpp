#include "support/postgres_server.h"

#include <QDir>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace korven::test {

namespace {

QString installedBinaries() {
    const QDir versions(QStringLiteral("/usr/lib/postgresql"));
    for (const QString& version :
         versions.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::Reversed)) {
        const QString bin = versions.filePath(version + QStringLiteral("/bin"));
        if (QFile::exists(bin + QStringLiteral("/pg_ctl")))
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
        process.start(QStringLiteral("runuser"),
                      QStringList{QStringLiteral("-u"), QStringLiteral("postgres"),
                                  QStringLiteral("--"), binaries_ + u'/' + program} +
                          arguments);
    else
        process.start(binaries_ + u'/' + program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        failure_ = QStringLiteral("%1 failed: %2%3")
                       .arg(program, QString::fromLocal8Bit(process.readAllStandardError()),
                            process.errorString());
        return false;
    }
    return true;
}

PostgresServer::PostgresServer() : binaries_(installedBinaries()) {
    if (binaries_.isEmpty()) {
        failure_ = QStringLiteral("PostgreSQL is not installed (package postgresql)");
        return;
    }
    const passwd* postgres = getpwnam("postgres");
    asPostgresUser_ = geteuid() == 0;
    if (asPostgresUser_ && !postgres) {
        failure_ = QStringLiteral("running as root and there is no user postgres to run as");
        return;
    }
    data_ = base_.filePath(QStringLiteral("data"));
    socket_ = base_.filePath(QStringLiteral("socket"));
    QDir().mkpath(data_);
    QDir().mkpath(socket_);
    QFile(base_.path())
        .setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                        QFileDevice::ExeGroup | QFileDevice::ExeOther);
    if (asPostgresUser_) {
        for (const QString& folder : {data_, socket_}) {
            if (chown(QFile::encodeName(folder).constData(), postgres->pw_uid, postgres->pw_gid) !=
                0) {
                failure_ = QStringLiteral("cannot hand %1 to the postgres user").arg(folder);
                return;
            }
        }
    }
    // No durability needed: the data lives as long as the test program.
    running_ = run(QStringLiteral("initdb"),
                   {QStringLiteral("-D"), data_, QStringLiteral("-U"), QStringLiteral("postgres"),
                    QStringLiteral("-A"), QStringLiteral("trust"), QStringLiteral("--no-sync")}) &&
               run(QStringLiteral("pg_ctl"),
                   {QStringLiteral("-D"), data_, QStringLiteral("-w"), QStringLiteral("-l"),
                    data_ + QStringLiteral("/server.log"), QStringLiteral("-o"),
                    QStringLiteral("-k %1 -c listen_addresses='' -F").arg(socket_),
                    QStringLiteral("start")});
}

PostgresServer::~PostgresServer() {
    if (running_)
        run(QStringLiteral("pg_ctl"), {QStringLiteral("-D"), data_, QStringLiteral("-m"),
                                       QStringLiteral("immediate"), QStringLiteral("stop")});
}

QString PostgresServer::newDatabase() {
    if (!running_)
        return {};
    const QString name = QStringLiteral("korven_test_%1").arg(++databases_);
    {
        QSqlDatabase admin =
            QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("postgres-admin"));
        admin.setHostName(socket_);
        admin.setUserName(QStringLiteral("postgres"));
        admin.setDatabaseName(QStringLiteral("postgres"));
        if (!admin.open()) {
            failure_ = admin.lastError().text();
            return {};
        }
        QSqlQuery create(admin);
        if (!create.exec(QStringLiteral("CREATE DATABASE ") + name)) {
            failure_ = create.lastError().text();
            return {};
        }
        admin.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("postgres-admin"));
    return QStringLiteral("postgresql:///%1?host=%2&user=postgres").arg(name, socket_);
}

} // namespace korven::test
