#pragma once

#include "download/block_grid.h"
#include "download/download_setup.h"

#include <QList>
#include <QPointF>
#include <QString>

namespace korven {

// One channel of the downloaded blocks as a line against time: x is when the
// block was stored (milliseconds since 1970, local time), y the value in
// engineering form.
struct ChartLine {
    int channel = 0;
    QString name; // its heading: description and unit
    QString unit; // lines of one unit share a value axis
    QList<QPointF> points;
};

// A line for each channel the logger set-up has active, through every grid
// row that holds a block with a valid date and time, in time order.
QList<ChartLine> chartLines(const BlockGrid& grid, const RecordedChannels& channels);

} // namespace korven
