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
    const QString target = resolveCaseInsensitive(path);
    QByteArray table;
    if (BlockTableSave content = blockTableContent(target, grid, first, last, mode, table);
        !content)
        return content;
    if (FileStatus status = writeWholeFile(target, table); !status)
        return {BlockTableSave::Outcome::WriteFailed, status.error};
    return {};
}

BlockTableSave blockTableContent(const QString& path, const BlockGrid& grid, int first, int last,
                                 TableWrite mode, QByteArray& table) {
    using Outcome = BlockTableSave::Outcome;
    if (FileStatus writable = checkWritable(path); !writable)
        return {Outcome::InvalidName, writable.error};
    table.clear();
    if (mode == TableWrite::Append && QFileInfo::exists(path)) {
        QFile old(path);
        if (!old.open(QIODevice::ReadOnly))
            return {Outcome::WriteFailed, old.errorString()};
        table = old.readAll();
    }
    for (int block = first; block <= last; ++block) {
        if (grid.hasBlock(block))
            table += blockTableRecord(grid.rowCells(grid.rowOf(block)));
    }
    return {};
}

} // namespace korven
