#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QChart;
class QGraphicsSimpleTextItem;
class QXYSeries;

namespace korven {

// The newest value of each line, written with its unit inside the plot just
// after the line's last point and in the line's colour. One label a line
// however many blocks it draws; labels that would cover each other are moved
// apart, and a label goes and comes back with its line.
class LatestValueLabels : public QObject {
    Q_OBJECT
public:
    explicit LatestValueLabels(QChart& chart);

    // A line already in the chart, its axes attached.
    void add(QXYSeries& line, const QString& unit);

    // The labels, in the order of their lines, for whoever checks them.
    QList<const QGraphicsSimpleTextItem*> labels() const;

private:
    struct Label {
        QXYSeries* line;
        QGraphicsSimpleTextItem* text;
    };

    void place();

    QChart& chart_;
    QList<Label> labels_;
};

} // namespace korven
