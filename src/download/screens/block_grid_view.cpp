#include "download/screens/block_grid_view.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QMouseEvent>
#include <QScrollBar>

namespace korven {

namespace {

// The block column is 850 twips wide, as on the logger's own screens; the
// others fit their eight-character texts, and their heading in bold.
constexpr int kBlockColumnWidth = 57;
constexpr int kColumnWidth = 72;
constexpr int kHeadingPadding = 12;
constexpr int kRowsShown = 16;

// Paints what the grid knows in words: the range marks as colours, the
// header in bold.
class GridLook : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::BackgroundRole)
            return QIdentityProxyModel::data(index, role);
        const QVariant mark = QIdentityProxyModel::data(index, BlockGrid::MarkRole);
        if (!mark.isValid())
            return {};
        return QColor(mark.toInt() == int(BlockGrid::Mark::Start) ? Qt::green : Qt::red);
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role == Qt::FontRole && orientation == Qt::Horizontal) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return QIdentityProxyModel::headerData(section, orientation, role);
    }
};

} // namespace

BlockGridView::BlockGridView(BlockGrid& grid, QWidget* parent) : QTableView(parent), grid_(grid) {
    auto* look = new GridLook(this);
    look->setSourceModel(&grid);
    setModel(look);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setDefaultSectionSize(kColumnWidth);
    fitColumns();
    connect(&grid, &QAbstractItemModel::modelReset, this, &BlockGridView::fitColumns);
}

void BlockGridView::fitColumns() {
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics heading(bold);
    setColumnWidth(BlockGrid::BlockColumn, kBlockColumnWidth);
    for (int column = BlockGrid::DateColumn; column < BlockGrid::ColumnCount; ++column) {
        const QString text = grid_.headerData(column, Qt::Horizontal).toString();
        setColumnWidth(column,
                       std::max(kColumnWidth, heading.horizontalAdvance(text) + kHeadingPadding));
    }
}

void BlockGridView::showBlock(int block) {
    if (grid_.hasBlock(block))
        scrollTo(model()->index(grid_.rowOf(block), 0));
}

QSize BlockGridView::sizeHint() const {
    const int frame = 2 * frameWidth();
    return {horizontalHeader()->length() + verticalScrollBar()->sizeHint().width() + frame,
            horizontalHeader()->sizeHint().height() +
                kRowsShown * verticalHeader()->defaultSectionSize() +
                horizontalScrollBar()->sizeHint().height() + frame};
}

void BlockGridView::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid())
        Q_EMIT blockPressed(grid_.blockAt(index.row()), event->button());
    QTableView::mousePressEvent(event);
}

} // namespace korven
