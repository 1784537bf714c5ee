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
          new QCheckBox(QStringLiteral("Salva in archivio ogni scarico automatico"), this)) {
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
    SystemSetupRecords& records = session_.installation.systemRecords;
    const QString& system = session_.installation.systemFilePath;
    const QString identityPath = identityFilePath(system);
    if (!readFirstRecord(session_.prompter, identityPath, IdentityLayout::recordLength,
                         records.identity))
        return;
    loggerCount_->setText(QString::number(loggerCountOf(records.identity)));

    const QString directoryPath = dataDirectoryFilePath(system);
    if (!readFirstRecord(session_.prompter, directoryPath, DataDirectoryLayout::recordLength,
                         records.dataDirectory))
        return;
    dataFileField_ = records.dataDirectory.text(DataDirectoryLayout::dataFileName);

    const QString pointerPath = downloadPointerFilePath(system);
    if (!readFirstRecord(session_.prompter, pointerPath, DownloadPointerLayout::recordLength,
                         records.downloadPointer))
        return;
    lastBlock_->setText(
        QString::number(records.downloadPointer.unsignedInteger(DownloadPointerLayout::lastBlock)));
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
    SystemSetupRecords& records = session_.installation.systemRecords;
    const QString& system = session_.installation.systemFilePath;

    records.identity.setText(IdentityLayout::typedLastBlock, lastBlock_->text());
    records.identity.setText(IdentityLayout::loggerCount, loggerCount_->text());
    const QString identityPath = identityFilePath(system);
    if (!writeFirstRecord(session_.prompter, identityPath, IdentityLayout::recordLength,
                          records.identity))
        return;
    session_.status.setText(StatusTexts::LastBlock,
                            QStringLiteral("Ultimo Blocco: ") + lastBlock_->text());

    records.dataDirectory.setText(DataDirectoryLayout::dataFileName, dataFileField_);
    const QString directoryPath = dataDirectoryFilePath(system);
    if (!writeFirstRecord(session_.prompter, directoryPath, DataDirectoryLayout::recordLength,
                          records.dataDirectory))
        return;

    records.downloadPointer.setInteger(DownloadPointerLayout::lastBlock,
                                       fieldValue(lastBlock_->text()).value_or(0));
    const QString pointerPath = downloadPointerFilePath(system);
    if (!writeFirstRecord(session_.prompter, pointerPath, DownloadPointerLayout::recordLength,
                          records.downloadPointer))
        return;

    if (archiveEveryDownload_->isChecked() != session_.settings.archivesEveryDownload()) {
        if (const FileStatus saved =
                session_.settings.saveArchivesEveryDownload(archiveEveryDownload_->isChecked());
            !saved)
            reportFileFailure(session_.prompter, session_.settings.filePath(), saved);
    }
}

} // namespace korven
