#include "system_setup/screens/configuration_screen.h"

#include "link/link_texts.h"
#include "platform/widgets/focus_watch.h"
#include "session/file_failure.h"
#include "session/screen_names.h"
#include "session/session.h"
#include "system_setup/configuration_values.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace korven {
namespace {

const QString kZeroLoggers = QStringLiteral("ATTENZIONE: Valore 0 non valido");

} // namespace

ConfigurationScreen::ConfigurationScreen(Session& session, QWidget* parent)
    : QWidget(parent), session_(session), loggerCount_(new QLineEdit(this)),
      lastBlock_(new QLineEdit(this)),
      archiveEveryDownload_(
          new QCheckBox(QStringLiteral("Salva in archivio ogni scarico automatico"), this)),
      files_(session.installation.systemFilePath, session.installation.systemRecords) {
    setObjectName(screen_name::configuration);
    setWindowTitle(QStringLiteral("Configurazione"));
    loggerCount_->setObjectName(QStringLiteral("Text2"));
    lastBlock_->setObjectName(QStringLiteral("Text1"));
    archiveEveryDownload_->setObjectName(QStringLiteral("archiveEveryDownload"));
    archiveEveryDownload_->setChecked(session_.settings.archivesEveryDownload());

    auto* save = new QPushButton(QStringLiteral("Salva"), this);
    save->setObjectName(QStringLiteral("Command1"));
    auto* leave = new QPushButton(QStringLiteral("Uscita"), this);
    leave->setObjectName(QStringLiteral("Command2"));

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Nr. Logger"), this), 0, 0);
    fields->addWidget(loggerCount_, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Ultimo blocco"), this), 1, 0);
    fields->addWidget(lastBlock_, 1, 1);
    fields->addWidget(archiveEveryDownload_, 2, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(leave);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    FocusWatch::onLeft(lastBlock_, [this] { leaveLastBlock(); });
    FocusWatch::onLeft(loggerCount_, [this] { leaveLoggerCount(); });
    connect(save, &QPushButton::clicked, this, &ConfigurationScreen::save);
    connect(leave, &QPushButton::clicked, this, &QWidget::close);

    load();
}

void ConfigurationScreen::load() {
    reportFileFailure(session_.prompter, files_.load());
    if (files_.loggerCount())
        loggerCount_->setText(QString::number(*files_.loggerCount()));
    if (files_.lastBlock())
        lastBlock_->setText(QString::number(*files_.lastBlock()));
}

void ConfigurationScreen::leaveLastBlock() {
    const FieldCheck check = checkLastBlock(lastBlock_->text());
    if (check.invalid)
        session_.prompter.message(link_texts::invalidValue, MessageIcon::Critical);
    lastBlock_->setText(check.text);
}

void ConfigurationScreen::leaveLoggerCount() {
    const FieldCheck check = checkLoggerCount(loggerCount_->text());
    if (check.invalid)
        session_.prompter.message(link_texts::invalidValue, MessageIcon::Critical);
    loggerCount_->setText(check.text);
}

void ConfigurationScreen::save() {
    // Clicking the button leaves the field being typed in, so both texts have
    // been checked by now.
    if (fieldValue(loggerCount_->text()).value_or(0) == 0) {
        session_.prompter.message(kZeroLoggers, MessageIcon::Critical);
        return;
    }
    if (reportFileFailure(session_.prompter,
                          files_.saveIdentity(loggerCount_->text(), lastBlock_->text())))
        return;
    session_.status.setText(StatusTexts::LastBlock,
                            QStringLiteral("Ultimo Blocco: ") + lastBlock_->text());
    if (reportFileFailure(session_.prompter,
                          files_.saveDownloadPointer(fieldValue(lastBlock_->text()).value_or(0))))
        return;
    if (archiveEveryDownload_->isChecked() != session_.settings.archivesEveryDownload())
        reportFileFailure(
            session_.prompter, session_.settings.filePath(),
            session_.settings.saveArchivesEveryDownload(archiveEveryDownload_->isChecked()));
}

} // namespace korven
