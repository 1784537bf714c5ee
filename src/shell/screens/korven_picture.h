#pragma once

#include <QWidget>

namespace korven {

// The program's picture: a logger trace over a dark field with the name
// KORVEN, drawn rather than loaded so that no image file has to travel with
// the program. Shown on the splash screen and by the start-up loader.
class KorvenPicture : public QWidget {
    Q_OBJECT
public:
    explicit KorvenPicture(QWidget* parent = nullptr);

    QSize sizeHint() const override { return {480, 240}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace korven
