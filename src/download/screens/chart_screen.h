#pragma once

#include "download/chart_lines.h"

#include <QWidget>

namespace korven {

// "Grafico": the downloaded blocks as one line per active channel against
// the time each block was stored, in engineering values. The lines are a copy:
// the chart stays as it was drawn while the grid goes on.
class ChartScreen : public QWidget {
    Q_OBJECT
public:
    explicit ChartScreen(const QList<ChartLine>& lines, QWidget* parent = nullptr);

    QSize sizeHint() const override;
};

} // namespace korven
