#include "logger_setup/screens/channel_setup_screen.h"

#include "link/link_texts.h"
#include "link/screens/transmission_screen.h"
#include "logger_setup/number_format.h"
#include "logger_setup/screens/channel_setup_texts.h"
#include "logger_setup/screens/logger_report_printing.h"
#include "logger_setup/screens/on_off_cell.h"
#include "logger_setup/screens/open_transmission.h"
#include "platform/widgets/focus_watch.h"
#include "platform/widgets/named_button.h"
#include "session/screen_names.h"
#include "session/session.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace korven {

namespace {

namespace texts = channel_setup_texts;

// Enter in a field moves on; it never presses a button.
QPushButton* button(const QString& name, const QString& caption, QWidget* parent) {
    QPushButton* pushButton = namedButton(name, caption, parent);
    pushButton->setAutoDefault(false);
    return pushButton;
}

} // namespace

ChannelSetupScreen::ChannelSetupScreen(Session& session, QWidget* parent)
    : QWidget(parent), session_(session), editor_(session.installation.loggerRecords),
      sending_(session.link, session.installation),
      guard_(session, [this] { return windowTitle(); }) {
    setObjectName(screen_name::channelSetup);
    setWindowTitle(texts::title);
    buildControls();
    for (int row = 0; row < LoggerChannelLayout::channels; ++row)
        connectRow(row);
    connectInputs();

    const QString& path = session_.installation.loggerSetupPath;
    session_.link.state().callerScreen = screen_name::channelSetup;
    setWindowTitle(texts::titleWithFile + path);
    if (const FileStatus status = editor_.open(path); !status) {
        session_.prompter.message(status.error, MessageIcon::Critical);
        return;
    }
    loaded_ = true;
    (editor_.fourChannels() ? fourChannels_ : eightChannels_)->setChecked(true);
    showInputs();
    showRows();
    refreshSendButton();
}

