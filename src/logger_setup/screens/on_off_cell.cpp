#include "logger_setup/screens/on_off_cell.h"

#include "logger_setup/channel_editor.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace korven {

OnOffCell::OnOffCell(const QString& name, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("OFF")) * 2);
    // Reached with Tab like the fields around it; the space bar switches it.
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
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

void OnOffCell::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space) {
        Q_EMIT clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

// The cell that holds the keyboard shows it by standing out of its row.
void OnOffCell::focusInEvent(QFocusEvent* event) {
    setFrameShadow(QFrame::Raised);
    setLineWidth(2);
    QLabel::focusInEvent(event);
}

void OnOffCell::focusOutEvent(QFocusEvent* event) {
    setFrameShadow(QFrame::Sunken);
    setLineWidth(1);
    QLabel::focusOutEvent(event);
}

} // namespace korven
