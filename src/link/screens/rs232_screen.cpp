#include "link/screens/rs232_screen.h"

#include "link/link_texts.h"
#include "link/port_settings.h"
#include "link/screens/choice_colours.h"
#include "session/file_failure.h"
#include "session/identity.h"
#include "session/screen_names.h"
#include "session/session.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace korven {

Rs232Screen::Rs232Screen(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
    setObjectName(screen_name::rs232Settings);
    setWindowTitle(QStringLiteral("Impostazione RS232"));

    auto* portGroup = new QGroupBox(QStringLiteral("Porta"), this);
    portGroup->setObjectName(QStringLiteral("Tipocom1"));
    ports_ = addChoices(portGroup,
                        {QStringLiteral("COM 1"), QStringLiteral("COM 2"), QStringLiteral("COM 3"),
                         QStringLiteral("COM 4")},
                        [this](int index) { session_.portSettings.comIndex = index; });
    auto* speedGroup = new QGroupBox(QStringLiteral("Baud"), this);
    speedGroup->setObjectName(QStringLiteral("tipspe1"));
    speeds_ = addChoices(speedGroup,
                         {QStringLiteral("2400"), QStringLiteral("4800"), QStringLiteral("9600")},
                         [this](int index) { session_.portSettings.speedIndex = index; });

    auto* confirm = new QPushButton(QStringLiteral("OK"), this);
    confirm->setObjectName(QStringLiteral("Command3D2"));
    confirm->setDefault(true);
    auto* exit = new QPushButton(QStringLiteral("Uscita"), this);
    exit->setObjectName(QStringLiteral("Command3D1"));

    auto* groups = new QHBoxLayout;
    groups->addWidget(portGroup);
    groups->addWidget(speedGroup);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(confirm);
    buttons->addWidget(exit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(buttons);

    connect(confirm, &QPushButton::clicked, this, &Rs232Screen::confirm);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);

    loadIdentity(session_);
    // An index no option stands for leaves its group without a choice.
    if (session_.portSettings.comIndex < ports_.size())
        ports_[session_.portSettings.comIndex]->setChecked(true);
    if (session_.portSettings.speedIndex < speeds_.size())
        speeds_[session_.portSettings.speedIndex]->setChecked(true);
}

void Rs232Screen::confirm() {
    // The port is tried with an open and a close, which must not cut into a
    // conversation another screen is holding.
    auto conversation = session_.link.startConversation();
    if (!conversation)
        return;
    const PortSettings settings = session_.portSettings;
    configurePort(session_.port, settings);
    const PortError error = conversation->openPort();
    conversation->closePort();
    conversation.reset();

    if (error.code == kInvalidPortNumber) {
        session_.prompter.message(link_texts::invalidPort, MessageIcon::None);
        ports_[0]->setChecked(true);
        saveIdentity();
        return;
    }
    if (error) {
        session_.prompter.message(link_texts::portErrorText(error), MessageIcon::None);
        return;
    }
    session_.status.setText(StatusTexts::Port, settings.portText());
    if (saveIdentity())
        accept();
}

bool Rs232Screen::saveIdentity() {
    return !reportFileFailure(session_.prompter, savePortSettings(session_, session_.portSettings));
}

} // namespace korven
