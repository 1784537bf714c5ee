#pragma once

#include <QLabel>

namespace korven {

// A label that shows an on/off flag ("ON " or "OFF") on a green or red ground
// and tells when it is clicked, or when the space bar is pressed on it; what
// that does is the screen's to say.
class OnOffCell : public QLabel {
    Q_OBJECT
public:
    OnOffCell(const QString& name, QWidget* parent);

    // Shows the caption, green for "ON ", red for anything else.
    void showFlag(const QString& caption);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace korven
