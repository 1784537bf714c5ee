#pragma once

#include "link/modem/modem_settings.h"

#include <QDialog>
#include <QList>

class QLineEdit;
class QRadioButton;

namespace korven {

struct Session;

// "Modem Setup" (Form71): the telephone number, whether the modem is
// activated, the four initialisation strings and the dialling, kept in the
// logger identity file. "OK" saves them and enables or disables "Attivazione
// Modem" at once; "Uscita" leaves without saving.
class ModemSetupScreen : public QDialog {
    Q_OBJECT
public:
    explicit ModemSetupScreen(Session& session, QWidget* parent = nullptr);

private:
    QLineEdit* addField(const char* name, int length);
    void save();

    Session& session_;
    ModemSettings settings_;
    QLineEdit* number_;
    QList<QLineEdit*> inits_;
};

} // namespace korven
