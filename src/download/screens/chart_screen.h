#pragma once

#include "download/chart_lines.h"

#include <QList>
#include <QWidget>

class QGraphicsSimpleTextItem;

namespace korven {

class LatestValueLabels;

// "Grafico": the downloaded blocks as one line per active channel against
// the time each block was stored, in engineering values, each line's latest
// value written beside its end. The lines are a copy: the chart stays as it
// was drawn while the grid goes on.
class ChartScreen : public QWidget {
    Q_OBJECT
public:
    explicit ChartScreen(const QList<ChartLine>& lines, QWidget* parent = nullptr);

    // The latest values written in the plot, for whoever checks them.
    QList<const QGraphicsSimpleTextItem*> valueLabels() const;

    QSize sizeHint() const override;

private:
    LatestValueLabels* latestValues_;
};

} // namespace korven
