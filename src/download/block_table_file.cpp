#include "download/block_table_file.h"

#include "platform/record_file.h"
#include "platform/windows1252.h"

#include "platform/whole_file.h"

#include <QFile>
#include <QFileInfo>

namespace korven {

QByteArray blockTableRecord(const QStringList& cells) {
    QByteArray record;
    record.reserve(BlockTableLayout::recordLength);
    for (const BlockTableField& field : BlockTableLayout::fields) {
        const QByteArray text = toWindows1252(cells.value(field.column));
        record += text.size() >= field.width ? text.left(field.width)
                                             : text.rightJustified(field.width, field.fill);
        record += BlockTableLayout::separator;
    }
    record += BlockTableLayout::terminator;
    return record;
}

BlockTableSave saveBlockTable(const QString& path, const BlockGrid& grid, int first, int last,
                              TableWrite mode) {
    using Outcome = BlockTableSave::Outcome;
    const QString target = resolveCaseInsensitive(path);
    if (FileStatus writable = checkWritable(target); !writable)
        return {Outcome::InvalidName, writable.error};
    QByteArray table;
    if (mode == TableWrite::Append && QFileInfo::exists(target)) {
        QFile old(target);
        if (!old.open(QIODevice::ReadOnly))
            return {Outcome::WriteFailed, old.errorString()};
        table = old.readAll();
    }
    for (int block = first; block <= last; ++block) {
        if (grid.hasBlock(block))
            table += blockTableRecord(grid.rowCells(grid.rowOf(block)));
    }
    if (FileStatus status = writeWholeFile(target, table); !status)
        return {Outcome::WriteFailed, status.error};
    return {};
}

} // namespace korven
