#pragma once

#include "logger_setup/scan_choice.h"

#include <QList>
#include <QStringList>
#include <QWidget>

#include <optional>

class QPushButton;
class QRadioButton;

namespace korven {

struct Session;

// "Scansione e memorizzazione" (Form6): whether the logger acquires, whether
// it sleeps between scans, and its scan interval. "Salva" keeps the choices
// in the logger set-up's general record; "Invio" sends the interval and the
// sleep choice through the transmission screen, whose resume then applies
// the saved acquisition and sleep choices.
class ScanSettingsScreen : public QWidget {
    Q_OBJECT
public:
    explicit ScanSettingsScreen(Session& session, QWidget* parent = nullptr);

private:
    QWidget* addGroup(const QString& title, const QString& name, const QStringList& captions,
                      std::optional<int> ScanChoice::*value, const ScanChoice& stored);
    void choose(QRadioButton* option, bool chosen, std::optional<int> ScanChoice::*value,
                int index);
    void save();
    void send();

    Session& session_;
    ScanChoice choice_;
    QPushButton* send_;
};

} // namespace korven
