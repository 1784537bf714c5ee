#pragma once

#include "logger_setup/clock_fields.h"

#include <QWidget>

class QLabel;
class QLineEdit;

namespace korven {

struct ClockReading;
struct Session;

// "Parametri Generali" (Form28): reads and sets the logger's clock, asks for
// its last stored block and empties its memory. Each action goes through the
// transmission screen, which writes the logger's answers back here.
class GeneralParametersScreen : public QWidget {
    Q_OBJECT
public:
    explicit GeneralParametersScreen(Session& session, QWidget* parent = nullptr);

private:
    QWidget* clockFrame();
    QWidget* blockFrame();
    QLineEdit* addClockField(const QString& name, const QString& text, const QString& reset);
    void checkField(QLineEdit* field, const QString& reset);
    ClockFields clockFields() const;
    void askForClock();
    void setClock();
    void askForLastBlock();
    void emptyMemory();
    void formatBlockNumber();
    void showLoggerClock(const ClockReading& reading);
    void showLastBlock(int block);

    Session& session_;
    QLineEdit* day_;
    QLineEdit* month_;
    QLineEdit* year_;
    QLineEdit* hours_;
    QLineEdit* minutes_;
    QLineEdit* seconds_;
    QLineEdit* blockNumber_;
    QLabel* loggerClock_;
    QLabel* drift_;
    QLabel* lastBlock_;
};

} // namespace korven
