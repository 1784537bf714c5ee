#include "archive/archive_schema.h"

#include <QVariant>

namespace korven {

namespace {

// One row per block: the block as the logger gave it, and per channel what it
// meant on the day it came. The channels are columns, not rows, so that a
// block is one row to write and one to read.
QStringList channelColumns() {
    QStringList columns;
    for (int channel = 0; channel < kAnalogChannels; ++channel) {
        for (const char* part : {"stored", "value", "description", "unit"})
            columns.append(QStringLiteral("ch%1_%2").arg(channel).arg(QLatin1String(part)));
    }
    return columns;
}

QStringList allColumns() {
    return QStringList{QStringLiteral("station"), QStringLiteral("logged_at"),
                       QStringLiteral("block"), QStringLiteral("digital1"),
                       QStringLiteral("digital2")} +
           channelColumns() + QStringList{QStringLiteral("line")};
}

// The columns are NOT NULL; an empty text is bound as text, never as NULL.
QString text(const QString& value) {
    return value.isNull() ? QStringLiteral("") : value;
}

} // namespace

QStringList schemaStatements(ArchiveLocation::Kind kind) {
    const QString bytes = kind == ArchiveLocation::Kind::PostgreSql ? QStringLiteral("BYTEA")
                                                                    : QStringLiteral("BLOB");
    QString channels;
    for (const QString& column : channelColumns())
        channels += QStringLiteral("  %1 TEXT NOT NULL,\n").arg(column);
    return {
        QStringLiteral("CREATE TABLE %1 (version INTEGER NOT NULL)").arg(kSchemaTable),
        QStringLiteral("INSERT INTO %1 (version) VALUES (%2)")
            .arg(kSchemaTable)
            .arg(kArchiveSchemaVersion),
        // Logger times are ISO 8601 text: they sort as times, and no database
        // moves them into a time zone the logger never knew.
        QStringLiteral("CREATE TABLE blocks (\n"
                       "  station TEXT NOT NULL,\n"
                       "  logged_at TEXT NOT NULL,\n"
                       "  block INTEGER NOT NULL,\n"
                       "  digital1 TEXT NOT NULL,\n"
                       "  digital2 TEXT NOT NULL,\n"
                       "%1"
                       "  line %2 NOT NULL,\n"
                       "  PRIMARY KEY (station, logged_at, block))")
            .arg(channels, bytes),
    };
}

QString insertBlockStatement() {
    const QStringList columns = allColumns();
    QStringList marks;
    for (qsizetype n = 0; n < columns.size(); ++n)
        marks.append(QStringLiteral("?"));
    return QStringLiteral("INSERT INTO blocks (%1) VALUES (%2) ON CONFLICT DO NOTHING")
        .arg(columns.join(u", "), marks.join(u", "));
}

void bindBlock(QSqlQuery& insert, const ArchivedBlock& block) {
    int at = 0;
    insert.bindValue(at++, text(block.station));
    insert.bindValue(at++, archiveTime(block.loggedAt));
    insert.bindValue(at++, block.block);
    insert.bindValue(at++, text(block.digital1));
    insert.bindValue(at++, text(block.digital2));
    for (const ArchivedChannel& channel : block.channels) {
        insert.bindValue(at++, text(channel.stored));
        insert.bindValue(at++, text(channel.value));
        insert.bindValue(at++, text(channel.description));
        insert.bindValue(at++, text(channel.unit));
    }
    insert.bindValue(at++, block.line);
}

QString blockColumns() {
    return allColumns().join(u", ");
}

ArchivedBlock blockAt(const QSqlQuery& query) {
    ArchivedBlock block;
    int at = 0;
    block.station = query.value(at++).toString();
    block.loggedAt = fromArchiveTime(query.value(at++).toString());
    block.block = query.value(at++).toInt();
    block.digital1 = query.value(at++).toString();
    block.digital2 = query.value(at++).toString();
    for (ArchivedChannel& channel : block.channels) {
        channel.stored = query.value(at++).toString();
        channel.value = query.value(at++).toString();
        channel.description = query.value(at++).toString();
        channel.unit = query.value(at++).toString();
    }
    block.line = query.value(at++).toByteArray();
    return block;
}

} // namespace korven
