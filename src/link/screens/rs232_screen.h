#pragma once

#include <QDialog>
#include <QList>

class QRadioButton;

namespace korven {

struct Session;

// "Impostazione RS232" (Form4): the serial port and speed of the link, kept in
// the logger identity file. Confirming tries the port before it is stored.
class Rs232Screen : public QDialog {
    Q_OBJECT
public:
    explicit Rs232Screen(Session& session, QWidget* parent = nullptr);

private:
    void confirm();
    bool saveIdentity();

    Session& session_;
    QList<QRadioButton*> ports_;
    QList<QRadioButton*> speeds_;
};

} // namespace korven
