#include "system_setup/screens/activation_toggle.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace korven {

ActivationToggle::ActivationToggle(QWidget* parent) : QLabel(parent) {
    setAutoFillBackground(true);
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void ActivationToggle::showActivation(const QString& caption, bool on) {
    setText(caption);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, on ? QColor(0, 255, 0) : QColor(255, 0, 0));
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
}

void ActivationToggle::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        Q_EMIT clicked();
}

void ActivationToggle::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space) {
        Q_EMIT clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

} // namespace korven
