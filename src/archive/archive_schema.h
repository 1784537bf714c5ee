#pragma once

#include "archive/archive_location.h"
#include "archive/archived_block.h"

#include <QSqlQuery>
#include <QStringList>

namespace korven {

// The version of the archive's tables this program writes; an archive of a
// newer one was made by a newer program and is not touched.
inline constexpr int kArchiveSchemaVersion = 1;
// The table that holds the version.
inline const QString kSchemaTable = QStringLiteral("korven_schema");

// The statements that make an empty archive: the version table and the
// blocks table, keyed by station, logger time and block number.
QStringList schemaStatements(ArchiveLocation::Kind kind);

// Stores one block, bound with bindBlock(); a block already there is kept.
QString insertBlockStatement();
void bindBlock(QSqlQuery& insert, const ArchivedBlock& block);

// The columns a block is read back from, in the order blockAt() takes them.
QString blockColumns();
ArchivedBlock blockAt(const QSqlQuery& query);

} // namespace korven
