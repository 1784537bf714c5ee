#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;

namespace korven {

// The splash screen shown while the program starts: the picture, the version
// and the program's description, and three steps of about 1.8 seconds in all,
// after which it hands over to the main window and closes.
class SplashScreen : public QWidget {
    Q_OBJECT
public:
    explicit SplashScreen(QWidget* parent = nullptr);

    void start();
    // One tick of the timer; the timer calls it, tests call it directly.
    void step();
    int interval() const { return timer_.interval(); }

Q_SIGNALS:
    // The main window is due.
    void finished();

private:
    QTimer timer_;
    QLabel* progress_;
    int stepsDone_ = 0;
};

} // namespace korven
