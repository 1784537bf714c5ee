#include "download/screens/latest_value_labels.h"

#include <QBrush>
#include <QChart>
#include <QFont>
#include <QGraphicsSimpleTextItem>
#include <QXYSeries>

#include <algorithm>

namespace korven {

namespace {

// Between a line's last point and its label.
constexpr qreal kGap = 6;
// Over the lines and the grid.
constexpr qreal kOverTheLines = 50;

QString valueWithUnit(qreal value, const QString& unit) {
    return (QString::number(value, 'g', 7) + u' ' + unit).trimmed();
}

struct Placed {
    QGraphicsSimpleTextItem* text;
    QRectF box;
};

// Labels one under the other, none over another and all inside the plot
// while the plot is tall enough for them: down from the top, each pushed
// below the one above it, then up from the bottom, each pushed above the one
// below it.
void keepApart(QList<Placed>& labels, const QRectF& plot) {
    std::sort(labels.begin(), labels.end(),
              [](const Placed& a, const Placed& b) { return a.box.top() < b.box.top(); });
    qreal free = plot.top();
    for (Placed& label : labels) {
        label.box.moveTop(std::max(label.box.top(), free));
        free = label.box.bottom();
    }
    free = plot.bottom();
    for (auto label = labels.rbegin(); label != labels.rend(); ++label) {
        label->box.moveBottom(std::min(label->box.bottom(), free));
        free = label->box.top();
    }
}

} // namespace

LatestValueLabels::LatestValueLabels(QChart& chart) : QObject(&chart), chart_(chart) {
    connect(&chart_, &QChart::plotAreaChanged, this, &LatestValueLabels::place);
}

void LatestValueLabels::add(QXYSeries& line, const QString& unit) {
    if (line.count() == 0)
        return;
    auto* text =
        new QGraphicsSimpleTextItem(valueWithUnit(line.at(line.count() - 1).y(), unit), &chart_);
    text->setBrush(line.color());
    QFont font = text->font();
    font.setBold(true);
    text->setFont(font);
    text->setZValue(kOverTheLines);
    labels_.append({&line, text});
    connect(&line, &QAbstractSeries::visibleChanged, this, &LatestValueLabels::place);
    place();
}

QList<const QGraphicsSimpleTextItem*> LatestValueLabels::labels() const {
    QList<const QGraphicsSimpleTextItem*> texts;
    for (const Label& label : labels_)
        texts.append(label.text);
    return texts;
}

void LatestValueLabels::place() {
    const QRectF plot = chart_.plotArea();
    QList<Placed> shown;
    for (const Label& label : labels_) {
        label.text->setVisible(label.line->isVisible());
        if (!label.line->isVisible())
            continue;
        const QPointF last =
            chart_.mapToPosition(label.line->at(label.line->count() - 1), label.line);
        QRectF box = label.text->boundingRect();
        // After the point, or as far to the right as the plot lets it go.
        const qreal left = std::min(last.x() + kGap, plot.right() - box.width());
        box.moveTopLeft({std::max(left, plot.left()), last.y() - box.height() / 2});
        shown.append({label.text, box});
    }
    keepApart(shown, plot);
    for (const Placed& label : shown)
        label.text->setPos(label.box.topLeft());
}

} // namespace korven
