#include "download/screens/chart_screen.h"

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QSet>
#include <QTest>
#include <QValueAxis>

#include <gtest/gtest.h>

#include <cmath>

namespace korven {
namespace {

// Two days of blocks ten minutes apart, waving about `middle` and ending on `last`.
ChartLine wavingLine(int channel, const QString& unit, double middle, double last) {
    ChartLine line{channel, QStringLiteral("Canale %1 (%2)").arg(channel).arg(unit), unit, {}};
    const QDateTime start(QDate(2024, 3, 5), QTime(0, 0));
    constexpr int kBlocks = 288;
    for (int block = 0; block < kBlocks; ++block)
        line.points.append({double(start.addSecs(600 * block).toMSecsSinceEpoch()),
                            middle + middle / 10 * std::sin(block / 20.0)});
    line.points.last().setY(last);
    return line;
}

QRectF onChart(const QGraphicsSimpleTextItem* label) {
    return label->mapRectToParent(label->boundingRect());
}

TEST(ChartScreen, DrawsEachUnitOnItsOwnAxisAndWritesEachLinesLatestValueOnceInsideThePlot) {
    // Two lines that end on nearly the same value would write over each other.
    ChartScreen screen({wavingLine(0, "mV", 20, 21.5), wavingLine(1, "mV", 20, 21.6),
                        wavingLine(2, "V", 12, 12.4)});
    QChart* chart = screen.findChild<QChartView*>("chartView")->chart();
    const QList<const QGraphicsSimpleTextItem*> labels = screen.valueLabels();
    ASSERT_EQ(labels.size(), 3) << "one label a line, not one a point";
    EXPECT_EQ(labels[0]->text(), "21.5 mV");
    EXPECT_EQ(labels[2]->text(), "12.4 V");

    // Wide, and as narrow as the lines leave the plot little room after them.
    for (const QSize size : {QSize(900, 560), QSize(480, 360)}) {
        screen.resize(size);
        screen.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
        QCoreApplication::processEvents();
        const QRectF plot = chart->plotArea();
        for (int line = 0; line < labels.size(); ++line) {
            EXPECT_TRUE(labels[line]->isVisible()) << line;
            EXPECT_TRUE(plot.contains(onChart(labels[line])))
                << line << " at " << size.width() << "x" << size.height();
            for (int other = line + 1; other < labels.size(); ++other)
                EXPECT_FALSE(onChart(labels[line]).intersects(onChart(labels[other])))
                    << line << " over " << other;
        }
    }
    screen.resize(900, 560);
    QCoreApplication::processEvents();
    QAbstractSeries* line = chart->series()[2];
    const QPointF end = chart->mapToPosition(wavingLine(2, "V", 12, 12.4).points.last(), line);
    EXPECT_GT(onChart(labels[2]).left(), end.x()) << "the label leaves the line's end in sight";

    // Each unit has one axis, and every line of it lies within the axis.
    QSet<const QAbstractAxis*> axes;
    for (QAbstractSeries* series : chart->series()) {
        const auto* axis = qobject_cast<const QValueAxis*>(series->attachedAxes().value(1));
        ASSERT_TRUE(axis) << series->name().toStdString();
        axes.insert(axis);
        for (const QPointF& point : static_cast<QLineSeries*>(series)->points())
            ASSERT_TRUE(point.y() >= axis->min() && point.y() <= axis->max()) << point.y();
    }
    EXPECT_EQ(axes.size(), 2);

    // A line hidden from the legend takes its label with it.
    QLegendMarker* marker = chart->legend()->markers(line).value(0);
    Q_EMIT marker->clicked();
    EXPECT_FALSE(line->isVisible());
    EXPECT_TRUE(marker->isVisible());
    EXPECT_FALSE(labels[2]->isVisible());
    Q_EMIT marker->clicked();
    EXPECT_TRUE(line->isVisible());
    EXPECT_TRUE(labels[2]->isVisible());
}

} // namespace
} // namespace korven
