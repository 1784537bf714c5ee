#include "download/screens/chart_screen.h"

#include "download/download_texts.h"
#include "session/screen_names.h"

#include <QChart>
#include <QChartView>
#include <QColor>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLineSeries>
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

// Eight colours told apart at a glance, one per channel.
const std::array<QColor, 8> kLineColours{QColor(0x1f, 0x77, 0xb4), QColor(0xff, 0x7f, 0x0e),
                                         QColor(0x2c, 0xa0, 0x2c), QColor(0xd6, 0x27, 0x28),
                                         QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b),
                                         QColor(0xe3, 0x77, 0xc2), QColor(0x17, 0xbe, 0xcf)};

// The smallest and largest time and value of the lines.
struct Span {
    QPointF least;
    QPointF most;

    Span including(const QPointF& point) const {
        return {{std::min(least.x(), point.x()), std::min(least.y(), point.y())},
                {std::max(most.x(), point.x()), std::max(most.y(), point.y())}};
    }
};

} // namespace

ChartScreen::ChartScreen(const QList<ChartLine>& lines, QWidget* parent) : QWidget(parent) {
    setObjectName(screen_name::chart);
    setWindowTitle(texts::chartTitle);

    auto* chart = new QChart;
    // Eight headings side by side would be cut; one under the other they fit.
    chart->legend()->setAlignment(Qt::AlignRight);
    auto* time = new QDateTimeAxis;
    time->setTitleText(texts::chartTimeAxis);
    auto* values = new QValueAxis;
    chart->addAxis(time, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);

    std::optional<Span> span;
    for (const ChartLine& line : lines) {
        auto* series = new QLineSeries;
        series->setName(line.name);
        series->setColor(kLineColours[line.channel % kLineColours.size()]);
        series->append(line.points);
        chart->addSeries(series);
        series->attachAxis(time);
        series->attachAxis(values);
        for (const QPointF& point : line.points)
            span = span ? span->including(point) : Span{point, point};
    }
    // The axes take in every line, not only the first one attached.
    if (span) {
        const QDateTime first = QDateTime::fromMSecsSinceEpoch(qint64(span->least.x()));
        const QDateTime last = QDateTime::fromMSecsSinceEpoch(qint64(span->most.x()));
        time->setRange(first, last);
        time->setFormat(timeFormat(first, last));
        const qreal margin = span->most.y() > span->least.y() ? 0 : 1;
        values->setRange(span->least.y() - margin, span->most.y() + margin);
        values->applyNiceNumbers();
    }

    auto* view = new QChartView(chart, this);
    view->setObjectName(QStringLiteral("chartView"));
    view->setRenderHint(QPainter::Antialiasing);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view);
}

QSize ChartScreen::sizeHint() const {
    return {900, 560};
}

} // namespace korven
