#pragma once

#include "system_setup/configuration_files.h"

#include <QWidget>

class QLineEdit;

namespace korven {

struct Session;

// "Configurazione": the number of loggers of the installation and the last
// memory block downloaded, kept in the side files of the system set-up.
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
    ConfigurationFiles files_;
};

} // namespace korven
