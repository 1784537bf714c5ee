#include "archive/screens/archive_screen.h"

#include "archive/archive_export.h"
#include "archive/archive_texts.h"
#include "download/download_texts.h"
#include "download/screens/chart_screen.h"
#include "download/screens/download_screen_steps.h"
#include "platform/whole_file.h"
#include "platform/widgets/named_button.h"
#include "platform/widgets/screen_frame.h"
#include "session/screen_names.h"
#include "session/session.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace korven {

namespace {

namespace texts = archive_texts;

QDateTimeEdit* timeField(const QString& name, QWidget* parent) {
    auto* field = new QDateTimeEdit(parent);
    field->setObjectName(name);
    field->setDisplayFormat(QStringLiteral("dd/MM/yyyy HH:mm"));
    field->setCalendarPopup(true);
    return field;
}

} // namespace

ArchiveScreen::ArchiveScreen(Session& session, QWidget* parent)
    : QWidget(parent), session_(session), station_(new QComboBox(this)),
      from_(timeField(QStringLiteral("from"), this)), to_(timeField(QStringLiteral("to"), this)),
      show_(namedButton(QStringLiteral("show"), texts::showButton, this)),
      chart_(namedButton(QStringLiteral("chart"), download_texts::chartButton, this)),
      export_(namedButton(QStringLiteral("exportCsv"), download_texts::exportCsvButton, this)),
      grid_(new QTableView(this)), status_(new QLabel(this)) {
    setObjectName(screen_name::archive);
    setWindowTitle(texts::title);
    station_->setObjectName(QStringLiteral("station"));
    grid_->setObjectName(QStringLiteral("grid"));
    grid_->setModel(&table_);
    grid_->verticalHeader()->hide();
    status_->setObjectName(QStringLiteral("statusLabel"));
    QPushButton* exit = namedButton(QStringLiteral("exit"), download_texts::exitButton, this);

    auto* controls = new QHBoxLayout;
    controls->addWidget(new QLabel(texts::station, this));
    controls->addWidget(station_, 1);
    controls->addWidget(new QLabel(texts::from, this));
    controls->addWidget(from_);
    controls->addWidget(new QLabel(texts::to, this));
    controls->addWidget(to_);
    controls->addWidget(show_);
    controls->addWidget(chart_);
    controls->addWidget(export_);
    controls->addStretch();
    controls->addWidget(exit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(status_);
    layout->addWidget(grid_, 1);

    connect(station_, &QComboBox::currentIndexChanged, this, &ArchiveScreen::stationChosen);
    connect(show_, &QPushButton::clicked, this, &ArchiveScreen::showPeriod);
    connect(chart_, &QPushButton::clicked, this, &ArchiveScreen::showChart);
    connect(export_, &QPushButton::clicked, this, &ArchiveScreen::exportPeriod);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    readStations();
}

ArchiveScreen::~ArchiveScreen() = default;

void ArchiveScreen::readStations() {
    store_ =
        std::make_unique<ArchiveStore>(*parseArchiveLocation({}, session_.programFolder).location);
    FileStatus status = store_->open();
    if (status)
        status = store_->stations(stations_);
    if (!status) {
        store_.reset();
        status_->setText(texts::notAvailable.arg(status.namedError()));
    } else if (stations_.isEmpty()) {
        status_->setText(texts::empty);
    }
    for (const ArchivedStation& station : stations_)
        station_->addItem(station.name);
    for (QWidget* control :
         std::initializer_list<QWidget*>{station_, from_, to_, show_, chart_, export_})
        control->setEnabled(!stations_.isEmpty());
}

void ArchiveScreen::stationChosen() {
    const qsizetype chosen = station_->currentIndex();
    if (chosen < 0 || chosen >= stations_.size())
        return;
    // The whole of the station at first; the user narrows it down.
    from_->setDateTime(shownTime(stations_[chosen].firstAt));
    to_->setDateTime(shownTime(stations_[chosen].lastAt));
    showPeriod();
}

ArchivePeriod ArchiveScreen::chosenPeriod() const {
    // The fields show minutes: the end takes in its whole last minute.
    return {station_->currentText(), from_->dateTime(), to_->dateTime().addSecs(59)};
}

void ArchiveScreen::showPeriod() {
    if (!store_)
        return;
    if (const FileStatus loaded = table_.load(*store_, chosenPeriod()); !loaded)
        status_->setText(texts::notAvailable.arg(loaded.namedError()));
    else
        status_->setText(texts::blocksShown.arg(table_.blocks().size()));
    grid_->resizeColumnsToContents();
}

void ArchiveScreen::showChart() {
    if (table_.blocks().isEmpty()) {
        session_.prompter.message(download_texts::nothingToExport, MessageIcon::Exclamation);
        return;
    }
    showBeside(this, new ChartScreen(archiveChartLines(table_.blocks())));
}

void ArchiveScreen::exportPeriod() {
    if (!store_)
        return;
    const auto path =
        chooseSaveFile(session_, download_texts::csvFilter, download_texts::csvExtension);
    if (!path)
        return;
    int blocks = 0;
    FileStatus read;
    const FileStatus written = writeWholeFileFrom(*path, [&](QIODevice& file) {
        read = writeArchiveCsv(*store_, chosenPeriod(), {}, file, blocks);
        return read ? QString() : read.namedError();
    });
    if (!written)
        session_.prompter.message(download_texts::tableNotWritten.arg(*path, written.error),
                                  MessageIcon::Critical);
    else
        status_->setText(download_texts::csvExported.arg(blocks).arg(*path));
}

QWidget* makeArchiveScreen(Session& session) {
    return new ArchiveScreen(session);
}

} // namespace korven
