#pragma once

#include <QChartView>
#include <QDateTime>
#include <QList>
#include <QString>

class QDateTimeAxis;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace korven {

// One value of the trend at the time it was read.
struct TrendPoint {
    QDateTime at;
    double value = 0;
};

// The live trend under the value line: the readings of one channel against
// time, the latest marked and labelled inside the plot with its value and
// unit, the value axis titled as the caller says.
class ReadingTrend : public QChartView {
    Q_OBJECT
public:
    explicit ReadingTrend(QWidget* parent = nullptr);

    void showPoints(const QList<TrendPoint>& points, const QString& unit, const QString& axisTitle);

    // What is plotted, for whoever checks it.
    int pointCount() const;
    QString latestLabel() const;
    QString valueAxisTitle() const;

private:
    void fitAxes(const QList<TrendPoint>& points);

    QLineSeries* line_;
    QScatterSeries* latest_;
    QDateTimeAxis* timeAxis_;
    QValueAxis* valueAxis_;
};

} // namespace korven
