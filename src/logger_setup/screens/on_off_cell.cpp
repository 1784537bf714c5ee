#include "logger_setup/screens/on_off_cell.h"

#include "logger_setup/channel_editor.h"

#include <QMouseEvent>

namespace korven {

OnOffCell::OnOffCell(const QString& name, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("OFF")) * 2);
}

void OnOffCell::showFlag(const QString& caption) {
    setText(caption);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, isFlagOn(caption) ? QColor(0, 255, 0) : QColor(255, 0, 0));
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
}

void OnOffCell::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        Q_EMIT clicked();
    QLabel::mousePressEvent(event);
}

} // namespace korven
