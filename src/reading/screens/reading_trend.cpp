#include "reading/screens/reading_trend.h"

#include "reading/treat_value.h"

#include <QChart>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>

namespace korven {

namespace {

// The time axis spans at least this much, so the first readings do not fill it.
constexpr qint64 kLeastSpanMs = 30'000;
constexpr double kMarginShare = 0.1;
// Room after the latest reading and above the highest, so that the latest
// value's label stays inside the plot.
constexpr double kLabelRoomShare = 0.2;

void attach(QChart* chart, QXYSeries* series, QAbstractAxis* x, QAbstractAxis* y) {
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

} // namespace

ReadingTrend::ReadingTrend(QWidget* parent)
    : QChartView(parent), line_(new QLineSeries), latest_(new QScatterSeries),
      timeAxis_(new QDateTimeAxis), valueAxis_(new QValueAxis) {
    auto* chart = new QChart;
    chart->legend()->hide();
    chart->setMargins({4, 4, 4, 4});
    timeAxis_->setFormat(QStringLiteral("HH:mm:ss"));
    valueAxis_->setLabelFormat(QStringLiteral("%g"));
    chart->addAxis(timeAxis_, Qt::AlignBottom);
    chart->addAxis(valueAxis_, Qt::AlignLeft);
    attach(chart, line_, timeAxis_, valueAxis_);
    attach(chart, latest_, timeAxis_, valueAxis_);
    latest_->setMarkerSize(9);
    latest_->setColor(line_->color());
    latest_->setPointLabelsVisible(true);
    latest_->setPointLabelsClipping(true);
    setChart(chart);
    setRenderHint(QPainter::Antialiasing);
    setMinimumHeight(220);
    showPoints({}, {}, {});
}

void ReadingTrend::showPoints(const QList<TrendPoint>& points, const QString& unit,
                              const QString& axisTitle) {
    QList<QPointF> xy;
    xy.reserve(points.size());
    for (const TrendPoint& point : points)
        xy.append({static_cast<qreal>(point.at.toMSecsSinceEpoch()), point.value});
    line_->replace(xy);
    latest_->clear();
    if (!points.isEmpty()) {
        latest_->append(xy.last());
        // A format without placeholders is shown as it stands.
        latest_->setPointLabelsFormat(
            (valueText(points.last().value) + u' ' + unit).trimmed().replace(u'@', u' '));
    }
    valueAxis_->setTitleText(axisTitle);
    fitAxes(points);
}

void ReadingTrend::fitAxes(const QList<TrendPoint>& points) {
    const QDateTime first = points.isEmpty() ? QDateTime::currentDateTime() : points.first().at;
    const QDateTime last = points.isEmpty() ? first : points.last().at;
    const qint64 span = std::max(first.msecsTo(last), kLeastSpanMs);
    timeAxis_->setRange(first, first.addMSecs(span + qint64(span * kLabelRoomShare)));

    if (points.isEmpty()) {
        valueAxis_->setRange(0, 1);
        return;
    }
    const auto [low, high] = std::minmax_element(
        points.cbegin(), points.cend(),
        [](const TrendPoint& a, const TrendPoint& b) { return a.value < b.value; });
    const double spread = high->value - low->value;
    const double margin =
        spread > 0 ? spread * kMarginShare : std::max(1.0, std::abs(low->value) * kMarginShare);
    valueAxis_->setRange(low->value - margin,
                         high->value + margin + (spread > 0 ? spread : margin) * kLabelRoomShare);
    valueAxis_->applyNiceNumbers();
}

int ReadingTrend::pointCount() const {
    return static_cast<int>(line_->count());
}

QString ReadingTrend::latestLabel() const {
    return latest_->count() > 0 ? latest_->pointLabelsFormat() : QString();
}

QString ReadingTrend::valueAxisTitle() const {
    return valueAxis_->titleText();
}

} // namespace korven
