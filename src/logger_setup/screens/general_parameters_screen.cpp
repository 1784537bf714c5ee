#include "logger_setup/screens/general_parameters_screen.h"

#include "link/clock_drift.h"
#include "link/screens/transmission_screen.h"
#include "logger_setup/logger_settings_texts.h"
#include "logger_setup/screens/open_transmission.h"
#include "platform/numeric_text.h"
#include "platform/widgets/named_button.h"
#include "session/screen_names.h"
#include "session/session.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

namespace korven {

namespace {

namespace texts = logger_settings_texts;

constexpr int kFieldWidth = 44;
// Room for the frame's icon and buttons beside the title.
constexpr int kTitleMargin = 120;
constexpr int kWidestTitle = 900;

// A label shown once there is something to show; its place is kept meanwhile
// so the frame does not squeeze its fields when it appears.
QLabel* hiddenLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    QSizePolicy policy = label->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    label->setSizePolicy(policy);
    label->hide();
    return label;
}

// "Data  dd / mm / yyyy" or "Ora  hh : mm : ss" as row `row` of `grid`.
void addFieldRow(QGridLayout* grid, int row, const QString& caption, const QString& separator,
                 const std::array<QLineEdit*, 3>& fields) {
    QWidget* frame = grid->parentWidget();
    grid->addWidget(new QLabel(caption, frame), row, 0);
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            auto* between = new QLabel(separator, frame);
            between->setAlignment(Qt::AlignCenter);
            grid->addWidget(between, row, 2 * i);
        }
        grid->addWidget(fields[i], row, 2 * i + 1);
    }
}

} // namespace

GeneralParametersScreen::GeneralParametersScreen(Session& session, QWidget* parent)
    : QWidget(parent), session_(session) {
    setObjectName(screen_name::generalParameters);
    setWindowTitle(QStringLiteral("GENERAL KORVEN SETUP INFO. FILE: ") +
                   session_.installation.loggerSetupPath);
    // Wide enough for the title with the set-up's path, within reason.
    setMinimumWidth(
        qMin(fontMetrics().horizontalAdvance(windowTitle()) + kTitleMargin, kWidestTitle));

    const ClockFields now = clockFieldsOf(session_.ticks.now());
    day_ = addClockField(QStringLiteral("Text1"), now.day, kClockFieldReset);
    month_ = addClockField(QStringLiteral("Text2"), now.month, kClockFieldReset);
    year_ = addClockField(QStringLiteral("Text3"), now.year, kYearFieldReset);
    hours_ = addClockField(QStringLiteral("Text4"), now.hours, kClockFieldReset);
    minutes_ = addClockField(QStringLiteral("Text5"), now.minutes, kClockFieldReset);
    seconds_ = addClockField(QStringLiteral("Text6"), now.seconds, kClockFieldReset);
    year_->setFixedWidth(kFieldWidth * 3 / 2);

    auto* exit = namedButton(QStringLiteral("Command3D2"), QStringLiteral("Uscita"), this);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(exit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(clockFrame());
    layout->addWidget(blockFrame());
    layout->addLayout(buttons);
}

QWidget* GeneralParametersScreen::clockFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Data e Ora"), this);
    auto* grid = new QGridLayout(frame);
    addFieldRow(grid, 0, QStringLiteral("Data"), QStringLiteral("/"), {day_, month_, year_});
    addFieldRow(grid, 1, QStringLiteral("Ora"), QStringLiteral(":"), {hours_, minutes_, seconds_});
    // The fields keep together; the room the title gives goes before the buttons.
    grid->setColumnStretch(6, 1);
    auto* ask = namedButton(QStringLiteral("SSCOMMAND3"), QStringLiteral("Richiesta"), frame);
    auto* send = namedButton(QStringLiteral("Command3d5"), QStringLiteral("Invio"), frame);
    grid->addWidget(ask, 0, 7);
    grid->addWidget(send, 1, 7);
    loggerClock_ = hiddenLabel(QStringLiteral("loggerClock"), frame);
    drift_ = hiddenLabel(QStringLiteral("clockDrift"), frame);
    grid->addWidget(loggerClock_, 2, 0, 1, 4);
    grid->addWidget(drift_, 2, 4, 1, 4);
    connect(ask, &QPushButton::clicked, this, &GeneralParametersScreen::askForClock);
    connect(send, &QPushButton::clicked, this, &GeneralParametersScreen::setClock);
    return frame;
}

