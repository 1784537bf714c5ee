#include "link/screens/rs232_screen.h"

#include "link/link_texts.h"
#include "link/port_settings.h"
#include "link/screens/choice_colours.h"
#include "session/identity.h"
#include "session/screen_names.h"
#include "session/session.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace korven {

namespace {

// One option per index, named after their group as "Tipocom1_0", "Tipocom1_1"...
QList<QRadioButton*> addOptions(QGroupBox* group, const QStringList& captions) {
    auto* layout = new QVBoxLayout(group);
    QList<QRadioButton*> options;
    for (const QString& caption : captions) {
        auto* option = new QRadioButton(caption, group);
        option->setObjectName(group->objectName() + u'_' + QString::number(options.size()));
        paintChosen(option, false);
        layout->addWidget(option);
        options.append(option);
    }
    return options;
}

RecordFile identityFile(const Session& session) {
    return RecordFile(identityFilePath(session.installation.systemFilePath),
                      IdentityLayout::recordLength);
}

} // namespace

Rs232Screen::Rs232Screen(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
    setObjectName(screen_name::rs232Settings);
    setWindowTitle(QStringLiteral("Impostazione RS232"));

    auto* portGroup = new QGroupBox(QStringLiteral("Porta"), this);
    portGroup->setObjectName(QStringLiteral("Tipocom1"));
    ports_ = addOptions(portGroup, {QStringLiteral("COM 1"), QStringLiteral("COM 2"),
                                    QStringLiteral("COM 3"), QStringLiteral("COM 4")});
    auto* speedGroup = new QGroupBox(QStringLiteral("Baud"), this);
    speedGroup->setObjectName(QStringLiteral("tipspe1"));
    speeds_ = addOptions(speedGroup,
                         {QStringLiteral("2400"), QStringLiteral("4800"), QStringLiteral("9600")});

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

    for (int index = 0; index < ports_.size(); ++index)
        connect(ports_[index], &QRadioButton::toggled, this,
                [this, index](bool chosen) { choosePort(index, chosen); });
    for (int index = 0; index < speeds_.size(); ++index)
        connect(speeds_[index], &QRadioButton::toggled, this,
                [this, index](bool chosen) { chooseSpeed(index, chosen); });
    connect(confirm, &QPushButton::clicked, this, &Rs232Screen::confirm);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);

    loadIdentity(session_);
    // An index no option stands for leaves its group without a choice.
    if (session_.portSettings.comIndex < ports_.size())
        ports_[session_.portSettings.comIndex]->setChecked(true);
    if (session_.portSettings.speedIndex < speeds_.size())
        speeds_[session_.portSettings.speedIndex]->setChecked(true);
}

void Rs232Screen::choosePort(int index, bool chosen) {
    paintChosen(ports_[index], chosen);
    if (chosen)
        session_.portSettings.comIndex = index;
}

void Rs232Screen::chooseSpeed(int index, bool chosen) {
    paintChosen(speeds_[index], chosen);
    if (chosen)
        session_.portSettings.speedIndex = index;
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
    storePortSettings(session_.portSettings, session_.installation.systemRecords.identity);
    const FileStatus saved =
        identityFile(session_).write(1, session_.installation.systemRecords.identity);
    if (!saved)
        session_.prompter.message(saved.error, MessageIcon::Critical);
    return saved.ok;
}

} // namespace korven
