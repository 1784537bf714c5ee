#include "shell/screens/korven_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace korven {

KorvenPicture::KorvenPicture(QWidget* parent) : QWidget(parent) {
    setMinimumSize(sizeHint());
}

void KorvenPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = rect();

    QLinearGradient field(area.topLeft(), area.bottomRight());
    field.setColorAt(0, QColor(0x10, 0x2a, 0x43));
    field.setColorAt(1, QColor(0x1f, 0x5f, 0x7a));
    painter.fillRect(area, field);

    // A grid and a recorded trace, as a logger's memory would draw them.
    painter.setPen(QPen(QColor(255, 255, 255, 30), 1));
    for (int x = 0; x < width(); x += 24)
        painter.drawLine(QPointF(x, 0), QPointF(x, area.height()));
    for (int y = 0; y < height(); y += 24)
        painter.drawLine(QPointF(0, y), QPointF(area.width(), y));
    QPainterPath trace;
    const double middle = area.height() * 0.68;
    for (int x = 0; x <= width(); x += 4) {
        const double t = x / 40.0;
        const double y = middle - area.height() * (0.12 * std::sin(t) + 0.05 * std::sin(3.1 * t));
        if (x == 0)
            trace.moveTo(x, y);
        else
            trace.lineTo(x, y);
    }
    painter.setPen(QPen(QColor(0x7f, 0xe0, 0xa0), 2.5));
    painter.drawPath(trace);

    QFont title = font();
    title.setBold(true);
    title.setPixelSize(static_cast<int>(area.height() * 0.24));
    title.setLetterSpacing(QFont::PercentageSpacing, 115);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(area.adjusted(0, area.height() * 0.08, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
                     QStringLiteral("KORVEN"));
}

} // namespace korven
