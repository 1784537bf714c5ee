#include "archive/archive_store.h"

#include "archive/archive_schema.h"
#include "platform/whole_file.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace korven {

namespace {

QString nextConnectionName() {
    static QAtomicInt counter;
    return QStringLiteral("korven-archive-%1").arg(counter.fetchAndAddRelaxed(1));
}

// The WHERE clause of a period, with its values in binding order.
struct Condition {
    QString clause;
    QVariantList values;
};

Condition conditionOf(const ArchivePeriod& period) {
    QStringList parts;
    Condition condition;
    if (!period.station.isEmpty()) {
        parts.append(QStringLiteral("station = ?"));
        condition.values.append(period.station);
    }
    if (period.from.isValid()) {
        parts.append(QStringLiteral("logged_at >= ?"));
        condition.values.append(archiveTime(period.from));
    }
    if (period.to.isValid()) {
        parts.append(QStringLiteral("logged_at <= ?"));
        condition.values.append(archiveTime(period.to));
    }
    if (!parts.isEmpty())
        condition.clause = QStringLiteral(" WHERE ") + parts.join(QStringLiteral(" AND "));
    return condition;
}

} // namespace

ArchiveStore::ArchiveStore(const ArchiveLocation& location)
    : location_(location), connection_(nextConnectionName()) {}

ArchiveStore::~ArchiveStore() {
    if (database_.isValid())
        database_.close();
    database_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection_);
}

FileStatus ArchiveStore::failure(const QString& why) const {
    return FileStatus::failureOn(location_.name(), why);
}

FileStatus ArchiveStore::failureOf(const QSqlQuery& query) const {
    const QSqlError error = query.lastError().isValid() ? query.lastError() : database_.lastError();
    return failure(error.text());
}

FileStatus ArchiveStore::open() {
    if (location_.kind == ArchiveLocation::Kind::SqliteFile) {
        // The archive is a database file of ours: a link or a device is not
        // written through.
        if (QFileInfo(location_.file).isSymLink())
            return failure(QStringLiteral("a link is not an archive file"));
        if (FileStatus regular = checkRegularOrMissing(location_.file); !regular)
            return failure(regular.error);
        if (!QFileInfo(QFileInfo(location_.file).absolutePath()).isDir())
            return failure(QStringLiteral("its folder does not exist"));
        database_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
        database_.setDatabaseName(location_.file);
    } else {
        database_ = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection_);
        database_.setHostName(location_.host);
        if (location_.port >= 0)
            database_.setPort(location_.port);
        database_.setUserName(location_.user);
        database_.setPassword(location_.password);
        database_.setDatabaseName(location_.database);
    }
    if (!database_.isValid())
        return failure(QStringLiteral("the database driver is not installed"));
    if (!database_.open())
        return failure(database_.lastError().text());
    return prepareSchema();
}

FileStatus ArchiveStore::prepareSchema() {
    // Reading the table list also tells a file that is no database at all.
    QSqlQuery probe(database_);
    if (!probe.exec(QStringLiteral("SELECT 1")))
        return failureOf(probe);
    if (!database_.tables().contains(kSchemaTable))
        return createSchema();
    QSqlQuery version(database_);
    if (!version.exec(QStringLiteral("SELECT MAX(version) FROM %1").arg(kSchemaTable)) ||
        !version.next())
        return failureOf(version);
    const int found = version.value(0).toInt();
    if (found > kArchiveSchemaVersion)
        return failure(QStringLiteral("the archive has schema version %1, made by a newer "
                                      "program; this one knows version %2 at most")
                           .arg(found)
                           .arg(kArchiveSchemaVersion));
    return {};
}

FileStatus ArchiveStore::commitOrRollBack() {
    if (database_.commit())
        return {};
    const FileStatus failed = failure(database_.lastError().text());
    database_.rollback();
    return failed;
}

FileStatus ArchiveStore::createSchema() {
    if (!database_.transaction())
        return failure(database_.lastError().text());
    QSqlQuery query(database_);
    for (const QString& statement : schemaStatements(location_.kind)) {
        if (!query.exec(statement)) {
            const FileStatus failed = failureOf(query);
            database_.rollback();
            return failed;
        }
    }
    if (FileStatus committed = commitOrRollBack(); !committed)
        return committed;
    return {};
}

