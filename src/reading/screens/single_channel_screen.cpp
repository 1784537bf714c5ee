#include "reading/screens/single_channel_screen.h"

#include "link/link_texts.h"
#include "platform/widgets/named_button.h"
#include "reading/reading_texts.h"
#include "reading/screens/reading_screen_steps.h"
#include "reading/treat_value.h"
#include "session/screen_names.h"
#include "session/session.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace korven {

namespace {

namespace texts = reading_texts;

constexpr int kOpeningWidth = 720;
constexpr int kOpeningHeight = 640;

QRadioButton* option(int index, const QString& caption, QWidget* parent) {
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(QStringLiteral("Option1_%1").arg(index));
    return button;
}

} // namespace

SingleChannelScreen::SingleChannelScreen(Session& session, QWidget* parent)
    : QWidget(parent), session_(session), job_(session.link, session.installation),
      title_(namedLabel(QStringLiteral("Label4"), this)),
      value_(valueBox(QStringLiteral("Label5"), this)),
      mode_(namedLabel(QStringLiteral("Label2"), this)),
      status_(namedLabel(QStringLiteral("Label3"), this)),
      stop_(namedButton(QStringLiteral("Command2"), texts::stopButton, this)),
      leave_(namedButton(QStringLiteral("Command3d1"), texts::leaveButton, this)),
      trend_(new ReadingTrend(this)), link_(session, job_, *this) {
    setObjectName(screen_name::singleChannelReading);
    setWindowTitle(texts::oneChannelTitle);
    trend_->setObjectName(QStringLiteral("trend"));

    auto* buttons = new QGridLayout;
    for (int channel = 0; channel < kAnalogChannels; ++channel) {
        channels_[channel] = namedButton(QStringLiteral("Command1_%1").arg(channel), {}, this);
        channels_[channel]->setCheckable(true);
        buttons->addWidget(channels_[channel], channel / 4, channel % 4);
        connect(channels_[channel], &QPushButton::clicked, this,
                [this, channel] { readChannel(channel); });
    }

    auto* treatment = new QGroupBox(texts::treatmentFrame, this);
    treatment->setObjectName(QStringLiteral("Frame1"));
    treatedYes_ = option(0, texts::treatedYes, treatment);
    treatedNo_ = option(1, texts::treatedNo, treatment);
    treatedNo_->setChecked(true);
    auto* treatmentLayout = new QHBoxLayout(treatment);
    treatmentLayout->addWidget(treatedYes_);
    treatmentLayout->addWidget(treatedNo_);

    QFont large = value_->font();
    large.setPointSizeF(large.pointSizeF() * 1.8);
    large.setBold(true);
    value_->setFont(large);
    value_->setAlignment(Qt::AlignCenter);
    title_->setAlignment(Qt::AlignCenter);
    mode_->setAlignment(Qt::AlignCenter);

    auto* controls = new QHBoxLayout;
    controls->addWidget(treatment);
    controls->addStretch();
    controls->addWidget(stop_);
    controls->addWidget(leave_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addLayout(controls);
    layout->addWidget(title_);
    layout->addWidget(value_);
    layout->addWidget(mode_);
    layout->addWidget(status_);
    layout->addWidget(trend_, 1);

    session_.link.state().callerScreen = screen_name::singleChannelReading;
    session_.progressLabels.attach(screen_name::singleChannelReading, this,
                                   [this](const QString& text) { status_->setText(text); });
    value_->hide();
    stop_->setEnabled(false);
    showSetup();

    connect(stop_, &QPushButton::clicked, this, &SingleChannelScreen::stop);
    connect(leave_, &QPushButton::clicked, this, &SingleChannelScreen::leave);
    connect(treatedYes_, &QRadioButton::toggled, this, &SingleChannelScreen::showTrend);
}

QSize SingleChannelScreen::sizeHint() const {
    // Room for a trend worth looking at.
    return QWidget::sizeHint().expandedTo({kOpeningWidth, kOpeningHeight});
}

SingleChannelScreen::~SingleChannelScreen() {
    session_.progressLabels.detach(screen_name::singleChannelReading, this);
}

void SingleChannelScreen::showSetup() {
    readSetupTelling(session_, job_);
    const ReadingSetup& setup = job_.setup();
    for (int channel = 0; channel < kAnalogChannels; ++channel) {
        channels_[channel]->setText(setup.channels.at(channel).description);
        channels_[channel]->setVisible(!(setup.fourChannels() && channel >= 4));
    }
}

void SingleChannelScreen::readChannel(int channel) {
    if (link_.talking())
        return;
    session_.link.state().callerScreen = screen_name::singleChannelReading;
    selected_ = channel;
    setReading(true);
    value_->setText(texts::wait);
    showTrend();
    if (!job_.loggerWoken()) {
        const ScreenLink::Wake awake = link_.wake();
        if (awake != ScreenLink::Wake::Awake) {
            setReading(false);
            // Reading on after a failed wake-up would only tell the user again.
            if (awake == ScreenLink::Wake::Failed)
                close();
            return;
        }
    }
    value_->show();
    const bool leave = link_.read([&] {
        return job_.readOneChannel(channel,
                                   [this](const ChannelReading& reading) { showReading(reading); });
    });
    setReading(false);
    if (leave)
        close();
}

void SingleChannelScreen::stop() {
    job_.stop();
    stop_->setEnabled(false);
}

void SingleChannelScreen::leave() {
    leavingByButton_ = true;
    close();
    leavingByButton_ = false;
}

void SingleChannelScreen::showReading(const ChannelReading& reading) {
    const ReadingChannel& channel = job_.setup().channels.at(reading.channel);
    if (treated()) {
        title_->setText(channel.description);
        // A reply that is no reading is never treated as a number.
        value_->setText(reading.treated ? valueText(*reading.treated) + u' ' + channel.unit
                                        : link_texts::transmissionError);
        mode_->setText(texts::treatedReading);
    } else {
        title_->setText(texts::channelNumber + QString::number(reading.channel));
        value_->setText(reading.reply);
        mode_->setText(texts::directReading);
    }
    reads_[reading.channel].append({reading.at, reading.direct, reading.treated});
    showTrend();
}

void SingleChannelScreen::showTrend() {
    QList<TrendPoint> points;
    const bool treatedValues = treated();
    for (const Read& read : reads_.value(selected_)) {
        if (const auto value = treatedValues ? read.treated : read.direct)
            points.append({read.at, *value});
    }
    // The unit is the treated value's; a direct reading is the logger's own
    // number.
    const QString unit =
        selected_ < 0 || !treatedValues ? QString() : job_.setup().channels.at(selected_).unit;
    trend_->showPoints(points, unit, treatedValues ? unit : texts::directAxis);
}

bool SingleChannelScreen::treated() const {
    return treatedYes_->isChecked();
}

void SingleChannelScreen::setReading(bool reading) {
    for (int channel = 0; channel < kAnalogChannels; ++channel) {
        channels_[channel]->setEnabled(!reading);
        channels_[channel]->setChecked(reading && channel == selected_);
    }
    stop_->setEnabled(reading);
    leave_->setEnabled(!reading);
}

void SingleChannelScreen::closeEvent(QCloseEvent* event) {
    const bool byButton = leavingByButton_;
    const bool left = link_.mayClose([this, byButton] {
        if (!byButton)
            status_->setText(texts::restarting);
        for (QPushButton* channel : channels_)
            channel->setEnabled(false);
        stop_->setEnabled(false);
        leave_->setEnabled(false);
    });
    if (!left) {
        event->ignore();
        return;
    }
    event->accept();
}

QWidget* makeSingleChannelScreen(Session& session) {
    return new SingleChannelScreen(session);
}

} // namespace korven
