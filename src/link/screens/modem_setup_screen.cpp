#include "link/screens/modem_setup_screen.h"

#include "link/screens/choice_colours.h"
#include "session/file_failure.h"
#include "session/identity.h"
#include "session/screen_names.h"
#include "session/session.h"
#include "system_setup/side_file_layouts.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace korven {

namespace {

// A flag no option stands for leaves its group without a choice, and is
// saved back as it was.
void choose(const QList<QRadioButton*>& options, int index) {
    if (index >= 0 && index < options.size())
        options[index]->setChecked(true);
}

QString withoutTrailingBlanksOrZeros(const QString& field) {
    return withoutTrailingBlanks(QString(field).remove(QChar(u'\0')));
}

} // namespace

ModemSetupScreen::ModemSetupScreen(Session& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setObjectName(screen_name::modemSetup);
    setWindowTitle(QStringLiteral("Modem Setup"));

    auto* fields = new QFormLayout;
    number_ = addField("nr_tel", IdentityLayout::telephoneNumber.size);
    fields->addRow(QStringLiteral("Numero telefono"), number_);
    for (int n = 1; n <= ModemSettings::kInitStrings; ++n) {
        QLineEdit* init =
            addField(qPrintable(QStringLiteral("iniz%1").arg(n)), IdentityLayout::modemInit1.size);
        fields->addRow(QStringLiteral("Stringa inizializzazione %1").arg(n), init);
        inits_.append(init);
    }

    auto* statusGroup = new QGroupBox(this);
    statusGroup->setObjectName(QStringLiteral("attiv"));
    const QList<QRadioButton*> status =
        addChoices(statusGroup, {QStringLiteral("Attivato"), QStringLiteral("Non attivato")},
                   [this](int index) { settings_.status = index; });
    auto* diallingGroup = new QGroupBox(this);
    diallingGroup->setObjectName(QStringLiteral("impulsi"));
    const QList<QRadioButton*> dialling =
        addChoices(diallingGroup, {QStringLiteral("Toni"), QStringLiteral("Impulsi")},
                   [this](int index) { settings_.dialling = index; });

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setDefault(true);
    auto* exit = new QPushButton(QStringLiteral("Uscita"), this);
    exit->setObjectName(QStringLiteral("EXIT"));

    auto* groups = new QHBoxLayout;
    groups->addWidget(statusGroup);
    groups->addWidget(diallingGroup);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(exit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(groups);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &ModemSetupScreen::save);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);

    // A missing file leaves the fields as the record was; "OK" creates it.
    loadIdentity(session_);
    settings_ = modemSettingsOf(session_.installation.systemRecords.identity);
    number_->setText(withoutTrailingBlanksOrZeros(settings_.telephoneNumber));
    for (int n = 0; n < ModemSettings::kInitStrings; ++n)
        inits_[n]->setText(withoutTrailingBlanksOrZeros(settings_.initStrings[n]));
    choose(status, settings_.status);
    choose(dialling, settings_.dialling);
}

QLineEdit* ModemSetupScreen::addField(const char* name, int length) {
    auto* field = new QLineEdit(this);
    field->setObjectName(QString::fromLatin1(name));
    // What the record cannot hold is not taken.
    field->setMaxLength(length);
    return field;
}

void ModemSetupScreen::save() {
    settings_.telephoneNumber = number_->text();
    for (int n = 0; n < ModemSettings::kInitStrings; ++n)
        settings_.initStrings[n] = inits_[n]->text();
    if (reportFileFailure(session_.prompter, saveModemSettings(session_, settings_)))
        return;
    session_.modemMenu.setEnabled(settings_.status == 0);
    accept();
}

} // namespace korven
