#include "download/screens/chart_screen.h"

#include "download/download_texts.h"
#include "download/screens/latest_value_labels.h"
#include "session/screen_names.h"

#include <QChart>
#include <QChartView>
#include <QColor>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMap>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <array>
#include <optional>

namespace korven {

namespace {

namespace texts = download_texts;

// The time labels say the date as soon as the blocks span more than one day.
QString timeFormat(const QDateTime& first, const QDateTime& last) {
    if (first.date() == last.date())
        return QStringLiteral("HH:mm:ss");
    if (first.daysTo(last) < 60)
        return QStringLiteral("dd/MM HH:mm");
    return QStringLiteral("dd/MM/yy");
}

// Room after the last block for the lines' latest values, as a share of the
// time the blocks span; a one-block chart spans a minute.
constexpr double kLabelRoomShare = 0.25;
constexpr qint64 kLeastSpanMs = 60'000;

// Eight colours told apart at a glance, one per channel.
const std::array<QColor, 8> kLineColours{QColor(0x1f, 0x77, 0xb4), QColor(0xff, 0x7f, 0x0e),
                                         QColor(0x2c, 0xa0, 0x2c), QColor(0xd6, 0x27, 0x28),
                                         QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b),
                                         QColor(0xe3, 0x77, 0xc2), QColor(0x17, 0xbe, 0xcf)};

// The smallest and largest time and value of some lines.
struct Span {
    QPointF least;
    QPointF most;

    Span including(const QPointF& point) const {
        return {{std::min(least.x(), point.x()), std::min(least.y(), point.y())},
                {std::max(most.x(), point.x()), std::max(most.y(), point.y())}};
    }
};

std::optional<Span> spanOf(const QList<QPointF>& points, std::optional<Span> span = {}) {
    for (const QPointF& point : points)
        span = span ? span->including(point) : Span{point, point};
    return span;
}

// A value axis for the lines of one unit, titled with the unit, taking in
// every one of them.
QValueAxis* unitAxis(const QString& unit, const Span& span) {
    auto* axis = new QValueAxis;
    axis->setTitleText(unit);
    axis->setLabelFormat(QStringLiteral("%g"));
    const qreal margin = span.most.y() > span.least.y() ? 0 : 1;
    axis->setRange(span.least.y() - margin, span.most.y() + margin);
    axis->applyNiceNumbers();
    return axis;
}

// A click on a heading of the legend hides its line, a second shows it
// again; the heading stays, greyed while its line is hidden.
void letLegendToggleLines(QChart* chart) {
    for (QLegendMarker* marker : chart->legend()->markers()) {
        QObject::connect(marker, &QLegendMarker::clicked, marker, [marker] {
            QAbstractSeries* series = marker->series();
            series->setVisible(!series->isVisible());
            marker->setVisible(true);
            QColor label = marker->labelBrush().color();
            label.setAlphaF(series->isVisible() ? 1.0 : 0.4);
            marker->setLabelBrush(label);
        });
    }
}

} // namespace

ChartScreen::ChartScreen(const QList<ChartLine>& lines, QWidget* parent) : QWidget(parent) {
    setObjectName(screen_name::chart);
    setWindowTitle(texts::chartTitle);

    auto* chart = new QChart;
    // Eight headings side by side would be cut; one under the other they fit.
    chart->legend()->setAlignment(Qt::AlignRight);
    auto* time = new QDateTimeAxis;
    time->setTitleText(texts::chartTimeAxis);
    chart->addAxis(time, Qt::AlignBottom);

    // Channels of different units on one scale would flatten each other (a
    // wind direction near 10000 beside temperatures near 20): each unit has
    // an axis of its own, on the left and the right in turn.
    QMap<QString, std::optional<Span>> unitSpans;
    for (const ChartLine& line : lines)
        unitSpans[line.unit] = spanOf(line.points, unitSpans.value(line.unit));
    QMap<QString, QValueAxis*> axes;
    for (auto unit = unitSpans.cbegin(); unit != unitSpans.cend(); ++unit) {
        if (!unit.value())
            continue;
        QValueAxis* axis = unitAxis(unit.key(), *unit.value());
        chart->addAxis(axis, axes.size() % 2 ? Qt::AlignRight : Qt::AlignLeft);
        axes.insert(unit.key(), axis);
    }

    latestValues_ = new LatestValueLabels(*chart);
    std::optional<Span> span;
    for (const ChartLine& line : lines) {
        auto* series = new QLineSeries;
        series->setName(line.name);
        series->setColor(kLineColours[line.channel % kLineColours.size()]);
        series->append(line.points);
        chart->addSeries(series);
        series->attachAxis(time);
        if (QValueAxis* axis = axes.value(line.unit))
            series->attachAxis(axis);
        latestValues_->add(*series, line.unit);
        span = spanOf(line.points, span);
    }
    if (span) {
        const QDateTime first = QDateTime::fromMSecsSinceEpoch(qint64(span->least.x()));
        const QDateTime last = QDateTime::fromMSecsSinceEpoch(qint64(span->most.x()));
        const qint64 spanMs = std::max(first.msecsTo(last), kLeastSpanMs);
        time->setRange(first, first.addMSecs(spanMs + qint64(spanMs * kLabelRoomShare)));
        time->setFormat(timeFormat(first, last));
    }
    letLegendToggleLines(chart);

    auto* view = new QChartView(chart, this);
    view->setObjectName(QStringLiteral("chartView"));
    view->setRenderHint(QPainter::Antialiasing);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view);
}

QList<const QGraphicsSimpleTextItem*> ChartScreen::valueLabels() const {
    return latestValues_->labels();
}

QSize ChartScreen::sizeHint() const {
    return {900, 560};
}

} // namespace korven
