#include "reading/screens/channel_reading_screen.h"

#include "platform/widgets/named_button.h"
#include "reading/reading_texts.h"
#include "reading/screens/reading_screen_steps.h"
#include "session/screen_names.h"
#include "session/session.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace korven {

namespace {

namespace texts = reading_texts;

const QColor kWaiting(255, 0, 0);
const QColor kRead(0, 0, 255);

} // namespace

ChannelReadingScreen::ChannelReadingScreen(Session& session, QWidget* parent)
    : QWidget(parent), session_(session), job_(session.link, session.installation),
      status_(namedLabel(QStringLiteral("Label2"), this)),
      start_(namedButton(QStringLiteral("Command1"), texts::startButton, this)),
      stop_(namedButton(QStringLiteral("Command2"), texts::stopButton, this)),
      exit_(namedButton(QStringLiteral("Command3"), texts::exitButton, this)),
      link_(session, job_, *this) {
    setObjectName(screen_name::channelReading);
    setWindowTitle(texts::allChannelsTitle);

    auto* grid = new QGridLayout;
    for (int channel = 0; channel < kAnalogChannels; ++channel) {
        names_[channel] = namedLabel(QStringLiteral("Label4_%1").arg(channel), this);
        names_[channel]->setText(texts::channelName.arg(channel, 2, 10, QLatin1Char('0')));
        values_[channel] = valueBox(QStringLiteral("Label1_%1").arg(channel), this);
        grid->addWidget(names_[channel], channel, 0);
        grid->addWidget(values_[channel], channel, 1);
    }
    for (int input = 0; input < 2; ++input) {
        digital_[input] = valueBox(QStringLiteral("Label3_%1").arg(input), this);
        grid->addWidget(digital_[input], kAnalogChannels + input, 1);
    }
    grid->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(start_);
    buttons->addWidget(stop_);
    buttons->addStretch();
    buttons->addWidget(exit_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(status_);
    layout->addLayout(buttons);

    session_.link.state().callerScreen = screen_name::channelReading;
    session_.progressLabels.attach(screen_name::channelReading, this,
                                   [this](const QString& text) { status_->setText(text); });
    stop_->setEnabled(false);
    showSetup();

    connect(start_, &QPushButton::clicked, this, &ChannelReadingScreen::start);
    connect(stop_, &QPushButton::clicked, this, &ChannelReadingScreen::stop);
    connect(exit_, &QPushButton::clicked, this, &QWidget::close);
}

ChannelReadingScreen::~ChannelReadingScreen() {
    session_.progressLabels.detach(screen_name::channelReading, this);
}

void ChannelReadingScreen::showSetup() {
    readSetupTelling(session_, job_);
    const ReadingSetup& setup = job_.setup();
    digital_[0]->setText(setup.digital1Active ? texts::digital1 : texts::digitalDisabled);
    digital_[1]->setText(setup.digital2Active ? texts::digital2 : texts::digitalDisabled);
    for (int channel = 0; channel < kAnalogChannels; ++channel) {
        const ReadingChannel& table = setup.channels.at(channel);
        values_[channel]->setText(table.active ? table.description : texts::channelOff);
        const bool shown = !(setup.fourChannels() && channel >= 4);
        names_[channel]->setVisible(shown);
        values_[channel]->setVisible(shown);
    }
}

void ChannelReadingScreen::start() {
    if (link_.talking())
        return;
    session_.link.state().callerScreen = screen_name::channelReading;
    status_->setText(texts::wait);
    setReading(true);
    const ScreenLink::Wake awake = link_.wake();
    if (awake != ScreenLink::Wake::Awake) {
        setReading(false);
        if (awake == ScreenLink::Wake::Failed)
            close();
        else
            status_->setText(texts::awaitingCommand);
        return;
    }

    AllChannelsObserver observer;
    observer.asking = [this](int channel) { markValue(channel, kWaiting); };
    observer.read = [this](const ChannelReading& reading) { showReading(reading); };
    observer.digitalRead = [this](const DigitalInputsReading& inputs) {
        showDigitalInputs(inputs);
    };
    const bool leave = link_.read([&] { return job_.readAllChannels(observer); });
    setReading(false);
    if (leave)
        close();
    else
        status_->setText(texts::awaitingCommand);
}

void ChannelReadingScreen::stop() {
    job_.stop();
    stop_->setEnabled(false);
}

void ChannelReadingScreen::showReading(const ChannelReading& reading) {
    values_[reading.channel]->setText(reading.reply);
    markValue(reading.channel, kRead);
}

void ChannelReadingScreen::showDigitalInputs(const DigitalInputsReading& inputs) {
    if (job_.setup().digital1Active)
        digital_[0]->setText(inputs.input1);
    if (job_.setup().digital2Active)
        digital_[1]->setText(inputs.input2);
}

void ChannelReadingScreen::markValue(int channel, const QColor& colour) {
    paintText(values_[channel], colour);
}

void ChannelReadingScreen::setReading(bool reading) {
    stop_->setEnabled(reading);
    start_->setEnabled(!reading);
    exit_->setEnabled(!reading);
}

void ChannelReadingScreen::closeEvent(QCloseEvent* event) {
    if (!link_.mayClose()) {
        event->ignore();
        return;
    }
    event->accept();
}

QWidget* makeChannelReadingScreen(Session& session) {
    return new ChannelReadingScreen(session);
}

} // namespace korven
