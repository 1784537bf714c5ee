#include "download/block_table_file.h"

#include "platform/record_file.h"
#include "platform/windows1252.h"

#include <QSaveFile>

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

BlockTableSave saveBlockTable(const QString& path, const BlockGrid& grid, int first, int last) {
    using Outcome = BlockTableSave::Outcome;
    QSaveFile file(resolveCaseInsensitive(path));
    if (path.isEmpty() || !file.open(QIODevice::WriteOnly))
        return {Outcome::InvalidName, file.errorString()};
    for (int block = first; block <= last; ++block) {
        if (!grid.hasBlock(block))
            continue;
        const QByteArray record = blockTableRecord(grid.rowCells(grid.rowOf(block)));
        if (file.write(record) != record.size())
            return {Outcome::WriteFailed, file.errorString()};
    }
    if (!file.commit())
        return {Outcome::WriteFailed, file.errorString()};
    return {};
}

} // namespace korven
