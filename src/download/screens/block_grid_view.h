#pragma once

#include "download/block_grid.h"

#include <QTableView>

namespace korven {

// The block grid on screen: a bold header, the start and end rows of the
// range marked green and red, fixed row heights so that thousands of rows
// scroll without delay. A mouse press on a row is reported with its button.
class BlockGridView : public QTableView {
    Q_OBJECT
public:
    explicit BlockGridView(BlockGrid& grid, QWidget* parent = nullptr);

    // Brings the row of `block` into view.
    void showBlock(int block);

    // Wide enough for every column, and a good number of rows high.
    QSize sizeHint() const override;

Q_SIGNALS:
    void blockPressed(int block, Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void fitColumns();

    BlockGrid& grid_;
};

} // namespace korven
