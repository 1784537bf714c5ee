#pragma once

#include "reading/reading_job.h"
#include "reading/screens/reading_screen_steps.h"
#include "reading/screens/reading_trend.h"

#include <QHash>
#include <QList>
#include <QWidget>

#include <array>
#include <optional>

class QLabel;
class QPushButton;
class QRadioButton;

namespace korven {

struct Session;

// "REAL TIME READING" (Form36): reads the channel the user picks once a
// second and shows the logger's reply, or the value treated on the PC with
// the channel's unit, with a live trend of the readings of this visit.
class SingleChannelScreen : public QWidget {
    Q_OBJECT
public:
    explicit SingleChannelScreen(Session& session, QWidget* parent = nullptr);
    ~SingleChannelScreen() override;

    QSize sizeHint() const override;

protected:
    // Leaving puts a logger woken during this visit back into scanning. A
    // reading under way is stopped at once first; the screen closes once it
    // has ended.
    void closeEvent(QCloseEvent* event) override;

private:
    // One reading as the trend keeps it.
    struct Read {
        QDateTime at;
        std::optional<double> direct;
        std::optional<double> treated;
    };

    void showSetup();
    void readChannel(int channel);
    void stop();
    void leave();
    void showReading(const ChannelReading& reading);
    void showTrend();
    bool treated() const;
    void setReading(bool reading);

    Session& session_;
    ReadingJob job_;
    std::array<QPushButton*, kAnalogChannels> channels_{}; // Command1
    QRadioButton* treatedYes_;                             // Option1(0)
    QRadioButton* treatedNo_;                              // Option1(1)
    QLabel* title_;                                        // Label4
    QLabel* value_;                                        // Label5
    QLabel* mode_;                                         // Label2
    QLabel* status_;                                       // Label3
    QPushButton* stop_;                                    // Command2
    QPushButton* leave_;                                   // Command3d1
    ReadingTrend* trend_;
    // The readings of this visit, by channel.
    QHash<int, QList<Read>> reads_;
    int selected_ = -1;
    bool leavingByButton_ = false;
    ScreenLink link_;
};

// The menu's way in.
QWidget* makeSingleChannelScreen(Session& session);

} // namespace korven