void ChannelSetupScreen::buildControls() {
    auto* grid = new QGridLayout;
    rows_ = addChannelRows(*grid, this);

    digital1_ = new OnOffCell(QStringLiteral("ACTIV_DIG_1"), this);
    digital2_ = new OnOffCell(QStringLiteral("ACTIV_DIG_2"), this);
    auto* inputs = new QGroupBox(texts::inputsFrame, this);
    fourChannels_ = new QRadioButton(texts::fourChannels, inputs);
    fourChannels_->setObjectName(QStringLiteral("Option1_0"));
    eightChannels_ = new QRadioButton(texts::eightChannels, inputs);
    eightChannels_->setObjectName(QStringLiteral("Option1_1"));
    auto* inputsLayout = new QGridLayout(inputs);
    inputsLayout->addWidget(new QLabel(texts::digital1, inputs), 0, 0);
    inputsLayout->addWidget(digital1_, 0, 1);
    inputsLayout->addWidget(new QLabel(texts::digital2, inputs), 1, 0);
    inputsLayout->addWidget(digital2_, 1, 1);
    inputsLayout->addWidget(new QLabel(texts::channelCount, inputs), 0, 2);
    inputsLayout->addWidget(fourChannels_, 0, 3);
    inputsLayout->addWidget(eightChannels_, 1, 3);

    save_ = button(QStringLiteral("Command3d1"), texts::saveButton, this);
    print_ = button(QStringLiteral("Command3d6"), texts::printButton, this);
    send_ = button(QStringLiteral("Command3d5"), texts::sendButton, this);
    exit_ = button(QStringLiteral("Command3d2"), texts::exitButton, this);
    progress_ = new QLineEdit(this);
    progress_->setObjectName(QStringLiteral("Text1"));
    progress_->setReadOnly(true);
    // The sending's progress is read, not edited: Tab passes it by.
    progress_->setFocusPolicy(Qt::ClickFocus);

    auto* buttons = new QGridLayout;
    buttons->addWidget(save_, 0, 0);
    buttons->addWidget(print_, 0, 1);
    buttons->addWidget(send_, 1, 0);
    buttons->addWidget(exit_, 1, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(inputs);
    bottom->addStretch();
    bottom->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(bottom);
    layout->addWidget(progress_);
    layout->addStretch();
}

void ChannelSetupScreen::connectRow(int row) {
    ChannelRowWidgets& widgets = rows_[row];
    ChannelRowTexts& texts = editor_.rows()[row];
    // Lists the user chooses from: what is chosen becomes the row's text.
    const auto onChoice = [this](QComboBox* box, QString& text) {
        connect(box, &QComboBox::activated, this, [this, box, &text] {
            text = box->currentText();
            editor_.edited();
            refreshSendButton();
        });
    };
    onChoice(widgets.inputType, texts.inputType);
    onChoice(widgets.supply, texts.supply);
    onChoice(widgets.unit, texts.unit);
    connect(widgets.mask, &QComboBox::activated, this, [this, row, &widgets] {
        editor_.chooseMask(row, widgets.mask->currentText());
        widgets.show(editor_.rows()[row]);
        refreshSendButton();
    });

    connect(widgets.description, &QLineEdit::textEdited, this, [this, &texts](const QString& text) {
        texts.description = text;
        editor_.edited();
        refreshSendButton();
    });
    // Typing alone changes nothing else: leaving the field checks the value.
    connect(widgets.gain, &QLineEdit::textEdited, this,
            [&texts](const QString& text) { texts.gain = text; });
    connect(widgets.zero, &QLineEdit::textEdited, this,
            [&texts](const QString& text) { texts.zero = text; });
    const auto onLeft = [this, row, &widgets](QLineEdit* field, bool (ChannelEditor::*leave)(int)) {
        FocusWatch::onLeft(field, [this, row, &widgets, leave] {
            if ((editor_.*leave)(row))
                session_.prompter.message(kInvalidValueMessage, MessageIcon::Critical);
            widgets.show(editor_.rows()[row]);
            refreshSendButton();
        });
    };
    onLeft(widgets.gain, &ChannelEditor::leaveGain);
    onLeft(widgets.zero, &ChannelEditor::leaveZero);

    connect(widgets.activation, &OnOffCell::clicked, this, [this, row, &widgets] {
        editor_.toggleActivation(row);
        widgets.show(editor_.rows()[row]);
        refreshSendButton();
    });
    connect(widgets.scaling, &OnOffCell::clicked, this, [this, row, &widgets] {
        editor_.toggleScaling(row);
        widgets.show(editor_.rows()[row]);
        refreshSendButton();
    });
}

void ChannelSetupScreen::connectInputs() {
    for (auto [cell, input] : {std::pair{digital1_, 1}, std::pair{digital2_, 2}}) {
        connect(cell, &OnOffCell::clicked, this, [this, input = input] {
            editor_.toggleDigital(input);
            showInputs();
        });
    }
    for (QRadioButton* option : {fourChannels_, eightChannels_}) {
        connect(option, &QRadioButton::clicked, this, [this] {
            editor_.chooseChannelCount(fourChannels_->isChecked());
            showRows();
        });
    }
    connect(save_, &QPushButton::clicked, this, &ChannelSetupScreen::save);
    connect(print_, &QPushButton::clicked, this, &ChannelSetupScreen::printSavedSetup);
    connect(send_, &QPushButton::clicked, this, &ChannelSetupScreen::sendSetup);
    connect(exit_, &QPushButton::clicked, this, &QWidget::close);
}

void ChannelSetupScreen::showRows() {
    for (int row = 0; row < LoggerChannelLayout::channels; ++row) {
        rows_[row].show(editor_.rows()[row]);
        for (QWidget* widget : rows_[row].widgets())
            widget->setVisible(row < editor_.rowsShown());
    }
    refreshSendButton();
}

void ChannelSetupScreen::showInputs() {
    digital1_->showFlag(editor_.digitalFlag(1));
    digital2_->showFlag(editor_.digitalFlag(2));
    refreshSendButton();
}

void ChannelSetupScreen::refreshSendButton() {
    send_->setEnabled(!guard_.running() && editor_.sendAllowed());
}

void ChannelSetupScreen::save() {
    if (const FileStatus status = editor_.save(); !status)
        session_.prompter.message(status.error, MessageIcon::Critical);
    refreshSendButton();
}

void ChannelSetupScreen::printSavedSetup() {
    printLoggerReport(session_, *this);
}

// The files are read and the logger woken on "Trasmissione" first; the
// sending itself is this screen's exchange.
void ChannelSetupScreen::sendSetup() {
    if (guard_.running() || !editor_.sendAllowed())
        return;
    setSending(true);
    if (const FileStatus status = sending_.readSetup(); !status) {
        session_.prompter.message(status.error, MessageIcon::Critical);
        setSending(false);
        return;
    }
    const std::optional<int> loggerNumber = askLoggerCode();
    if (!loggerNumber || !guard_.run([&] { sendTo(*loggerNumber); })) {
        setSending(false);
        return;
    }
    if (guard_.closeDue())
        close();
}

void ChannelSetupScreen::sendTo(int loggerNumber) {
    SendingObserver observer;
    observer.progress = [this](const QString& text) { progress_->setText(text); };
    observer.channelRead = [this](int channel, const QString& description) {
        editor_.rows()[channel].description = description;
        rows_[channel].description->setText(description);
    };
    endSending(sending_.send(loggerNumber, observer));
}

std::optional<int> ChannelSetupScreen::askLoggerCode() {
    // Another "Trasmissione" holds the line: it comes to the front instead.
    if (raiseOpenTransmission())
        return std::nullopt;
    TransmissionScreen transmission(session_, TransmissionOrder::wakeOnly(), this);
    transmission.exec();
    // Left with "Uscita", or the logger did not wake: nothing is sent.
    return transmission.wokenLogger();
}

void ChannelSetupScreen::endSending(SendingEnd end) {
    switch (end) {
    case SendingEnd::Done:
    case SendingEnd::NotRestarted:
    case SendingEnd::Busy:
        break;
    case SendingEnd::NotSelected:
    case SendingEnd::LostPartWay:
        // The logger is not there: the user has been told, and the editor goes.
        guard_.leaveWhenDone();
        break;
    case SendingEnd::Stopped:
        // Only a closing editor stops the sending; the logger must not stay
        // stopped in the field because of it.
        sending_.resume();
        guard_.leaveWhenDone();
        break;
    case SendingEnd::PortFailed:
        if (sending_.portError().code == kInvalidPortNumber) {
            session_.prompter.message(link_texts::invalidPort, MessageIcon::None);
            guard_.leaveWhenDone();
        }
        break;
    }
    setSending(false);
}

void ChannelSetupScreen::setSending(bool sending) {
    for (QPushButton* control : {save_, print_, exit_})
        control->setEnabled(!sending);
    send_->setEnabled(!sending && editor_.sendAllowed());
    if (sending)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
}

void ChannelSetupScreen::closeEvent(QCloseEvent* event) {
    if (guard_.mayClose())
        event->accept();
    else
        event->ignore();
}

QWidget* makeChannelSetupScreen(Session& session) {
    auto* screen = new ChannelSetupScreen(session);
    if (screen->loaded())
        return screen;
    delete screen;
    return nullptr;
}

} // namespace korven
