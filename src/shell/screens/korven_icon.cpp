#include "shell/screens/korven_icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace korven {

namespace {

QPixmap iconAt(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(0, 0, size, size);

    QLinearGradient field(area.topLeft(), area.bottomRight());
    field.setColorAt(0, QColor(0x10, 0x2a, 0x43));
    field.setColorAt(1, QColor(0x1f, 0x5f, 0x7a));
    painter.setPen(Qt::NoPen);
    painter.setBrush(field);
    painter.drawRoundedRect(area, size * 0.18, size * 0.18);

    QPainterPath trace;
    trace.moveTo(size * 0.08, size * 0.78);
    trace.cubicTo(size * 0.35, size * 0.55, size * 0.6, size * 0.98, size * 0.92, size * 0.7);
    painter.setPen(QPen(QColor(0x7f, 0xe0, 0xa0), size / 12.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(trace);

    QFont letter;
    letter.setBold(true);
    letter.setPixelSize(static_cast<int>(size * 0.62));
    painter.setFont(letter);
    painter.setPen(Qt::white);
    painter.drawText(area.adjusted(0, 0, 0, -size * 0.2), Qt::AlignCenter, QStringLiteral("K"));
    return pixmap;
}

} // namespace

QIcon korvenIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(iconAt(size));
    return icon;
}

} // namespace korven
