#include "download/chart_lines.h"

#include "download/block_csv.h"
#include "download/engineering_values.h"

#include <algorithm>

namespace korven {

QList<ChartLine> chartLines(const BlockGrid& grid, const RecordedChannels& channels) {
    QList<ChartLine> lines;
    for (int channel = 0; channel < kAnalogChannels; ++channel) {
        if (channels[channel].active)
            lines.append(
                {channel, headingOf(channels[channel], channel), channels[channel].unit, {}});
    }
    for (const int row : rowsWithData(grid, grid.firstBlock(), grid.lastBlock())) {
        const QDateTime moment = blockMoment(grid.cell(row, BlockGrid::DateColumn),
                                             grid.cell(row, BlockGrid::TimeColumn));
        if (!moment.isValid())
            continue;
        for (ChartLine& line : lines) {
            const auto value =
                engineeringValue(grid.cell(row, BlockGrid::FirstChannelColumn + line.channel),
                                 channels[line.channel].decimals);
            if (value)
                line.points.append(QPointF(double(moment.toMSecsSinceEpoch()), *value));
        }
    }
    // A logger clock set back in between would send a line backwards.
    for (ChartLine& line : lines)
        std::stable_sort(line.points.begin(), line.points.end(),
                         [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
    return lines;
}

} // namespace korven