QWidget* GeneralParametersScreen::blockFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Blocco di Memoria"), this);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(
        new QLabel(QStringLiteral("Modifica del blocco di memorizzazione della KORVEN"), frame), 0,
        0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Nr. blocco"), frame), 1, 0);
    blockNumber_ = new QLineEdit(frame);
    blockNumber_->setObjectName(QStringLiteral("numbloc1"));
    grid->addWidget(blockNumber_, 1, 1);
    auto* reset = namedButton(QStringLiteral("Command3d3"), QStringLiteral("Invio"), frame);
    grid->addWidget(reset, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Ultimo blocco"), frame), 2, 0);
    lastBlock_ = new QLabel(frame);
    lastBlock_->setObjectName(QStringLiteral("lastBlock"));
    grid->addWidget(lastBlock_, 2, 1);
    auto* ask = namedButton(QStringLiteral("Command3d4"), QStringLiteral("Richiesta"), frame);
    grid->addWidget(ask, 2, 2);
    connect(reset, &QPushButton::clicked, this, &GeneralParametersScreen::emptyMemory);
    connect(ask, &QPushButton::clicked, this, &GeneralParametersScreen::askForLastBlock);
    connect(blockNumber_, &QLineEdit::editingFinished, this,
            &GeneralParametersScreen::formatBlockNumber);
    return frame;
}

QLineEdit* GeneralParametersScreen::addClockField(const QString& name, const QString& text,
                                                  const QString& reset) {
    auto* field = new QLineEdit(text, this);
    field->setObjectName(name);
    field->setFixedWidth(kFieldWidth);
    connect(field, &QLineEdit::textChanged, this,
            [this, field, reset] { checkField(field, reset); });
    return field;
}

// Every change is checked at once, so a field emptied to type anew is
// refused and put back; ranges wait for the clock setting.
void GeneralParametersScreen::checkField(QLineEdit* field, const QString& reset) {
    if (isAcceptedClockField(field->text()))
        return;
    session_.prompter.message(texts::invalidField, MessageIcon::Critical);
    field->setText(reset);
}

ClockFields GeneralParametersScreen::clockFields() const {
    return {day_->text(),   month_->text(),   year_->text(),
            hours_->text(), minutes_->text(), seconds_->text()};
}

void GeneralParametersScreen::askForClock() {
    auto* transmission = openTransmission(session_, this, TransmissionOrder::readClock());
    if (transmission)
        connect(transmission, &TransmissionScreen::clockRead, this,
                &GeneralParametersScreen::showLoggerClock);
}

// The command carries what the fields say when "Invio" is pressed.
void GeneralParametersScreen::setClock() {
    const std::optional<QDateTime> moment = clockSettingOf(clockFields());
    if (!moment) {
        session_.prompter.message(texts::invalidDate, MessageIcon::None);
        return;
    }
    if (!session_.prompter.askYesNo(clockSettingQuestion(*moment), MessageIcon::None))
        return;
    openTransmission(session_, this, TransmissionOrder::setClock(*moment));
}

void GeneralParametersScreen::askForLastBlock() {
    auto* transmission = openTransmission(session_, this, TransmissionOrder::readLastBlock());
    if (transmission)
        connect(transmission, &TransmissionScreen::lastBlockRead, this,
                &GeneralParametersScreen::showLastBlock);
}

// The memory is always emptied back to block 0, whatever "Nr. blocco" holds.
void GeneralParametersScreen::emptyMemory() {
    if (!session_.prompter.askYesNo(texts::memoryWillBeEmptied, MessageIcon::None, true))
        return;
    openTransmission(session_, this, TransmissionOrder::emptyMemory());
}

// Formatted when the user leaves the field, so typing is not disturbed.
void GeneralParametersScreen::formatBlockNumber() {
    if (const auto number = toInt16(blockNumber_->text()); number && *number >= 0)
        blockNumber_->setText(QString::number(*number).rightJustified(4, u'0'));
}

void GeneralParametersScreen::showLoggerClock(const ClockReading& reading) {
    loggerClock_->setText(reading.logger.date + QStringLiteral("  ") + reading.logger.time);
    loggerClock_->show();
    const std::optional<qint64> drift = driftSeconds(reading);
    drift_->setText(drift ? driftText(*drift) : QString());
    drift_->setVisible(drift.has_value());
}

void GeneralParametersScreen::showLastBlock(int block) {
    lastBlock_->setText(QString::number(block));
}

} // namespace korven