FileStatus ArchiveStore::store(const QList<ArchivedBlock>& blocks, StoredCount& count) {
    qsizetype n = 0;
    return store(
        [&]() -> std::optional<ArchivedBlock> {
            return n < blocks.size() ? std::optional(blocks[n++]) : std::nullopt;
        },
        count);
}

FileStatus ArchiveStore::store(const std::function<std::optional<ArchivedBlock>()>& next,
                               StoredCount& count) {
    StoredCount counted;
    if (!database_.transaction())
        return failure(database_.lastError().text());
    QSqlQuery insert(database_);
    bool written = insert.prepare(insertBlockStatement());
    while (written) {
        const std::optional<ArchivedBlock> block = next();
        if (!block)
            break;
        bindBlock(insert, *block);
        written = insert.exec();
        if (written)
            ++(insert.numRowsAffected() > 0 ? counted.added : counted.present);
    }
    if (!written) {
        const FileStatus failed = failureOf(insert);
        database_.rollback();
        return failed;
    }
    if (FileStatus committed = commitOrRollBack(); !committed)
        return committed;
    count.added += counted.added;
    count.present += counted.present;
    return {};
}

FileStatus ArchiveStore::forEachBlock(const ArchivePeriod& period,
                                      const std::function<bool(const ArchivedBlock&)>& take) {
    const Condition condition = conditionOf(period);
    QSqlQuery query(database_);
    // Forward only: the driver hands over one row at a time.
    query.setForwardOnly(true);
    if (!query.prepare(QStringLiteral("SELECT %1 FROM blocks%2 ORDER BY station, logged_at, block")
                           .arg(blockColumns(), condition.clause)))
        return failureOf(query);
    for (qsizetype n = 0; n < condition.values.size(); ++n)
        query.bindValue(int(n), condition.values[n]);
    if (!query.exec())
        return failureOf(query);
    while (query.next()) {
        if (!take(blockAt(query)))
            break;
    }
    if (query.lastError().isValid())
        return failureOf(query);
    return {};
}

FileStatus ArchiveStore::forEachMoment(
    const ArchivePeriod& period,
    const std::function<void(const QString& station, int block, const QDateTime& at)>& take) {
    const Condition condition = conditionOf(period);
    QSqlQuery query(database_);
    query.setForwardOnly(true);
    if (!query.prepare(QStringLiteral("SELECT station, block, logged_at FROM blocks%1 "
                                      "ORDER BY station, logged_at, block")
                           .arg(condition.clause)))
        return failureOf(query);
    for (qsizetype n = 0; n < condition.values.size(); ++n)
        query.bindValue(int(n), condition.values[n]);
    if (!query.exec())
        return failureOf(query);
    while (query.next())
        take(query.value(0).toString(), query.value(1).toInt(),
             fromArchiveTime(query.value(2).toString()));
    if (query.lastError().isValid())
        return failureOf(query);
    return {};
}

FileStatus ArchiveStore::stations(QList<ArchivedStation>& found) {
    QSqlQuery query(database_);
    if (!query.exec(QStringLiteral("SELECT station, COUNT(*), MIN(logged_at), MAX(logged_at) "
                                   "FROM blocks GROUP BY station ORDER BY station")))
        return failureOf(query);
    found.clear();
    while (query.next()) {
        ArchivedStation station;
        station.name = query.value(0).toString();
        station.blocks = query.value(1).toInt();
        station.firstAt = fromArchiveTime(query.value(2).toString());
        station.lastAt = fromArchiveTime(query.value(3).toString());
        found.append(station);
    }
    // The numbers of the first and last block: the lowest and highest number
    // at those times, since two blocks may share a second.
    QSqlQuery ends(database_);
    if (!ends.prepare(QStringLiteral("SELECT MIN(block), MAX(block) FROM blocks "
                                     "WHERE station = ? AND logged_at = ?")))
        return failureOf(ends);
    for (ArchivedStation& station : found) {
        for (const bool first : {true, false}) {
            ends.bindValue(0, station.name);
            ends.bindValue(1, archiveTime(first ? station.firstAt : station.lastAt));
            if (!ends.exec() || !ends.next())
                return failureOf(ends);
            (first ? station.firstBlock : station.lastBlock) = ends.value(first ? 0 : 1).toInt();
        }
    }
    return {};
}

} // namespace korven
