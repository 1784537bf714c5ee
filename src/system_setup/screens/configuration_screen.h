#pragma once

#include "system_setup/configuration_files.h"

#include <QWidget>

class QCheckBox;
class QLineEdit;

namespace korven {

struct Session;

// "Configurazione": the number of loggers of the installation and the last
// memory block downloaded, kept in the side files of the system set-up, and
// whether every automatic download goes into the station archive too, kept
// in the program's settings.
class ConfigurationScreen : public QWidget {
    Q_OBJECT
public:
    explicit ConfigurationScreen(Session& session, QWidget* parent = nullptr);

private:
    void load();
    void leaveLastBlock();
    void leaveLoggerCount();
    void save();

    Session& session_;
    QLineEdit* loggerCount_;
    QLineEdit* lastBlock_;
    QCheckBox* archiveEveryDownload_;
    ConfigurationFiles files_;
};

} // namespace korven
