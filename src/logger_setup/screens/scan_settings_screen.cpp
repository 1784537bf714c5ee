#include "logger_setup/screens/scan_settings_screen.h"

#include "link/screens/choice_colours.h"
#include "logger_setup/logger_settings_texts.h"
#include "logger_setup/logger_setup_files.h"
#include "logger_setup/screens/open_transmission.h"
#include "platform/widgets/named_button.h"
#include "session/file_failure.h"
#include "session/screen_names.h"
#include "session/session.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace korven {

namespace {

// The option just chosen is red; one that lost the choice to a click is blue.
const QColor kChosen(255, 0, 0);
const QColor kLeft(0, 0, 255);

} // namespace

ScanSettingsScreen::ScanSettingsScreen(Session& session, QWidget* parent)
    : QWidget(parent), session_(session) {
    setObjectName(screen_name::scanSettings);
    setWindowTitle(QStringLiteral("Scansione e memorizzazione"));

    Record& par = session_.installation.loggerRecords.par;
    reportFileFailure(session_.prompter,
                      readGeneralRecord(session_.installation.loggerSetupPath, par));
    const ScanChoice stored = scanChoiceOf(par);

    send_ = namedButton(QStringLiteral("Command3d3"), QStringLiteral("Invio"), this);
    auto* save = namedButton(QStringLiteral("Command3d2"), QStringLiteral("Salva"), this);
    auto* exit = namedButton(QStringLiteral("Command3d1"), QStringLiteral("Uscita"), this);

    auto* left = new QVBoxLayout;
    left->addWidget(
        addGroup(QStringLiteral("Stato KORVEN"), QStringLiteral("Acquis"),
                 {QStringLiteral("No  Acquisizione"), QStringLiteral("Si   Acquisizione")},
                 &ScanChoice::acquisition, stored));
    left->addWidget(addGroup(QStringLiteral("Autosleep"), QStringLiteral("Sleep"),
                             {QStringLiteral("No  Auto-Sleep"), QStringLiteral("Si   Auto-sleep")},
                             &ScanChoice::sleep, stored));
    left->addStretch();
    auto* groups = new QHBoxLayout;
    groups->addLayout(left);
    groups->addWidget(
        addGroup(QStringLiteral("Scansione"), QStringLiteral("Norm"),
                 {QStringLiteral("Continuo"), QStringLiteral("1 minuto"),
                  QStringLiteral("10 minuti"), QStringLiteral("30 minuti"), QStringLiteral("1 ora"),
                  QStringLiteral("2 ore"), QStringLiteral("6 ore"), QStringLiteral("12 ore")},
                 &ScanChoice::interval, stored));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(send_);
    buttons->addWidget(save);
    buttons->addWidget(exit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(buttons);

    send_->setEnabled(choice_.canBeSent());

    connect(send_, &QPushButton::clicked, this, &ScanSettingsScreen::send);
    connect(save, &QPushButton::clicked, this, &ScanSettingsScreen::save);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
}

// One option per index, named after their group as "Norm_0", "Norm_1"... The
// stored choice is chosen as if clicked, so the screen's choice starts as the
// stored one; a value no option stands for leaves the group without a choice.
QWidget* ScanSettingsScreen::addGroup(const QString& title, const QString& name,
                                      const QStringList& captions,
                                      std::optional<int> ScanChoice::*value,
                                      const ScanChoice& stored) {
    auto* group = new QGroupBox(title, this);
    group->setObjectName(name);
    auto* layout = new QVBoxLayout(group);
    auto* exclusive = new QButtonGroup(group);
    for (int index = 0; index < captions.size(); ++index) {
        auto* option = new QRadioButton(captions[index], group);
        option->setObjectName(name + u'_' + QString::number(index));
        exclusive->addButton(option, index);
        layout->addWidget(option);
        connect(option, &QRadioButton::toggled, this, [this, option, value, index](bool chosen) {
            choose(option, chosen, value, index);
        });
        option->setChecked(stored.*value == index);
    }
    return group;
}

void ScanSettingsScreen::choose(QRadioButton* option, bool chosen,
                                std::optional<int> ScanChoice::*value, int index) {
    paintCaption(option, chosen ? kChosen : kLeft);
    if (!chosen)
        return;
    choice_.*value = index;
    send_->setEnabled(choice_.canBeSent());
}

void ScanSettingsScreen::save() {
    Record& par = session_.installation.loggerRecords.par;
    storeScanChoice(choice_, par);
    reportFileFailure(session_.prompter,
                      writeGeneralRecord(session_.installation.loggerSetupPath, par));
}

// The interval and the sleep choice on the screen travel in the command; the
// acquisition choice takes effect when the transmission puts the logger back
// into scanning from the saved record, hence the question.
void ScanSettingsScreen::send() {
    if (!choice_.canBeSent() ||
        !session_.prompter.askYesNo(logger_settings_texts::saveBeforeSending, MessageIcon::None))
        return;
    openTransmission(session_, this, TransmissionOrder::setScan(*choice_.interval, *choice_.sleep));
}

} // namespace korven
