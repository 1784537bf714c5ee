#include "download/block_table_file.h"

#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace korven {
namespace {

// Line of block 26 as the layout describes it, field by field.
const QByteArray kLine26 = QByteArray("0026;") + "05/03/24;" + "12:30:45;" + " +00000;" +
                           " -00001;" + " +00291;" + " -32767;" + " +32767;" + " -00000;" +
                           " +00255;" + " -00256;" + " 011000;" + "       ;" + "\r";

BlockText block26() {
    BlockText block;
    block.date = "05/03/24";
    block.time = "12:30:45";
    block.digital1 = "011000";
    block.digital2 = "110001";
    block.channels = {"+00000", "-00001", "+00291", "-32767",
                      "+32767", "-00000", "+00255", "-00256"};
    return block;
}

TEST(BlockTableRecord, IsOneLineOf104BytesWithRightAlignedFields) {
    BlockGrid grid;
    grid.setupBlockGrid({}, 0, 4100);
    grid.fillBlockRow(26, block26(), {true, false});
    const QByteArray record = blockTableRecord(grid.rowCells(grid.rowOf(26)));
    EXPECT_EQ(record.size(), 104);
    EXPECT_EQ(record, kLine26);
}

TEST(BlockTableRecord, PadsShortTextsOnTheLeftAndCutsLongOnes) {
    QStringList cells(13, QString());
    cells[0] = "7";
    cells[1] = "5/3/24";
    cells[2] = "1:2:3";
    cells[3] = "+1234567890";
    const QByteArray record = blockTableRecord(cells);
    ASSERT_EQ(record.size(), 104);
    EXPECT_EQ(record.left(23), "0007;  5/3/24;   1:2:3;");
    EXPECT_EQ(record.mid(23, 8), "+123456;");
    EXPECT_EQ(record.mid(95), "       ;\r");
}

} // namespace
} // namespace korven
