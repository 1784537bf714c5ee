#pragma once

#include "archive/archive_store.h"
#include "archive/archive_table.h"

#include <QWidget>

#include <memory>

class QComboBox;
class QDateTimeEdit;
class QLabel;
class QPushButton;
class QTableView;

namespace korven {

struct Session;

// "Archivio": the archived blocks of a station and a period in a grid, as a
// chart, and as CSV. The archive is the program folder's.
class ArchiveScreen : public QWidget {
    Q_OBJECT
public:
    explicit ArchiveScreen(Session& session, QWidget* parent = nullptr);
    ~ArchiveScreen() override;

private:
    void readStations();
    void stationChosen();
    void showPeriod();
    void showChart();
    void exportPeriod();
    ArchivePeriod chosenPeriod() const;

    Session& session_;
    std::unique_ptr<ArchiveStore> store_;
    QList<ArchivedStation> stations_;
    ArchiveTable table_;
    QComboBox* station_;
    QDateTimeEdit* from_;
    QDateTimeEdit* to_;
    QPushButton* show_;
    QPushButton* chart_;
    QPushButton* export_;
    QTableView* grid_;
    QLabel* status_;
};

// The menu's way in.
QWidget* makeArchiveScreen(Session& session);

} // namespace korven
