#pragma once

#include <QLabel>

namespace korven {

// "Attivazione": a caption the user clicks (or presses the space bar on) to
// switch a channel on or off; green while it reads "ON ", red otherwise.
class ActivationToggle : public QLabel {
    Q_OBJECT
public:
    explicit ActivationToggle(QWidget* parent = nullptr);

    void showActivation(const QString& caption, bool on);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace korven
