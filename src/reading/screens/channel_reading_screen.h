#pragma once

#include "reading/reading_job.h"
#include "reading/screens/reading_screen_steps.h"

#include <QWidget>

#include <array>

class QLabel;
class QPushButton;

namespace korven {

struct Session;

// "Lettura Canali" (Form5): reads every active channel and the digital inputs
// in passes while the user watches, each value box red while its reading is
// awaited and blue once it has come.
class ChannelReadingScreen : public QWidget {
    Q_OBJECT
public:
    explicit ChannelReadingScreen(Session& session, QWidget* parent = nullptr);
    ~ChannelReadingScreen() override;

protected:
    // Leaving puts a woken logger back into scanning. A reading under way is
    // stopped at once first; the screen closes once it has ended.
    void closeEvent(QCloseEvent* event) override;

private:
    void showSetup();
    void start();
    void stop();
    void showReading(const ChannelReading& reading);
    void showDigitalInputs(const DigitalInputsReading& inputs);
    void markValue(int channel, const QColor& colour);
    void setReading(bool reading);

    Session& session_;
    ReadingJob job_;
    std::array<QLabel*, kAnalogChannels> names_{};  // Label4
    std::array<QLabel*, kAnalogChannels> values_{}; // Label1
    std::array<QLabel*, 2> digital_{};              // Label3
    QLabel* status_;                                // Label2
    QPushButton* start_;                            // Command1
    QPushButton* stop_;                             // Command2
    QPushButton* exit_;                             // Command3
    ScreenLink link_;
};

// The menu's way in.
QWidget* makeChannelReadingScreen(Session& session);

} // namespace korven
